"""The whole robustness sweep of the module's interface (robustness.py):
every public function, method and operator with every hostile value in
every argument, each call in a child process with a time limit."""

from concurrent.futures import ThreadPoolExecutor

import korvel
import pytest

import robustness
import sampling


def test_every_call_with_hostile_arguments_raises_a_documented_error_or_answers_right():
    if sampling.SHARE > 1:
        # The everyday run checks its seeded share of these cases in
        # test_robustness.py; all of them are the long tier's.
        pytest.skip("the whole sweep runs in the long tier (KORVEL_TEST_SHARE=1)")
    every = list(enumerate(robustness.cases(korvel)))
    faulty = [(k, c) for k, c in every if robustness.known(c)]
    sound = [(k, c) for k, c in every if not robustness.known(c)]

    # A known fault is a call that does not stop in time: it is seen still
    # there once its call has run past the limit and the grace, without the
    # patience of a case that may make three calls.
    def sweep(part):
        return (robustness.run(sound[part::2])
                + robustness.run(faulty[part::2], patience=robustness.LIMIT + robustness.GRACE))

    # Two children at a time, one per core: each sweeps every other case.
    with ThreadPoolExecutor(2) as pool:
        found = [f for part in pool.map(sweep, (0, 1)) for f in part]
    failures, known = robustness.split(found)
    mended = {k for k, c in every if robustness.known(c)} - {k for k, _, _ in known}
    print(f"{len(known)} known faults of the engines:\n" + robustness.report(known))
    print(f"{len(mended)} known faults no longer seen: cases {sorted(mended)}")
    assert not failures, f"{len(failures)} failures:\n" + robustness.report(failures)
