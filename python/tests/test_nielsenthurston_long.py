"""The long tier of the Nielsen-Thurston tests: thousands of seeded random
braids of every type keep their type under conjugation, and every answer
agrees with what it implies (a pseudo-Anosov braid has positive entropy, a
reducible one keeps the curves of its reduction system, a periodic one has a
power that is a power of Delta^2). The everyday run checks a seeded share of
the cases (sampling.py); KORVEL_TEST_SHARE=1 checks them all."""

import math
import random

import korvel
from korvel import Braid

import sampling
from conftest import delta_word, random_tietze

CASES = 3000


def full_twist(n, i, j):
    return Braid(list(range(i, j)) * (j - i + 1), strands=n)


def central_power(x):
    """Whether x^n or x^(n-1) is a power of Delta^2 (exponent sum n(n-1))."""
    n = x.strands
    e = sum(1 if v > 0 else -1 for v in x.tietze())
    d2 = Braid(delta_word(n), strands=n) ** 2
    return any(k * e % (n * (n - 1)) == 0 and x ** k == d2 ** (k * e // (n * (n - 1)))
               for k in (n, n - 1))


def test_the_type_is_unchanged_under_conjugation_and_each_answer_holds():
    checked = 0
    for case in range(CASES):
        if not sampling.sampled(case, "nielsenthurston"):
            continue
        rng = random.Random(660000 + case)
        n = rng.randint(3, 7)
        x = Braid(random_tietze(rng, n, rng.randint(2, 40)), strands=n)
        c = Braid(random_tietze(rng, n, rng.randint(1, 20)), strands=n)
        y = ~c * x * c
        where = f"{x!r} {sampling.replay(case)}"
        kind = x.thurston_type()
        assert y.thurston_type() == kind, where
        if kind == "periodic":
            assert central_power(y) and y.entropy() == 0.0, where
        elif kind == "reducible":
            conjugator, curves = y.reduction_system()
            z = ~conjugator * y * conjugator
            twist = Braid(strands=n)
            for i, j in curves:
                twist = twist * full_twist(n, i, j)
            assert z * twist == twist * z, where
            assert not central_power(y), where
        else:
            assert y.entropy() > math.log(1.4), where
            assert not central_power(y), where
        checked += 1
    assert checked > 0 or sampling.SHARE > CASES
