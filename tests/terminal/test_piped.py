"""Ctrl-C (SIGINT) when standard input is not a terminal: at a prompt it
ends Korvel with status 130; during a computation it abandons only that
computation and the session goes on with the next line of its input."""

import os
import select
import signal
import subprocess
import time

from terminal_driver import TIMEOUT

LONG_REDUCTION = "bbaBBA" * 42  # about 770 kB of steps for key H: see test_terminal


def read_until(process, wanted, seen=b""):
    """Reads standard output until it contains WANTED; returns all it read."""
    deadline = time.monotonic() + TIMEOUT
    while wanted not in seen:
        left = deadline - time.monotonic()
        assert left > 0, "%r did not come; korvel wrote %r" % (wanted, seen[-500:])
        ready, _, _ = select.select([process.stdout], [], [], left)
        if ready:
            data = os.read(process.stdout.fileno(), 65536)
            assert data, "korvel ended before %r; it wrote %r" % (wanted, seen[-500:])
            seen += data
    return seen


def start(binary):
    return subprocess.Popen([binary], stdin=subprocess.PIPE, stdout=subprocess.PIPE)


def test_ctrl_c_while_korvel_waits_for_a_key_ends_it_with_status_130(korvel_binary):
    k = start(korvel_binary)
    read_until(k, b" Q\n    > ")  # the menu's prompt
    k.send_signal(signal.SIGINT)
    assert k.wait(timeout=TIMEOUT) == 130


def test_ctrl_c_while_korvel_waits_for_a_braid_word_ends_it_with_status_130(korvel_binary):
    k = start(korvel_binary)
    k.stdin.write(b"C\na\n")
    k.stdin.flush()
    read_until(k, b"    > B2 = ")
    k.send_signal(signal.SIGINT)
    assert k.wait(timeout=TIMEOUT) == 130


def test_ctrl_c_during_a_computation_abandons_it_and_the_session_goes_on(korvel_binary):
    k = start(korvel_binary)
    k.stdin.write(("H\n" + LONG_REDUCTION + "\nC\na\nb\nQ\n").encode())
    k.stdin.close()
    # The steps are read no further: korvel is still reducing, blocked on a
    # full pipe, when the signal comes.
    seen = read_until(k, b"   1: ")
    k.send_signal(signal.SIGINT)
    rest = k.stdout.read()
    assert k.wait(timeout=TIMEOUT) == 0
    out = (seen + rest).decode()
    assert out.count("The computation was interrupted.\n") == 1
    # The next key of the input runs as usual.
    assert "We have B1 > B2, namely B2 = B1 * Ab," in out
    assert out.count("MAIN MENU") == 3
