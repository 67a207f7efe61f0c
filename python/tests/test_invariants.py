"""The quick invariants from Python: permutations, exponent sums and purity
by hand, words in the form given, gcds and lcms of braids of any sign against
divisors and multiples built into them (a fixed number of examples drawn by
Hypothesis), and Ctrl-C during a long gcd. Divisibility is read from left
normal forms: a braid is positive exactly when its Delta power is >= 0. The
homomorphism laws and right normal forms are tested in C++
(tests/korvel/invariants_test.cpp)."""

import korvel
import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

from test_calls import INTERRUPT, check_interrupted, run_child

Braid = korvel.Braid


def words(n, longest=12, positive=False):
    signs = st.just(1) if positive else st.sampled_from((1, -1))
    return st.lists(st.builds(lambda i, s: i * s, st.integers(1, n - 1), signs), max_size=longest)


def braids(n, **kw):
    return words(n, **kw).map(lambda w: Braid(w, n))


def positive(b):
    return korvel.left_normal_form(b)[0] >= 0


def prefix(a, b):        # a left-divides b
    return positive(a.inverse() * b)


def suffix(a, b):        # a right-divides b
    return positive(b * a.inverse())


def test_permutations_by_hand():
    # sigma_1 sigma_2: the strand at 1 ends at 3, the one at 2 at 1, at 3 at 2.
    assert korvel.permutation("ab") == [3, 1, 2]
    assert Braid("ba").permutation() == [2, 3, 1]
    assert korvel.permutation([-1]) == [2, 1]
    for n in range(2, 9):
        assert Braid.delta(n).permutation() == list(range(n, 0, -1))
        assert (Braid.delta(n) ** 2).is_pure() and not Braid.delta(n).is_pure()
        assert Braid.delta(n).exponent_sum() == n * (n - 1) // 2
    assert korvel.is_pure("aaBBccabbA") and not korvel.is_pure("aaa")
    assert korvel.exponent_sum([1, -2, -2, -3]) == -2


def test_words_come_back_in_the_form_given():
    assert korvel.mirror_image("aB") == "Ab" and korvel.reverse("aB") == "Ba"
    assert korvel.reverse([1, -2]) == (-2, 1)
    assert korvel.right_normal_form("abab") == (["a"], 1)      # abab = a Delta
    assert korvel.right_lcm("a", "b") == "aba" and korvel.left_gcd("aba", "ab") == "ab"
    assert isinstance(korvel.left_lcm(Braid("a"), "b"), Braid)
    assert korvel.left_gcd([1], [2]) == ()


@settings(max_examples=40)
@given(st.integers(3, 5).flatmap(lambda n: st.tuples(braids(n, longest=6), braids(n, positive=True),
                                                     braids(n, positive=True),
                                                     st.integers(-2, 2))))
def test_gcds_and_lcms(case):
    d, u, v, k = case
    x, y = d * u, d * v
    g = korvel.left_gcd(x, y)
    assert prefix(g, x) and prefix(g, y) and prefix(d, g)
    h = (u * d).right_gcd(v * d)
    assert suffix(h, u * d) and suffix(h, v * d) and suffix(d, h)
    m = x.right_lcm(y)
    assert prefix(x, m) and prefix(y, m)
    l = x.left_lcm(y)
    assert suffix(x, l) and suffix(y, l)
    assert x.left_gcd(x) == x
    # Delta^2k is central, and passes through.
    t = Braid.delta(d.strands) ** (2 * k)
    assert korvel.left_gcd(x * t, y * t) == g * t
    assert korvel.left_lcm(x * t, y * t) == l * t


def test_gcds_and_lcms_by_hand():
    delta = Braid.delta(3)
    assert korvel.left_lcm("a", "b") == "bab" and Braid("bab") == delta
    assert korvel.left_gcd("ab", "ba") == "" and korvel.right_gcd("ab", "ba") == ""
    assert Braid(korvel.left_gcd("A", "B")) == delta.inverse()
    assert Braid(korvel.right_lcm("A", "B")) == Braid()   # the mirror of left_gcd('a', 'b')
    with pytest.raises(korvel.BoundExceeded):
        korvel.left_lcm("a", "c", max_length=1)


def test_sigint_abandons_a_long_gcd():
    report = run_child(INTERRUPT + """
    rng = random.Random(3)
    word = [rng.randint(1, 9) for _ in range(300_000)]
    report = interrupted(lambda: korvel.left_gcd(word + [-1] * 5, word))
    report["afterwards"] = afterwards()
    print(json.dumps(report))
    """)
    check_interrupted(report)
