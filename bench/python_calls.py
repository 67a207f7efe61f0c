#!/usr/bin/env python3
"""Calls per second of korvel.is_trivial and korvel.compare from Python on
20- and 500-letter words (as str, and compare also on korvel.Braid values),
next to the C++ time of the same calls of the interface for programs on the
same words (bench/pythoncalls_bench.cpp), and the difference: what the
Python module adds to one call. Times are the best of three runs; on a
shared machine the long calls vary by tens of percent from run to run, so
read the overhead from the short ones.

    PYTHONPATH=build/python /usr/bin/python3 bench/python_calls.py build/bench/pythoncalls_bench

Without the path of the C++ benchmark only the Python side is measured."""

import json
import subprocess
import sys
import time

import korvel

WORDS = 64


def words_of(length):
    """The words of pythoncalls_bench.cpp: a 64-bit linear congruential
    generator seeded with 2016 + length, each letter "abcdABCD"[(x >> 33) % 8]."""
    x = 2016 + length
    result = []
    for _ in range(WORDS):
        letters = []
        for _ in range(length):
            x = (x * 6364136223846793005 + 1442695040888963407) % 2**64
            letters.append("abcdABCD"[(x >> 33) % 8])
        result.append("".join(letters))
    return result


def seconds_per_call(call, args, least=0.5):
    """The best of three runs, each repeating the calls for at least LEAST seconds."""
    best = None
    for _ in range(3):
        count, start = 0, time.perf_counter()
        while True:
            for a in args:
                call(*a)
            count += len(args)
            elapsed = time.perf_counter() - start
            if elapsed >= least:
                break
        best = min(best or elapsed / count, elapsed / count)
    return best


def cxx_seconds(binary):
    done = subprocess.run([binary, "--benchmark_format=json"], stdout=subprocess.PIPE, check=True)
    report = json.loads(done.stdout)
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    return {b["name"]: b["real_time"] * scale[b["time_unit"]] for b in report["benchmarks"]}


def main():
    cxx = cxx_seconds(sys.argv[1]) if len(sys.argv) > 1 else {}
    print(f"korvel {korvel.__version__}, Python {sys.version.split()[0]}")
    print(f"{'call':<24}{'calls/s (Python)':>18}{'Python':>12}{'C++':>12}{'overhead':>12}")
    rows = (("is_trivial", korvel.is_trivial, "BM_IsTrivial", (0, 20, 500), str),
            ("compare", korvel.compare, "BM_Compare", (20, 500), str),
            ("compare Braid", korvel.compare, "BM_CompareBraids", (20, 500), korvel.Braid))
    for name, function, key, lengths, kind in rows:
        # The empty word (is_trivial only) measures the cost of a call itself.
        for length in lengths:
            words = [kind(w) for w in words_of(length)]
            if name == "is_trivial":
                args = [(w,) for w in words]
            else:
                args = [(words[k], words[(k + 1) % WORDS]) for k in range(WORDS)]
            python = seconds_per_call(function, args)
            line = f"{name + f' ({length} letters)':<24}{1 / python:>18,.0f}{python * 1e6:>10.3f}us"
            native = cxx.get(f"{key}/{length}")
            if native is not None:
                line += f"{native * 1e6:>10.3f}us{(python - native) * 1e6:>10.3f}us"
            print(line)


if __name__ == "__main__":
    main()
