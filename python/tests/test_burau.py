"""The Burau matrices and the Alexander polynomial from Python: the class
LaurentPolynomial (values, text, evaluation, arithmetic, equality, hash,
pickle), knots and links whose polynomials follow by hand from Conway's
skein relation, the braid relations and the homomorphism of the matrices,
and, drawn by Hypothesis, the skein relation, conjugation and stabilisation.
Also the stop on Ctrl-C and the release of the interpreter lock."""

import decimal
import json
import pickle
import subprocess
import sys
import textwrap
from fractions import Fraction

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import korvel
from korvel import Braid, LaurentPolynomial

from test_calls import INTERRUPT, run_child

T = LaurentPolynomial([1], 1)
ONE = LaurentPolynomial([1])
TREFOIL = LaurentPolynomial([1, -1, 1], -1)
FIGURE_EIGHT = LaurentPolynomial([-1, 3, -1], -1)


def test_laurent_polynomial_values():
    p = LaurentPolynomial([0, 2, 0, -1, 0], 2)   # 2t^3 - t^5
    assert p.coefficients() == [2, 0, -1]
    assert (p.lowest_exponent(), p.highest_exponent()) == (3, 5)
    assert p.dict() == {3: 2, 5: -1}
    assert str(p) == "2*t^3 - t^5"
    assert str(TREFOIL) == "t^-1 - 1 + t" and str(FIGURE_EIGHT) == "-t^-1 + 3 - t"
    assert eval(repr(p), {"korvel": korvel}) == p
    assert pickle.loads(pickle.dumps(TREFOIL)) == TREFOIL
    # Values: 2*8 - 32; t^-1 - 1 + t at 1/3 is 7/3; in Decimal arithmetic.
    assert p(2) == -16 and isinstance(p(2), Fraction)
    assert TREFOIL(Fraction(1, 3)) == Fraction(7, 3)
    assert TREFOIL(decimal.Decimal(2)) == decimal.Decimal("1.5")
    with pytest.raises(ZeroDivisionError):
        TREFOIL(0)
    # Arithmetic with ints; constants equal ints, with the same hash.
    assert (1 + T) * (1 - T) == 1 - T * T
    assert T - T == 0 and LaurentPolynomial([]) == 0 and LaurentPolynomial([]).is_zero()
    assert LaurentPolynomial([5]) == 5 and hash(LaurentPolynomial([5])) == hash(5)
    assert -TREFOIL == LaurentPolynomial([-1, 1, -1], -1)
    assert hash(TREFOIL) == hash(LaurentPolynomial([1, -1, 1], -1))
    assert TREFOIL != "t^-1 - 1 + t"
    big = LaurentPolynomial([2**100, -(3**70)], -5)
    assert big.coefficients() == [2**100, -(3**70)]
    with pytest.raises(TypeError):
        LaurentPolynomial([1.5])


def test_knots_and_links_by_hand():
    assert korvel.alexander_polynomial("aaa") == TREFOIL
    assert korvel.alexander_polynomial("AAA") == TREFOIL
    assert Braid("aBaB").alexander_polynomial() == FIGURE_EIGHT
    assert korvel.alexander_polynomial([1, -2, 1, -2]) == FIGURE_EIGHT
    # Unknots 1, unlinks 0, the Hopf link z = t^(1/2) - t^(-1/2) as t - 1.
    assert korvel.alexander_polynomial("") == 1
    assert korvel.alexander_polynomial("aBc") == 1
    assert korvel.alexander_polynomial(Braid("", strands=2)) == 0
    assert korvel.alexander_polynomial(Braid("aA", strands=4)) == 0
    assert korvel.alexander_polynomial("aa") == T - 1
    # Connected sum: trefoil # figure-eight.
    assert korvel.alexander_polynomial("aaabCbC") == TREFOIL * FIGURE_EIGHT


def product(a, b):
    n = len(a)
    return [[sum((a[i][k] * b[k][j] for k in range(n)), LaurentPolynomial([]))
             for j in range(n)] for i in range(n)]


def test_matrices_as_stated():
    assert Braid("a").burau_matrix() == [[1 - T, T], [1, 0]]
    assert korvel.burau_matrix("A") == [[0, 1], [LaurentPolynomial([1], -1), 1 - LaurentPolynomial([1], -1)]]
    assert korvel.burau_matrix(Braid("b", strands=4), reduced=True) == [[1, 0, 0], [1, -T, T], [0, 0, 1]]
    assert korvel.burau_matrix("", reduced=True) == []
    for reduced in (False, True):
        assert korvel.burau_matrix("aba", reduced) == korvel.burau_matrix("bab", reduced)
        assert korvel.burau_matrix("ac", reduced) == korvel.burau_matrix("ca", reduced)


