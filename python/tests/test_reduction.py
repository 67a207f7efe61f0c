"""The two exact methods and the coordinates: korvel.coordinates against a
plain transcription of the action of the generators on Z^(2n) (values by
hand for one letter, exact big integers for long words), the sign read from
the coordinates, handles and coordinates agreeing on seeded random words in
every function that takes a method, the Braid methods of the same
computations, and max_length at the exact length a reduction builds."""

import random

import korvel
import pytest

from conftest import random_braid, random_tietze

Braid = korvel.Braid


def plus(x):
    return max(x, 0)


def minus(x):
    return min(x, 0)


def act(coordinates, letter):
    """The action of one letter on (a_1, b_1, ..., a_n, b_n)."""
    c = list(coordinates)
    i = abs(letter)
    a1, b1, a2, b2 = c[2 * i - 2], c[2 * i - 1], c[2 * i], c[2 * i + 1]
    if letter > 0:
        d = a1 - minus(b1) - a2 + plus(b2)
        c[2 * i - 2:2 * i + 2] = [a1 + plus(b1) + plus(plus(b2) - d), b2 - plus(d),
                                  a2 + minus(b2) + minus(minus(b1) + d), b1 + plus(d)]
    else:
        e = a1 + minus(b1) - a2 - plus(b2)
        c[2 * i - 2:2 * i + 2] = [a1 - plus(b1) - plus(plus(b2) + e), b2 + minus(e),
                                  a2 - minus(b2) - minus(minus(b1) - e), b1 - minus(e)]
    return c


def reference_coordinates(word, strands):
    c = [0, 1] * strands
    for x in word:
        c = act(c, x)
    return tuple(c)


def reference_sign(word, strands):
    """The first non-zero number of (a_1, b_1 - 1, ..., a_n, b_n - 1)."""
    c = reference_coordinates(word, strands)
    for k, x in enumerate(c):
        x -= k % 2
        if x:
            return 1 if x > 0 else -1
    return 0


def test_coordinates_of_one_letter_by_hand():
    # sigma_1: d = 0 - 0 - 0 + 1 = 1, so a_1 = 0 + 1 + 0, b_1 = 1 - 1,
    # a_2 = 0 + 0 + min(1, 0), b_2 = 1 + 1.
    assert korvel.coordinates("a") == (1, 0, 0, 2)
    assert korvel.coordinates("A") == (-1, 0, 0, 2)
    assert korvel.coordinates("a", strands=3) == (1, 0, 0, 2, 0, 1)
    assert korvel.coordinates("") == (0, 1)
    assert korvel.coordinates("", strands=4) == (0, 1) * 4
    assert korvel.coordinates("aA") == (0, 1, 0, 1)
    assert Braid("b").coordinates() == (0, 1, 1, 0, 0, 2)


def test_coordinates_are_the_action_of_the_letters():
    rng = random.Random(31)
    for _ in range(200):
        strands = rng.randint(2, 9)
        word = random_tietze(rng, strands, rng.randint(0, 80))
        assert korvel.coordinates(word, strands=strands) == reference_coordinates(word, strands)


def test_long_words_have_exact_big_coordinates():
    rng = random.Random(37)
    for strands in (3, 10):
        word = random_tietze(rng, strands, 4000)
        got = korvel.coordinates(Braid(word, strands=strands))
        assert got == reference_coordinates(word, strands)
        assert max(abs(x) for x in got) > 2 ** 200       # far past 64 bits
        assert all(type(x) is int for x in got)


def test_the_coordinates_are_those_of_the_braid():
    assert korvel.coordinates("aba") == korvel.coordinates("bab")
    assert korvel.coordinates("ac") == korvel.coordinates("ca")
    assert korvel.coordinates("ab") != korvel.coordinates("ba")
    assert korvel.coordinates("abcBA") == korvel.coordinates("CBabc")


def test_the_sign_is_read_from_the_coordinates():
    rng = random.Random(41)
    for _ in range(300):
        strands = rng.randint(2, 7)
        word = random_tietze(rng, strands, rng.randint(0, 40))
        expected = reference_sign(word, strands)
        for method in ("auto", "handles", "coordinates"):
            assert korvel.sign(word, method=method) == expected, (word, method)


