"""Helpers shared by the tests of the Python module korvel."""

import os
import subprocess

import pytest


def inverse(word):
    """The inverse of a letter word: reversed, each letter in the other case."""
    return word[::-1].swapcase()


def tietze(word):
    """The Tietze list of a letter word: a..z are 1..26, A..Z are -1..-26."""
    return [ord(c) - 96 if c.islower() else -(ord(c) - 64) for c in word]


def letters(seq):
    """The letter word of a Tietze sequence with indices up to 26."""
    return "".join(chr(96 + x) if x > 0 else chr(64 - x) for x in seq)


@pytest.fixture(scope="session")
def korvel_program():
    """Runs the korvel program on a piped session and returns its output."""
    path = os.environ.get("KORVEL_BINARY")
    if not path or not os.path.exists(path):
        pytest.skip("KORVEL_BINARY does not name the korvel program")

    def run(session):
        done = subprocess.run([path], input=session.encode(), stdout=subprocess.PIPE, check=True)
        return done.stdout.decode()

    return run
