#!/usr/bin/env python3
"""What the interrupt polls cost: the same benchmarks on two builds, run in
turns in one go so that both meet the same load.

    bench/interrupt_overhead.py BEFORE_BUILD AFTER_BUILD [ROUNDS]

Each build folder must hold korvel and bench/handlereduction_bench (Release).
For handlereduction_bench: the CPU time of every benchmark, the least over
ROUNDS runs of each build (the run least disturbed by other work on the
machine), and the ratio after/before per benchmark and as a geometric mean.
For the bound-15 session of the three-strand study (B 15, M, S, I with u = a
and v = b, Q; output to /dev/null): the least and the median CPU time (user
+ system) of 10 x ROUNDS runs of each build.
"""

import json
import math
import os
import statistics
import subprocess
import sys

SESSION = b"B\n15\nM\nS\nI\na\nb\nQ\n"


def bench_run(build):
    out = subprocess.run(
        [os.path.join(build, "bench", "handlereduction_bench"), "--benchmark_format=json",
         "--benchmark_min_time=0.2"],
        capture_output=True, check=True).stdout
    return {b["name"]: b["cpu_time"] for b in json.loads(out)["benchmarks"]}


def session_cpu(build):
    with open(os.devnull, "wb") as sink:
        child = subprocess.Popen([os.path.join(build, "korvel")], stdin=subprocess.PIPE,
                                 stdout=sink)
        child.stdin.write(SESSION)
        child.stdin.close()
        _, status, usage = os.wait4(child.pid, 0)
        child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit("korvel of %s failed" % build)
    return usage.ru_utime + usage.ru_stime


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    builds = sys.argv[1:3]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    times = {b: [] for b in builds}
    sessions = {b: [] for b in builds}
    for _ in range(rounds):
        for b in builds:
            times[b].append(bench_run(b))
            sessions[b].extend(session_cpu(b) for _ in range(10))
    before, after = builds
    print("%-52s %12s %12s %8s" % ("handlereduction_bench (cpu, least)", "before", "after", "ratio"))
    logs = []
    for name in times[before][0]:
        t0 = min(r[name] for r in times[before])
        t1 = min(r[name] for r in times[after])
        logs.append(math.log(t1 / t0))
        print("%-52s %12.3f %12.3f %8.3f" % (name, t0, t1, t1 / t0))
    print("geometric mean of the ratios: %.4f" % math.exp(sum(logs) / len(logs)))
    for label, pick in (("least", min), ("median", statistics.median)):
        s0 = pick(sessions[before])
        s1 = pick(sessions[after])
        print("bound-15 session, cpu seconds (%s of %d): before %.4f after %.4f ratio %.4f"
              % (label, len(sessions[before]), s0, s1, s1 / s0))


if __name__ == "__main__":
    main()