def test_the_two_methods_agree_on_random_pairs():
    rng = random.Random(43)
    for _ in range(300):
        strands = rng.randint(2, 8)
        a = random_braid(rng, strands, 40)
        b = random_braid(rng, strands, 40) if rng.random() < 0.7 else \
            Braid(a.tietze() + (1, -1), strands=strands)
        for ordering in ("R", "F"):
            answers = {korvel.compare(a, b, ordering, method) for method in
                       ("auto", "handles", "coordinates")}
            assert len(answers) == 1, (a, b, ordering)
        assert korvel.equivalent(a, b, "handles") == korvel.equivalent(a, b, "coordinates")
        assert korvel.is_trivial(~a * b, "handles") == korvel.is_trivial(~a * b, "coordinates")
        assert korvel.equivalent(a, b) == (a == b)


def test_long_braids_with_both_methods():
    rng = random.Random(47)
    a = random_braid(rng, 10, 20_000)
    b = random_braid(rng, 10, 20_000)
    assert korvel.compare(a, b, method="handles") == korvel.compare(a, b, method="coordinates")
    assert korvel.compare(a, b) == -korvel.compare(b, a)
    assert korvel.is_trivial(a * ~a, "handles") and korvel.is_trivial(a * ~a, "coordinates")


def test_the_braid_methods_are_the_module_functions():
    rng = random.Random(53)
    for _ in range(50):
        strands = rng.randint(2, 6)
        a, b = random_braid(rng, strands, 20), random_braid(rng, strands, 20)
        for ordering in "RFU":
            assert a.compare(b, ordering) == korvel.compare(a, b, ordering)
            assert a.sign(ordering) == korvel.sign(a, ordering)
            assert a.handle_reduced(ordering) == korvel.handle_reduce(a, ordering) == a
            assert a.handle_reduced(ordering).strands == strands
        assert a.compare(str(b), method="coordinates") == korvel.compare(a, b)
        assert a.is_trivial() == korvel.is_trivial(a) == (a == Braid())
        assert a.coordinates() == korvel.coordinates(a)


def test_handle_reduced_words_are_handle_free():
    # The generator of least index occurs with one sign only.
    rng = random.Random(59)
    for _ in range(100):
        b = random_braid(rng, 5, 30)
        word = b.handle_reduced().tietze()
        if word:
            least = min(abs(x) for x in word)
            assert len({x for x in word if abs(x) == least}) == 1
            assert (word[[abs(x) for x in word].index(least)] > 0) == (b.sign() > 0)


def test_max_length_at_the_exact_length_of_the_reduction():
    # By hand: abcbA is a sigma_1-handle whose interior holds no handle;
    # each b becomes B a b, which gives BabcBab (7 letters); in it bcB is a
    # sigma_2-handle, whose c becomes C b c: BaCbcab, handle-free. So the
    # reduction builds words of 5, 7 and 7 letters.
    assert korvel.handle_reduction_steps("abcbA") == [
        ("abcbA", (0, 5)), ("BabcBab", (2, 5)), ("BaCbcab", None)]
    assert korvel.handle_reduce("abcbA", max_length=7) == "BaCbcab"
    with pytest.raises(korvel.BoundExceeded) as error:
        korvel.handle_reduce("abcbA", max_length=6)
    assert str(error.value) == \
        "The braid exceeds the bound of 6 crossings; the computation was abandoned."
    assert korvel.sign("abcbA", method="handles", max_length=7) == 1
    with pytest.raises(korvel.BoundExceeded):
        korvel.sign("abcbA", method="handles", max_length=6)
    assert korvel.handle_reduction_steps("abcbA", max_length=7)[-1] == ("BaCbcab", None)
    with pytest.raises(korvel.BoundExceeded):
        korvel.handle_reduction_steps("abcbA", max_length=6)
    # compare builds inverse(b1).b2: two letters for a and b, four for ab
    # and ba.
    assert korvel.compare("a", "b", method="handles", max_length=2) == 1
    with pytest.raises(korvel.BoundExceeded):
        korvel.compare("a", "b", method="handles", max_length=1)
    assert not korvel.equivalent("ab", "ba", method="handles", max_length=4)
    with pytest.raises(korvel.BoundExceeded):
        korvel.equivalent("ab", "ba", method="handles", max_length=3)
    # Either method is refused a quotient longer than the limit.
    assert korvel.compare("a", "b", method="coordinates", max_length=2) == 1
    with pytest.raises(korvel.BoundExceeded):
        korvel.compare("a", "b", method="coordinates", max_length=1)


def test_the_arguments_are_unchanged_by_an_abandoned_computation():
    b = Braid("abcbA")
    with pytest.raises(korvel.BoundExceeded):
        b.handle_reduced(max_length=6)
    assert b.tietze() == (1, 2, 3, 2, -1) and str(b) == "abcbA"
    assert b.handle_reduced(max_length=7) == b
    assert str(b.handle_reduced()) == "BaCbcab"
