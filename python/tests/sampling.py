"""The seeded share of the long tests' cases, as tests/support/sampling.h
gives it to the C++ tests, read from the same variables:

  KORVEL_TEST_SHARE=k   one case in k is checked (default 10); 1 checks all
                        (the long tier sets it).
  KORVEL_TEST_SEED=s    which cases: unset, s is taken from the clock, so
                        that every run checks other cases; the failure
                        messages name it (replay()), and setting it replays
                        the run exactly.

A loop keeps drawing case i from its own seed, so that case i is the same in
every run, and skips the cases sampled() leaves out."""

import hashlib
import os
import sys
import time


def _share():
    try:
        value = int(os.environ.get("KORVEL_TEST_SHARE", "10"))
    except ValueError:
        value = 10
    return max(value, 1)


def _seed():
    text = os.environ.get("KORVEL_TEST_SEED")
    value = int(text) if text else time.monotonic_ns() % 1_000_000_007
    print(f"sampling one case in {_share()} with KORVEL_TEST_SEED={value} (set it to replay this run)",
          file=sys.stderr)
    return value


SHARE = _share()
SEED = _seed()


def draw(*key):
    """A well-mixed integer of the run's seed and KEY: the same in every run
    with this seed."""
    text = ":".join(str(part) for part in (SEED, *key))
    return int.from_bytes(hashlib.blake2b(text.encode(), digest_size=8).digest(), "big")


def sampled(case, stream=""):
    """Whether case CASE of the loop STREAM is checked in this run."""
    return SHARE == 1 or draw(stream, case) % SHARE == 0


def replay(case=None):
    """The words that replay this run, for a failure's message."""
    where = f"case {case} " if case is not None else ""
    return f"{where}(replay: KORVEL_TEST_SEED={SEED} KORVEL_TEST_SHARE={SHARE})"
