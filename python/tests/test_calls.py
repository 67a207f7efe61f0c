"""How korvel runs a computation: without the interpreter lock, so that
threads compute side by side and give the answers of one thread; and
abandoned by SIGINT with KeyboardInterrupt, after which the module works as
before. The SIGINT cases run in a child interpreter, which sends itself the
signal from a timer while the long call runs and reports how long the call
took to give up; each report is printed (pytest -s shows it)."""

import json
import os
import random
import subprocess
import sys
import textwrap
from concurrent.futures import ThreadPoolExecutor

import korvel
import pytest

from conftest import random_tietze

Braid = korvel.Braid


def mixed_calls(seed):
    """Answers of many kinds of call on seeded random braids."""
    rng = random.Random(seed)
    answers = []
    for _ in range(40):
        strands = rng.randint(2, 8)
        a = Braid(random_tietze(rng, strands, rng.randint(0, 60)), strands=strands)
        b = Braid(random_tietze(rng, strands, rng.randint(0, 60)), strands=strands)
        answers.append((
            korvel.compare(a, b), korvel.compare(a, b, "F", "handles"),
            korvel.compare(a, b, "U"), korvel.sign(a * b, method="coordinates"),
            korvel.equivalent(a * b, b * a), a == b, hash(a * ~a), a < b,
            korvel.handle_reduce(a).tietze(), korvel.coordinates(a),
            korvel.left_normal_form(a)[0], len(korvel.symmetric_normal_form(b)[1]),
            korvel.handle_reduce(str(a)) if strands <= 27 else None,
        ))
    answers.append([tuple(row) for row in korvel.braid_table(4, "F")])
    return answers


def test_threads_give_the_answers_of_one_thread():
    seeds = list(range(8))
    alone = [mixed_calls(s) for s in seeds]
    with ThreadPoolExecutor(max_workers=4) as pool:
        together = list(pool.map(mixed_calls, seeds))
    assert together == alone


def run_child(code, timeout=120):
    """Runs CODE in a child interpreter and returns the JSON it prints last."""
    done = subprocess.run([sys.executable, "-c", textwrap.dedent(code)], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, timeout=timeout)
    assert done.returncode == 0, done.stderr
    report = json.loads(done.stdout.splitlines()[-1])
    print(report)
    return report


# The child's part: CALL runs under a timer that sends SIGINT after DELAY
# seconds; it reports whether the call was interrupted, the seconds from the
# signal to the KeyboardInterrupt, and what the module answers afterwards.
INTERRUPT = """
    import json, os, random, signal, threading, time
    import korvel

    def interrupted(call, delay=0.3):
        sent = []
        def fire():
            sent.append(time.perf_counter())
            os.kill(os.getpid(), signal.SIGINT)
        timer = threading.Timer(delay, fire)
        timer.start()
        try:
            call()
        except KeyboardInterrupt:
            caught = time.perf_counter()
            timer.join()
            return {"interrupted": True, "latency": caught - sent[0]}
        timer.cancel()
        return {"interrupted": False}

    def afterwards():
        return [korvel.compare("a", "b"), korvel.sign("Ab"), korvel.left_normal_form("abab"),
                len(korvel.braid_table(3))]
"""


def check_interrupted(report):
    assert report["interrupted"], "the call ended before the signal came"
    # Meant to be within 0.2 s; a loaded machine may add to it.
    assert report["latency"] < 1.0
    assert report["afterwards"] == [1, -1, [1, ["b"]], 14]


@pytest.mark.parametrize("method", ["coordinates", "auto"])
def test_sigint_abandons_the_sign_of_a_long_braid(method):
    report = run_child(INTERRUPT + f"""
    rng = random.Random(1)
    word = rng.choices([1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -2, -3, -4, -5, -6, -7, -8, -9],
                       k=1_000_000)
    b = korvel.Braid(word) ** 4
    report = interrupted(lambda: korvel.sign(b, method={method!r}))
    report["afterwards"] = afterwards()
    print(json.dumps(report))
    """)
    check_interrupted(report)


def test_sigint_abandons_handle_reduction():
    report = run_child(INTERRUPT + """
    rng = random.Random(2)
    word = rng.choices([1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -2, -3, -4, -5, -6, -7, -8, -9],
                       k=400_000)
    report = interrupted(lambda: korvel.handle_reduce(word))
    report["afterwards"] = afterwards()
    print(json.dumps(report))
    """)
    check_interrupted(report)


def test_sigint_abandons_a_big_braid_table():
    report = run_child(INTERRUPT + """
    report = interrupted(lambda: korvel.braid_table(korvel.MAX_STUDY_BOUND))
    report["afterwards"] = afterwards()
    # The handler of the build is gone: Python's own raises again.
    try:
        os.kill(os.getpid(), signal.SIGINT)
        time.sleep(1)
        report["python_handler"] = False
    except KeyboardInterrupt:
        report["python_handler"] = True
    print(json.dumps(report))
    """)
    check_interrupted(report)
    assert report["python_handler"]


def test_a_signal_handler_that_raises_something_else():
    report = run_child(INTERRUPT + """
    class Stop(Exception):
        pass
    def handler(signum, frame):
        raise Stop()
    signal.signal(signal.SIGINT, handler)
    word = [1, 2, -3, 4] * 500_000
    try:
        threading.Timer(0.3, lambda: os.kill(os.getpid(), signal.SIGINT)).start()
        korvel.sign(korvel.Braid(word) ** 4, method="coordinates")
        raised = None
    except Stop:
        raised = "Stop"
    print(json.dumps({"raised": raised, "afterwards": afterwards()}))
    """)
    assert report["raised"] == "Stop"
    assert report["afterwards"] == [1, -1, [1, ["b"]], 14]


def test_the_lock_is_released_during_a_computation():
    # With a switch interval of 100 s the other thread can only run while the
    # main thread has given the lock away: it wakes from its sleep during
    # the long call and notes the time, which must come before the call ends.
    report = run_child("""
    import json, random, sys, threading, time
    import korvel
    sys.setswitchinterval(100)
    rng = random.Random(3)
    b = korvel.Braid(rng.choices([1, 2, 3, 4, 5, -1, -2, -3, -4, -5], k=600_000))
    noted = []
    started = threading.Event()
    def other():
        started.set()
        time.sleep(0.1)
        noted.append(time.perf_counter())
    thread = threading.Thread(target=other)
    thread.start()
    started.wait()
    start = time.perf_counter()
    korvel.sign(b, method="coordinates")
    end = time.perf_counter()
    thread.join()
    print(json.dumps({"call": end - start, "other_ran_during_call": noted[0] < end}))
    """)
    assert report["call"] > 0.2, "the call was too short to tell"
    assert report["other_ran_during_call"]


def test_sigint_in_the_child_of_a_fork_from_another_thread():
    # The child's main thread is the thread that forked; Ctrl-C reaches it.
    report = run_child(INTERRUPT + """
    result = {}
    def fork_and_wait():
        pid = os.fork()
        if pid == 0:
            word = [1, 2, -3, 4] * 500_000
            child = interrupted(lambda: korvel.sign(korvel.Braid(word) ** 4,
                                                    method="coordinates"))
            os._exit(0 if child["interrupted"] and child["latency"] < 1.0 else 1)
        result["status"] = os.waitpid(pid, 0)[1]
    thread = threading.Thread(target=fork_and_wait)
    thread.start()
    thread.join()
    print(json.dumps({"child_status": result["status"]}))
    """)
    assert report["child_status"] == 0
