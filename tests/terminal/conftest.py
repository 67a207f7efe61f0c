"""Shared set-up of the terminal tests: the korvel binary under test comes
from the environment variable KORVEL (ctest sets it to the built program),
the build folder for the install test from KORVEL_BUILD. KORVEL_EDITING=0
says that korvel was built without a line editor: the tests marked
needs_editor are then skipped."""

import os
import sys

import pytest

sys.path.insert(0, os.path.dirname(__file__))

from terminal_driver import Korvel  # noqa: E402


def _path_from(variable, what):
    """The path in the environment variable VARIABLE; the test fails, saying
    what the variable should name, when it is unset or empty."""
    path = os.environ.get(variable)
    if not path:
        pytest.fail(f"set {variable} to {what}")
    return path


@pytest.fixture
def korvel_binary():
    return _path_from("KORVEL", "the korvel binary under test")


@pytest.fixture
def build_dir():
    return _path_from("KORVEL_BUILD", "the build folder")


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


def pytest_configure(config):
    config.addinivalue_line("markers", "needs_editor: the test needs korvel's line editor")


def pytest_collection_modifyitems(config, items):
    if os.environ.get("KORVEL_EDITING", "1") != "0":
        return
    skip = pytest.mark.skip(reason="korvel was built without a line editor")
    for item in items:
        if "needs_editor" in item.keywords:
            item.add_marker(skip)
