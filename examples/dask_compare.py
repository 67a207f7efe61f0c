#!/usr/bin/env python3
"""Compare many seeded pairs of random braids on a Dask cluster.

    python3 examples/dask_compare.py                      # a local cluster
    python3 examples/dask_compare.py tcp://HOST:8786      # the cluster of that scheduler

Pair k of seed s is made from random.Random(f"{s}/{k}") alone, so every
worker makes its own pairs and the answers do not depend on the cluster, on
the number of partitions or on the order in which they are computed. One
pair in five is one braid spelled twice (the second spelling rewritten by
braid relations), so all three answers occur. korvel.compare(a, b) is
mapped over the pairs with dask.bag on a distributed.Client; the script
prints how many pairs gave each answer and the time taken.

Options:
    --pairs N        number of pairs (100000)
    --seed S         seed of the pairs (4242)
    --workers W      worker processes of the local cluster (one per core)
    --partitions P   partitions of the bag (8 per worker thread)
    --output FILE    write the answers, one per line, in pair order
    --check          also compare every pair here, serially, and stop with
                     status 1 if any answer differs

On another cluster every worker must be able to `import korvel` (install
the package there, or set PYTHONPATH for the workers).
"""

import argparse
import random
import sys
import time

import korvel

LETTERS_MIN, LETTERS_MAX = 1, 120    # letters of a random word
STRANDS_MIN, STRANDS_MAX = 2, 10     # strands of a pair


def random_word(rng, strands, length):
    """A Tietze list of LENGTH random letters on STRANDS strands."""
    alphabet = [i for i in range(1, strands)] + [-i for i in range(1, strands)]
    return rng.choices(alphabet, k=length)


def respell(rng, word, strands):
    """Another word of the same braid: trivial pairs x x^-1 put in, then
    braid relations i j i -> j i j (|i| and |j| adjacent, one sign) and far
    commutations i j -> j i (|i| and |j| two or more apart) at random places."""
    word = list(word)
    for _ in range(rng.randint(1, 3)):
        x = rng.choice((-1, 1)) * rng.randint(1, strands - 1)
        at = rng.randint(0, len(word))
        word[at:at] = [x, -x]
    for _ in range(2 * len(word)):
        at = rng.randrange(len(word) - 1)
        i, j = word[at], word[at + 1]
        if abs(abs(i) - abs(j)) > 1:
            word[at], word[at + 1] = j, i
        elif abs(abs(i) - abs(j)) == 1 and word[at + 2:at + 3] == [i] and (i > 0) == (j > 0):
            word[at:at + 3] = [j, i, j]
    return word


def braid_pair(seed, k):
    """Pair k of seed SEED: two korvel.Braid values on the same strands."""
    rng = random.Random(f"{seed}/{k}")
    strands = rng.randint(STRANDS_MIN, STRANDS_MAX)
    a = random_word(rng, strands, rng.randint(LETTERS_MIN, LETTERS_MAX))
    if k % 5 == 0:
        b = respell(rng, a, strands)
    else:
        b = random_word(rng, strands, rng.randint(LETTERS_MIN, LETTERS_MAX))
    return korvel.Braid(a, strands=strands), korvel.Braid(b, strands=strands)


def compare_pair(seed, k):
    """korvel.compare of pair k: -1, 0 or 1."""
    a, b = braid_pair(seed, k)
    return korvel.compare(a, b)


def compare_on_cluster(client, pairs, seed, partitions=None):
    """The answers for pairs 0 .. PAIRS - 1, computed by the workers of CLIENT."""
    import dask.bag

    if partitions is None:
        threads = sum(client.nthreads().values()) or 1
        partitions = 8 * threads
    bag = dask.bag.from_sequence(range(pairs), npartitions=max(1, min(partitions, pairs)))
    return bag.map(lambda k: compare_pair(seed, k)).compute()


def compare_serially(pairs, seed):
    """The same answers, computed here in one thread."""
    return [compare_pair(seed, k) for k in range(pairs)]


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("scheduler", nargs="?",
                        help="address of a Dask scheduler (default: start a local cluster)")
    parser.add_argument("--pairs", type=int, default=100_000)
    parser.add_argument("--seed", type=int, default=4242)
    parser.add_argument("--workers", type=int, default=None)
    parser.add_argument("--partitions", type=int, default=None)
    parser.add_argument("--output")
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args(argv)
    if args.pairs < 0:
        parser.error("--pairs must be 0 or more")

    from distributed import Client, LocalCluster

    cluster = None
    if args.scheduler:
        client = Client(args.scheduler)
    else:
        cluster = LocalCluster(n_workers=args.workers, threads_per_worker=1,
                               dashboard_address=None)
        client = Client(cluster)
    try:
        workers = len(client.scheduler_info()["workers"])
        start = time.perf_counter()
        answers = compare_on_cluster(client, args.pairs, args.seed, args.partitions)
        elapsed = time.perf_counter() - start
    finally:
        client.close()
        if cluster is not None:
            cluster.close()

    counts = {answer: answers.count(answer) for answer in (-1, 0, 1)}
    print(f"{len(answers)} pairs on {workers} workers in {elapsed:.2f} s: "
          f"{counts[-1]} with a < b, {counts[0]} equal, {counts[1]} with a > b")
    if args.output:
        with open(args.output, "w", encoding="ascii") as out:
            out.writelines(f"{answer}\n" for answer in answers)
    if args.check:
        start = time.perf_counter()
        serial = compare_serially(args.pairs, args.seed)
        elapsed = time.perf_counter() - start
        differences = [k for k, (x, y) in enumerate(zip(answers, serial)) if x != y]
        if len(serial) != len(answers) or differences:
            print(f"the serial run differs at pairs {differences[:10]}", file=sys.stderr)
            return 1
        print(f"a serial run here gives the same answers ({elapsed:.2f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
