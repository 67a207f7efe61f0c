"""Every function of korvel on worked examples whose answers are known by
hand: the examples of Korvel's documented behaviour (key C, key H, signs,
gcd and lcm, the normal forms), and the identities each answer must satisfy."""

import korvel
import pytest

from conftest import inverse


@pytest.mark.parametrize(
    "b1, b2, ordering, expected, quotient",
    [
        ("a", "b", "R", 1, "Ab"),      # a > b: inverse(a).b = Ab is negative in a
        ("b", "a", "R", -1, "Ba"),     # Ba: sigma_1 occurs positively
        ("a", "b", "F", -1, "Ab"),     # sigma_2 large: Ab is positive at b
        ("", "b", "U", 1, "b"),        # index 2 is even: b is smaller than 1
        ("aba", "bab", "R", 0, ""),    # the braid relation
        ("", "", "U", 0, ""),
        ("abA", "abA", "F", 0, ""),
    ],
)
def test_compare_and_the_quotient_key_C_prints(b1, b2, ordering, expected, quotient):
    assert korvel.compare(b1, b2, ordering) == expected
    assert korvel.handle_reduce(inverse(b1) + b2, ordering) == quotient


@pytest.mark.parametrize(
    "word, signs",
    [
        ("Ab", {"R": -1, "F": 1, "U": -1}),
        ("b", {"R": 1, "F": 1, "U": -1}),
        ("aA", {"R": 0, "F": 0, "U": 0}),
        ("abA", {"R": 1, "F": 1, "U": 1}),   # abA = Bab
        ("", {"R": 0, "F": 0, "U": 0}),
        ("cB", {"R": -1, "F": 1, "U": 1}),   # least index 2 (even) negative
    ],
)
def test_sign_in_each_ordering(word, signs):
    for ordering, expected in signs.items():
        assert korvel.sign(word, ordering) == expected, ordering
        assert korvel.compare("", word, ordering) == -expected, ordering


def test_sign_defaults_to_the_R_ordering():
    assert korvel.sign("Ab") == -1
    assert korvel.compare("a", "b") == 1


def test_equivalence_and_triviality():
    assert korvel.equivalent("a", "a")
    assert not korvel.equivalent("ab", "ba")
    assert korvel.equivalent("aba", "bab")
    assert korvel.equivalent("ac", "ca")             # far commutation
    assert not korvel.equivalent("a", "")
    assert korvel.is_trivial("")
    assert korvel.is_trivial("abaBAB")
    assert korvel.is_trivial("aA bB. cC")
    assert not korvel.is_trivial("aB")


@pytest.mark.parametrize(
    "word, steps",
    [
        ("abA", [("abA", (0, 3)), ("Bab", None)]),
        ("Aba", [("Aba", (0, 3)), ("baB", None)]),
        ("acA", [("acA", (0, 3)), ("c", None)]),
        ("aA", [("aA", (0, 2)), ("", None)]),
        ("ab", [("ab", None)]),
        ("", [("", None)]),
    ],
)
def test_handle_reduction_steps(word, steps):
    assert korvel.handle_reduction_steps(word) == steps


def test_the_handle_that_closes_first_is_reduced_first():
    # In abcBA the sigma_2-handle bcB closes before the sigma_1-handle; its
    # reduct is CbC^-1... written Cbc, then a(Cbc)A is a sigma_1-handle whose
    # interior holds one run of b: a C b c A -> C B a b c.
    steps = korvel.handle_reduction_steps("abcBA")
    assert steps[0] == ("abcBA", (1, 4))
    assert steps[1] == ("aCbcA", (0, 5))
    assert steps[2][0] == "CBabc"


