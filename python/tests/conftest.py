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


def random_tietze(rng, strands, length):
    """LENGTH random letters on STRANDS strands, as a Tietze list."""
    return [rng.choice((-1, 1)) * rng.randint(1, strands - 1) for _ in range(length)]


def random_braid(rng, strands, longest):
    """A korvel.Braid of up to LONGEST random letters on STRANDS strands."""
    import korvel

    return korvel.Braid(random_tietze(rng, strands, rng.randint(0, longest)), strands=strands)


def delta_word(strands):
    """The Garside element on STRANDS strands as a Tietze list:
    (s_1)(s_2 s_1)(s_3 s_2 s_1)..., n(n-1)/2 letters."""
    return [i for top in range(1, strands) for i in range(top, 0, -1)]


# Hypothesis (test_properties.py): a fixed number of examples per test, so
# that the run time is stable, drawn from a new seed every run; no database
# of found examples (nothing is written beside the sources); no deadline, as
# two cores are shared; the failing example's blob is printed.
try:
    from hypothesis import HealthCheck, settings
except ImportError:
    pass
else:
    settings.register_profile(
        "korvel", max_examples=40, database=None, deadline=None, derandomize=False,
        print_blob=True, suppress_health_check=[HealthCheck.too_slow, HealthCheck.data_too_large])
    settings.load_profile("korvel")
