"""A seeded sample of the robustness sweep (robustness.py; the long tier runs
all of it), the sweep's reach, and the sweep's own checks: it sees a crash,
a hang, an undocumented exception and a wrong answer."""

import korvel

import robustness


def test_the_sweep_reaches_every_function_method_and_operator():
    labels = {t[0] for t in robustness.targets(korvel)}
    public = {name for name in dir(korvel) if not name.startswith("_")
              and callable(getattr(korvel, name)) and not isinstance(getattr(korvel, name), type)}
    assert public <= labels and len(public) >= 25
    assert {"Braid", "Braid.compare", "Braid.__mul__", "Braid.__pow__", "Braid.__hash__",
            "Braid.generator", "_braid"} <= labels
    # The arguments come from the docstrings' signatures.
    signatures = {t[0]: (t[2], t[3]) for t in robustness.targets(korvel)}
    assert signatures["compare"] == (["b1", "b2", "ordering", "method", "max_length"], [])
    assert signatures["Braid"] == (["b", "strands"], ["mark"])
    assert signatures["Braid.sign"] == (["self", "ordering", "method", "max_length"], [])


def test_a_sample_of_the_sweep():
    # A shorter limit than the long tier's: the sample's huge braids are
    # stopped sooner, and an ordinary call takes milliseconds.
    chosen, replay = robustness.sample(robustness.cases(korvel))
    failures, known = robustness.split(robustness.run(chosen, limit=0.5))
    print(f"{len(known)} known faults of the engines:\n" + robustness.report(known))
    assert not failures, f"{replay}: {len(failures)} failures:\n" + robustness.report(failures)


def test_the_sweep_sees_crashes_hangs_and_wrong_answers(tmp_path):
    # A stand-in module whose functions misbehave, swept like korvel.
    (tmp_path / "faulty.py").write_text(
        "import os, signal, time\n"
        "def crash(b): os.abort()\n"
        "def hang(b):\n"
        "    signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGALRM})\n"
        "    time.sleep(60)\n"
        "def lenient(b, max_length=None): return 1\n"
        "def strange(b): raise KeyError(b)\n")
    calls = [(k, (name, f"faulty.{name}", [value], {}, "b", "None", "refused"))
             for k, (name, value) in enumerate([("crash", "None"), ("hang", "None"),
                                                ("lenient", "None"), ("strange", "None")])]
    calls.append((4, ("lenient", "faulty.lenient", ["''", "2**64"], {}, "max_length", "2**64",
                      "None")))
    import os
    env = dict(os.environ, PYTHONPATH=f"{tmp_path}:{os.environ.get('PYTHONPATH', '')}")
    failures = {k: what for k, _, what in robustness.run(calls, limit=0.2, grace=0.5, env=env,
                                                         imports="import faulty")}
    assert failures[0].startswith("crash") and failures[1].startswith("hang")
    assert failures[2].startswith("not refused") and failures[3].startswith("not refused")
    assert 4 not in failures          # 2**64 as max_length is no limit: the same answer
