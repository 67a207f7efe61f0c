"""Command-line options: --help and --version answer on standard output with
status 0; --echo runs the session with each line read written after its
prompt; any other argument gives the usage line on standard error and
status 2, and runs nothing."""

import os
import re
import subprocess

import pytest

TRANSCRIPTS = os.path.join(os.path.dirname(__file__), "..", "transcripts")


def run(binary, *args):
    return subprocess.run([binary, *args], capture_output=True, text=True, timeout=120,
                          stdin=subprocess.DEVNULL)


def test_version(korvel_binary):
    r = run(korvel_binary, "--version")
    assert (r.returncode, r.stdout, r.stderr) == (0, "Korvel 1.1\n", "")


def test_help_says_what_korvel_is_and_how_to_use_it(korvel_binary):
    r = run(korvel_binary, "--help")
    assert r.returncode == 0 and r.stderr == ""
    lines = r.stdout.splitlines()
    assert lines[0] == "Usage: korvel [--help | --version]" or lines[0].startswith(
        "Usage: korvel [--help | --version | ")
    text = " ".join(r.stdout.split())
    for part in ("braid groups", "standard input", "type h for help and Q to quit",
                 "man korvel"):
        assert part in text
    for option in ("--help", "--version", "--echo"):
        assert any(line.split()[:1] == [option] for line in lines)


# Where the program reads a line: at the end of each of its prompts, "> " at
# the start of a line after the ordering menu, "    > " elsewhere, with
# "B1 = " or "B2 = " at key C (piped, the prompt of B2 follows that of B1 on
# the same line).
PROMPT = re.compile(rb"    > B[12] = |    > |(?<![^\n])> ")


def typed_like(golden, lines):
    """GOLDEN with each line of LINES, and a line end, after the prompt that
    read it: what a person typing LINES would see."""
    out = b""
    at = 0
    for prompt, line in zip(PROMPT.finditer(golden), lines):
        out += golden[at:prompt.end()] + line + b"\n"
        at = prompt.end()
    return out + golden[at:]


@pytest.mark.parametrize("name", ["ordering", "compare_flipped", "line_ends"])
def test_echo_writes_each_line_of_a_golden_input_after_its_prompt(korvel_binary, name):
    with open(os.path.join(TRANSCRIPTS, name + ".in"), "rb") as f:
        given = f.read()
    with open(os.path.join(TRANSCRIPTS, name + ".out"), "rb") as f:
        golden = f.read()
    lines = re.split(rb"\r\n|\r|\n", given)
    if lines[-1] == b"":
        lines.pop()
    assert len(PROMPT.findall(golden)) >= len(lines)
    r = subprocess.run([korvel_binary, "--echo"], input=given, capture_output=True, timeout=120)
    assert (r.returncode, r.stderr) == (0, b"")
    assert r.stdout == typed_like(golden, lines)
    # Without the option nothing changes.
    assert subprocess.run([korvel_binary], input=given, capture_output=True,
                          timeout=120).stdout == golden


def test_echo_writes_a_long_line_whole_and_a_last_line_without_its_end(korvel_binary):
    # The braid keeps 255 letters of the 300 echoed; the last line has no end.
    given = b"C\n" + b"a" * 300 + b"\n" + b"a" * 255 + b"\nQ"
    r = subprocess.run([korvel_binary, "--echo"], input=given, capture_output=True, timeout=120)
    assert r.returncode == 0
    assert b"    > B1 = " + b"a" * 300 + b"\n    > B2 = " + b"a" * 255 + b"\nWe have B1 = B2.\n" in r.stdout
    assert r.stdout.endswith(b" Q\n    > Q\n\n")
    assert b"Note" not in r.stdout


@pytest.mark.parametrize("args", [
    ["-h"], ["--Help"], ["--version", "x"], ["--help", "--version"], [""], ["--version=1"],
    ["C"], ["--"], ["--echo", "x"], ["--echo", "--echo"],
])
def test_any_other_argument_gives_the_usage_line_and_status_2(korvel_binary, args):
    r = run(korvel_binary, *args)
    assert r.returncode == 2
    assert r.stdout == ""
    assert r.stderr.startswith("Usage: korvel [--help | --version")
    assert r.stderr.count("\n") == 1
