"""Command-line options: --help and --version answer on standard output with
status 0; any other argument gives the usage line on standard error and
status 2, and runs nothing."""

import subprocess

import pytest


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
    for option in ("--help", "--version"):
        assert any(line.split()[:1] == [option] for line in lines)


@pytest.mark.parametrize("args", [
    ["-h"], ["--Help"], ["--version", "x"], ["--help", "--version"], [""], ["--version=1"],
    ["C"], ["--"],
])
def test_any_other_argument_gives_the_usage_line_and_status_2(korvel_binary, args):
    r = run(korvel_binary, *args)
    assert r.returncode == 2
    assert r.stdout == ""
    assert r.stderr.startswith("Usage: korvel [--help | --version")
    assert r.stderr.count("\n") == 1
