"""The Garside normal forms of any braid, on the strand count the braid has
or is given: worked examples derived by hand, and on seeded random braids
the identities that make a left normal form: the factors rebuild the braid,
each is a simple braid neither trivial nor Delta, and each pair is
left-weighted."""

import random

import korvel
import pytest

from conftest import delta_word, random_braid

Braid = korvel.Braid


def permutation(word, strands):
    """The strands at positions 1..n after the positive word, as the 0-based
    positions they started from."""
    p = list(range(strands))
    for i in word:
        p[i - 1], p[i] = p[i], p[i - 1]
    return p


def is_simple(word, strands):
    """A positive word is a simple braid exactly when no two strands cross
    twice: its length is the number of inversions of its permutation."""
    p = permutation(word, strands)
    inversions = sum(p[x] > p[y] for x in range(strands) for y in range(x + 1, strands))
    return all(i > 0 for i in word) and inversions == len(word)


def starting_set(word, strands):
    """The i with sigma_i a left divisor of the simple braid: the strands
    starting at i and i + 1 cross."""
    p = permutation(word, strands)
    end = {start: position for position, start in enumerate(p)}
    return {i for i in range(1, strands) if end[i - 1] > end[i]}


def finishing_set(word, strands):
    """The i with sigma_i a right divisor: the strands ending at i and i + 1
    cross."""
    p = permutation(word, strands)
    return {i for i in range(1, strands) if p[i - 1] > p[i]}


def same_factors(actual, expected):
    """Factors as braids: a simple braid may have several positive words."""
    return len(actual) == len(expected) and all(
        korvel.equivalent(f, g) for f, g in zip(actual, expected))


@pytest.mark.parametrize("word, strands, form", [
    ("A", None, (-1, [])),              # on two strands sigma_1 is Delta
    ("A", 3, (-1, ["ab"])),             # Delta^-1 ab = ABA ab = A
    ("a", 3, (0, ["a"])),
    ("ABA", None, (-1, [])),
    ("BA", None, (-1, ["b"])),          # Delta BA = bab BA = b
    ("aB", None, (-1, ["b", "ba"])),    # Delta aB = b Delta B = bba
    ("aaa", None, (3, [])),
    ("aaa", 3, (0, ["a", "a", "a"])),
    ("abab", 4, (0, ["aba", "b"])),
    ("", 5, (0, [])),
])
def test_left_normal_forms_by_hand(word, strands, form):
    power, factors = korvel.left_normal_form(word, strands=strands)
    assert power == form[0] and same_factors(factors, form[1])
    power, factors = Braid(word, strands=strands).left_normal_form()
    assert power == form[0] and same_factors(factors, [Braid(f) for f in form[1]])


@pytest.mark.parametrize("word, strands, form", [
    ("A", 3, (["a"], [])),
    ("ABA", 4, (["aba"], [])),
    ("a", 2, ([], ["a"])),              # Delta of two strands
    ("abaABA", 3, ([], [])),
    ("abAB", 3, (["b"], ["a"])),
])
def test_symmetric_normal_forms_by_hand(word, strands, form):
    den, num = korvel.symmetric_normal_form(word, strands=strands)
    assert same_factors(den, form[0]) and same_factors(num, form[1])
    den, num = Braid(word, strands=strands).symmetric_normal_form()
    assert same_factors(den, form[0]) and same_factors(num, form[1])


def check_left_normal_form(b):
    n = b.strands
    power, factors = b.left_normal_form()
    assert korvel.left_normal_form(b) == (power, factors)
    rebuilt = Braid.delta(n) ** power
    for f in factors:
        rebuilt = rebuilt * f
    assert rebuilt == b
    delta = tuple(delta_word(n))
    for f in factors:
        assert f.strands == n
        assert len(f) > 0 and is_simple(f.tietze(), n) and len(f) < len(delta)
    for f, g in zip(factors, factors[1:]):
        assert starting_set(g.tietze(), n) <= finishing_set(f.tietze(), n)
    return power


def test_left_normal_forms_of_negative_and_mixed_braids_rebuild_the_braid():
    rng = random.Random(23)
    powers = set()
    for _ in range(120):
        strands = rng.randint(2, 6)
        b = random_braid(rng, strands, 30)
        powers.add(check_left_normal_form(b))
        negative = Braid([-abs(x) for x in b.tietze()], strands=strands)
        powers.add(check_left_normal_form(negative))
    assert min(powers) < -3 and max(powers) >= 0


def test_symmetric_normal_forms_of_random_braids():
    rng = random.Random(29)
    for _ in range(80):
        strands = rng.randint(2, 6)
        b = random_braid(rng, strands, 30)
        den, num = b.symmetric_normal_form()
        d, n = Braid(strands=strands), Braid(strands=strands)
        for f in den:
            d = d * f
        for f in num:
            n = n * f
        assert ~d * n == b
        assert korvel.left_gcd(d, n) == Braid()
        assert all(f.strands == strands and min(f.tietze()) > 0 for f in den + num)


def test_the_strand_count_is_where_delta_lives():
    # sigma_1 sigma_2 sigma_1 is Delta on three strands, not on four.
    assert korvel.left_normal_form("aba") == (1, [])
    assert korvel.left_normal_form("aba", strands=4) == (0, ["aba"])
    assert korvel.left_normal_form(Braid("aba", strands=4)) == (0, [Braid("aba")])
    with pytest.raises(ValueError) as error:
        korvel.left_normal_form("abc", strands=3)
    assert str(error.value) == "strands is 3, but the word needs 4"


def test_words_come_back_as_tuples_past_sigma_26():
    power, factors = korvel.left_normal_form("A", strands=28)
    assert power == -1 and len(factors) == 1 and isinstance(factors[0], tuple)
    # Delta ends with sigma_1, so Delta sigma_1^-1 is Delta without its last letter.
    assert korvel.equivalent(factors[0], delta_word(28)[:-1])
    assert korvel.left_normal_form("A", strands=27)[1][0].__class__ is str


def test_a_limit_on_the_normal_forms():
    word = "a" * 600 + "B" * 600
    with pytest.raises(korvel.BoundExceeded):
        korvel.symmetric_normal_form(word, max_length=100)
    with pytest.raises(korvel.BoundExceeded):
        korvel.left_normal_form(word, max_length=100)
    power, factors = korvel.left_normal_form(Braid(word), max_length=10 ** 6)
    rebuilt = Braid.delta(3) ** power
    for f in factors:
        rebuilt = rebuilt * f
    assert rebuilt == Braid(word)