def test_handle_reduction_steps_mark_handles():
    # acbbcbA: one handle with two runs of b inside; it grows by two letters.
    steps = korvel.handle_reduction_steps("acbbcbA")
    assert steps[0] == ("acbbcbA", (0, 7))
    assert steps[1][0] == "cBaabcBab"
    for word, handle in steps[:-1]:
        start, stop = handle
        first, last = word[start], word[stop - 1]
        assert first.swapcase() == last                       # opposite signs, one index
        assert all(c.lower() > first.lower() for c in word[start + 1:stop - 1])
    final, none = steps[-1]
    assert none is None
    assert korvel.equivalent(final, "acbbcbA")


@pytest.mark.parametrize(
    "a, b, gcd",
    [("a", "b", ""), ("aba", "ab", "ab"), ("ab", "ab", "ab"), ("abab", "bb", "b")],
)
def test_left_gcd(a, b, gcd):
    assert korvel.left_gcd(a, b) == gcd


@pytest.mark.parametrize(
    "a, b, lcm",
    [("a", "b", "aba"), ("ab", "ba", "aba"), ("a", "c", "ac"), ("ab", "bc", "abacb"),
     ("", "ab", "ab"), ("ab", "", "ab")],
)
def test_right_lcm(a, b, lcm):
    assert korvel.right_lcm(a, b) == lcm


@pytest.mark.parametrize(
    "word, form",
    [
        ("", (0, [])),
        ("abab", (1, ["b"])),
        ("aab", (0, ["a", "ab"])),
        ("aaa", (3, [])),             # two strands: Delta is a
        ("abacba", (1, [])),          # the Delta of four strands
        ("acab", (0, ["ac", "ab"])),
        ("ababab", (2, [])),
        ("baab", (0, ["ba", "ab"])),
    ],
)
def test_left_normal_form(word, form):
    assert korvel.left_normal_form(word) == form


@pytest.mark.parametrize(
    "word, form",
    [
        ("", ([], [])),
        ("ab", ([], ["ab"])),
        ("aba", ([], ["aba"])),
        ("abab", ([], ["aba", "b"])),
        ("ABA", (["aba"], [])),
        ("Ab", (["a"], ["b"])),
        ("aB", (["ab"], ["ba"])),
        ("abAB", (["b"], ["a"])),
        ("AAb", (["a", "a"], ["b"])),
        ("bcBA", (["bac"], ["abc"])),
        ("BAab", ([], [])),
        ("ababAB", ([], ["a", "a"])),
    ],
)
def test_symmetric_normal_form(word, form):
    assert korvel.symmetric_normal_form(word) == form


@pytest.mark.parametrize(
    "word, form",
    [("", ""), ("a", "a"), ("aa", "aa"), ("ab", "ab"), ("ba", "ba"), ("aba", "aba"),
     ("bab", "aba"), ("abab", "aaba"), ("ababab", "baabaa"), ("ac", "ca"), ("ca", "ca"),
     ("abacba", "abcaba"), ("cbabc", "abcba"), ("acb", "cab"), ("abcd", "abcd"),
     ("dcba", "dcba")],
)
def test_alternating_normal_form(word, form):
    assert korvel.alternating_normal_form(word) == form


@pytest.mark.parametrize("word", ["abAB", "aBcbAC", "bbaBAAcb", "AAAb", "dcBAbcD", "aBBBaac"])
def test_normal_forms_represent_the_braid(word):
    den, num = korvel.symmetric_normal_form(word)
    assert korvel.equivalent(inverse("".join(den)) + "".join(num), word)
    # D and N have no common left divisor but 1.
    assert korvel.left_gcd("".join(den), "".join(num)) == ""
    for factor in den + num:
        assert factor and factor == factor.lower()
    positive = "".join(num) + "".join(den)
    power, factors = korvel.left_normal_form(positive)
    width = max(ord(c) - 96 for c in positive) + 1
    delta = "".join(chr(96 + i) for k in range(2, width + 1) for i in range(k - 1, 0, -1))
    assert korvel.equivalent(delta * power + "".join(factors), positive)
    alt = korvel.alternating_normal_form(positive)
    assert len(alt) == len(positive) and korvel.equivalent(alt, positive)
