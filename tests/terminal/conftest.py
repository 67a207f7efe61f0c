"""Shared set-up of the terminal tests: the korvel binary under test comes
from the environment variable KORVEL (ctest sets it to the built program),
the build folder for the install test from KORVEL_BUILD."""

import os
import sys

import pytest

sys.path.insert(0, os.path.dirname(__file__))

from terminal_driver import Korvel  # noqa: E402


@pytest.fixture
def korvel_binary():
    path = os.environ.get("KORVEL")
    if not path:
        pytest.fail("set KORVEL to the korvel binary under test")
    return path


@pytest.fixture
def terminal(korvel_binary):
    """korvel started at a terminal of type xterm; killed if a test fails."""
    started = []

    def start(term="xterm"):
        k = Korvel(korvel_binary, term=term)
        started.append(k)
        return k

    yield start
    for k in started:
        k.close()