@settings(max_examples=40, deadline=None)
@given(st.integers(2, 5), st.data())
def test_homomorphism(n, data):
    letters = st.integers(1, n - 1).flatmap(lambda i: st.sampled_from([i, -i]))
    u = Braid(data.draw(st.lists(letters, max_size=8)), strands=n)
    v = Braid(data.draw(st.lists(letters, max_size=8)), strands=n)
    for reduced in (False, True):
        assert (u * v).burau_matrix(reduced) == product(u.burau_matrix(reduced), v.burau_matrix(reduced))


def components(word, n):
    perm = list(range(n))
    for x in word:
        i = abs(x) - 1
        perm[i], perm[i + 1] = perm[i + 1], perm[i]
    seen, cycles = set(), 0
    for k in range(n):
        if k not in seen:
            cycles += 1
            while k not in seen:
                seen.add(k)
                k = perm[k]
    return cycles


@settings(max_examples=60, deadline=None)
@given(st.integers(2, 4), st.data())
def test_skein_conjugation_and_stabilisation(n, data):
    letters = st.integers(1, n - 1).flatmap(lambda i: st.sampled_from([i, -i]))
    word = data.draw(st.lists(letters, max_size=8))
    i = data.draw(st.integers(1, n - 1))
    plus = korvel.alexander_polynomial(Braid(word + [i], strands=n))
    minus = korvel.alexander_polynomial(Braid(word + [-i], strands=n))
    zero = korvel.alexander_polynomial(Braid(word, strands=n))
    # Delta+ - Delta- = z Delta0, z = t^(1/2) - t^(-1/2), with the factor
    # t^(1/2) on the side of the even number of components.
    odd = components(word + [i], n) % 2 == 1
    z = 1 - LaurentPolynomial([1], -1) if odd else T - 1
    assert plus - minus == z * zero
    c = data.draw(letters)
    assert korvel.alexander_polynomial(Braid([c] + word + [i, -c], strands=n)) == plus
    assert korvel.alexander_polynomial(Braid(word + [i, n], strands=n + 1)) == plus
    assert korvel.alexander_polynomial(Braid(word + [i, -n], strands=n + 1)) == plus


def test_ctrl_c_stops_a_long_computation():
    # A child sends itself SIGINT during an Alexander polynomial that takes
    # seconds: it gives up with KeyboardInterrupt, and the module works on.
    report = run_child(INTERRUPT + """
    rng = random.Random(6)
    word = [rng.choice([1, 2, 3, -1, -2, -3, 4, -4, 5, -5]) for _ in range(500)]
    while True:
        b = korvel.Braid(word)
        start = time.perf_counter()
        korvel.alexander_polynomial(b)
        if time.perf_counter() - start > 1.0:
            break
        word = word * 2
    report = interrupted(lambda: korvel.alexander_polynomial(b), delay=0.2)
    report["afterwards"] = str(korvel.alexander_polynomial("aaa"))
    print(json.dumps(report))
    """, timeout=300)
    assert report["interrupted"]
    assert report["afterwards"] == "t^-1 - 1 + t"


def test_the_lock_is_released():
    # With a switch interval of 100 s, another thread runs during the call
    # only if the call releases the interpreter lock.
    child = textwrap.dedent("""
    import json, random, sys, threading, time
    import korvel
    rng = random.Random(7)
    word = [rng.choice([1, 2, 3, -1, -2, -3]) for _ in range(500)]
    while True:
        b = korvel.Braid(word)
        start = time.perf_counter()
        korvel.burau_matrix(b, reduced=True)
        if time.perf_counter() - start > 0.3:
            break
        word = word * 2
    sys.setswitchinterval(100)
    noted = []
    started = threading.Event()
    def other():
        started.set()
        time.sleep(0.1)
        noted.append(time.perf_counter())
    thread = threading.Thread(target=other)
    thread.start()
    started.wait()
    korvel.burau_matrix(b, reduced=True)
    end = time.perf_counter()
    thread.join()
    print(json.dumps({"other_ran_during_call": noted[0] < end}))
    """)
    done = subprocess.run([sys.executable, "-c", child], stdout=subprocess.PIPE, check=True, timeout=300)
    assert json.loads(done.stdout)["other_ran_during_call"]
