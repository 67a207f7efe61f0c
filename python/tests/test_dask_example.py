"""examples/dask_compare.py: the 100,000 seeded pairs compared on a local
Dask cluster of two workers give, pair by pair, the answers of a serial run
here; the script also runs on a cluster given by its scheduler's address."""

import os
import subprocess
import sys
from pathlib import Path

import korvel
import pytest

import sampling

pytest.importorskip("dask.bag")
distributed = pytest.importorskip("distributed")

EXAMPLES = Path(__file__).resolve().parents[2] / "examples"
SCRIPT = EXAMPLES / "dask_compare.py"
sys.path.insert(0, str(EXAMPLES))
import dask_compare  # noqa: E402  (the example itself, for its seeded pairs)


def run_script(*args):
    done = subprocess.run([sys.executable, str(SCRIPT), *args], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, timeout=900, env=dict(os.environ))
    assert done.returncode == 0, done.stderr
    return done.stdout


def serial_answers(pairs, seed):
    return [korvel.compare(*dask_compare.braid_pair(seed, k)) for k in range(pairs)]


def test_the_pairs_are_seeded_and_every_fifth_is_one_braid_twice():
    for k in range(0, 200):
        a, b = dask_compare.braid_pair(4242, k)
        again = dask_compare.braid_pair(4242, k)
        assert (a.tietze(), b.tietze()) == (again[0].tietze(), again[1].tietze())
        assert a.strands == b.strands
        if k % 5 == 0:
            assert a.tietze() != b.tietze() and a == b


def test_100000_pairs_on_a_two_worker_local_cluster(tmp_path):
    # The script's own run, 100,000 pairs of seed 4242, in the long tier and
    # in one everyday run in KORVEL_TEST_SHARE; the other everyday runs
    # compare a share of that many pairs of a seed drawn from the run's seed.
    answers_file = tmp_path / "answers.txt"
    if sampling.sampled(0, "whole run"):
        pairs, seed, options = 100_000, 4242, []
    else:
        pairs, seed = 100_000 // sampling.SHARE, sampling.draw("dask seed") % 100_000
        options = ["--pairs", str(pairs), "--seed", str(seed)]
    where = f"{pairs} pairs of seed {seed} " + sampling.replay()
    output = run_script("--workers", "2", "--output", str(answers_file), *options)
    answers = [int(line) for line in answers_file.read_text().split()]
    assert len(answers) == pairs, where
    assert answers == serial_answers(pairs, seed), where
    # One braid spelled twice is equal to itself; random pairs differ.
    assert all(answers[k] == 0 for k in range(0, pairs, 5)), where
    counts = {x: answers.count(x) for x in (-1, 0, 1)}
    assert counts[-1] > 0.3 * pairs and counts[1] > 0.3 * pairs, where
    assert (f"{pairs} pairs on 2 workers in " in output
            and f"{counts[-1]} with a < b, {counts[0]} equal, {counts[1]} with a > b" in output), where


def test_a_cluster_given_by_its_scheduler_address(tmp_path):
    answers_file = tmp_path / "answers.txt"
    with distributed.LocalCluster(n_workers=2, threads_per_worker=2, dashboard_address=None) \
            as cluster:
        output = run_script(cluster.scheduler_address, "--pairs", "3000", "--seed", "7",
                            "--partitions", "13", "--output", str(answers_file), "--check")
    assert "3000 pairs on 2 workers" in output
    assert "a serial run here gives the same answers" in output
    answers = [int(line) for line in answers_file.read_text().split()]
    assert answers == serial_answers(3000, 7)


def test_no_pairs():
    with distributed.LocalCluster(n_workers=1, threads_per_worker=1, dashboard_address=None) \
            as cluster:
        output = run_script(cluster.scheduler_address, "--pairs", "0")
    assert output.startswith("0 pairs on 1 workers")
