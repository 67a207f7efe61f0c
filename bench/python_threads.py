#!/usr/bin/env python3
"""Threads against one thread: korvel.compare on seeded pairs of long random
braids on 10 strands (100,000 letters for the coordinates and the automatic
method, which takes them; 10,000 for handle reduction), all pairs in one
thread, then the same pairs shared by THREADS threads (2 by default). The
module releases the interpreter lock during a computation, so on a machine
with that many free cores the threads should come close to THREADS times as
fast. Times are the best of three runs; the answers of the threads are
checked against those of one thread. A first line measures the same for
hashlib.sha256 of 50 MB, which also runs without the lock: it tells whether
the machine had the free cores (on a loaded machine neither speeds up).

    PYTHONPATH=build/python /usr/bin/python3 bench/python_threads.py [THREADS]
"""

import hashlib
import random
import sys
import time
from concurrent.futures import ThreadPoolExecutor

import korvel

PAIRS = 16
STRANDS = 10
LETTERS = {"coordinates": 100_000, "auto": 100_000, "handles": 10_000}


def pairs(letters):
    rng = random.Random(2024)
    alphabet = [i for i in range(1, STRANDS)] + [-i for i in range(1, STRANDS)]
    return [(korvel.Braid(rng.choices(alphabet, k=letters), strands=STRANDS),
             korvel.Braid(rng.choices(alphabet, k=letters), strands=STRANDS))
            for _ in range(PAIRS)]


def best_of(runs, work):
    best, answers = None, None
    for _ in range(runs):
        start = time.perf_counter()
        answers = work()
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best, answers


def main():
    threads = int(sys.argv[1]) if len(sys.argv) > 1 else 2
    print(f"korvel {korvel.__version__}: compare on {PAIRS} pairs of random braids on {STRANDS} "
          f"strands, {threads} threads against one")
    with ThreadPoolExecutor(max_workers=threads) as pool:
        data = [bytes([k]) * 50_000_000 for k in range(PAIRS // 2)]
        alone, _ = best_of(3, lambda: [hashlib.sha256(d).digest() for d in data])
        together, _ = best_of(3, lambda: list(pool.map(lambda d: hashlib.sha256(d).digest(),
                                                        data)))
        print(f"{'hashlib.sha256 (control)':<31} one thread {alone:7.3f} s   "
              f"{threads} threads {together:7.3f} s   speed-up {alone / together:5.2f}")
        for method, letters in LETTERS.items():
            work = pairs(letters)

            def call(pair, method=method):
                return korvel.compare(*pair, method=method)

            alone, expected = best_of(3, lambda: [call(p) for p in work])
            together, answers = best_of(3, lambda: list(pool.map(call, work)))
            if answers != expected:
                sys.exit(f"{method}: the threads gave other answers than one thread")
            print(f"{method:<12} {letters:>7} letters   one thread {alone:7.3f} s   "
                  f"{threads} threads {together:7.3f} s   speed-up {alone / together:5.2f}")


if __name__ == "__main__":
    main()
