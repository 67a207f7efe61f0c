"""examples/dask_compare.py: the 100,000 seeded pairs compared on a local
Dask cluster of two workers give, pair by pair, the answers of a serial run
here; the script also runs on a cluster given by its scheduler's address."""

import os
import subprocess
import sys
from pathlib import Path

import korvel
import pytest

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
    answers_file = tmp_path / "answers.txt"
    output = run_script("--workers", "2", "--output", str(answers_file))
    answers = [int(line) for line in answers_file.read_text().split()]
    assert len(answers) == 100_000
    assert answers == serial_answers(100_000, 4242)
    # One braid spelled twice is equal to itself; random pairs differ.
    assert all(answers[k] == 0 for k in range(0, 100_000, 5))
    counts = {x: answers.count(x) for x in (-1, 0, 1)}
    assert counts[-1] > 30_000 and counts[1] > 30_000
    assert ("100000 pairs on 2 workers in " in output
            and f"{counts[-1]} with a < b, {counts[0]} equal, {counts[1]} with a > b" in output)


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
