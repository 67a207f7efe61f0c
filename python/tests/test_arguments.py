"""How korvel takes its arguments and reports errors: Braid, str and Tietze
forms give the same answers and results come back in the form of the
argument; every documented error; the limits of the arguments (Tietze
indices, strand counts, max_length) at the limit and one past it; braids on
many strands through Tietze lists; and no call changes what another call
sees."""

import random

import korvel
import pytest

from conftest import inverse, letters, tietze


def test_constants():
    assert korvel.MAX_LENGTH == 2000
    assert korvel.MAX_STRANDS == 50
    assert korvel.__version__ == "1.1"
    assert issubclass(korvel.BoundExceeded, ArithmeticError)


def test_help_reads_well():
    assert "Tietze" in korvel.__doc__ and "Garside" in korvel.__doc__
    for name in ["compare", "sign", "equivalent", "is_trivial", "handle_reduce",
                 "handle_reduction_steps", "symmetric_normal_form", "left_normal_form",
                 "alternating_normal_form", "left_gcd", "right_lcm"]:
        doc = getattr(korvel, name).__doc__
        assert doc.startswith(name + "("), name    # the signature pybind11 writes
        assert len(doc.splitlines()) >= 3, name


def test_blanks_and_dots_are_ignored():
    assert korvel.handle_reduce(" a b\tA.") == "Bab"
    assert korvel.equivalent("a.b.a", "b a b")


@pytest.mark.parametrize(
    "word, character, position",
    [("ab1", "'1'", 2), ("a-b", "'-'", 1), ("é", "'é'", 0), ("ab,", "','", 2),
     ("a\nb", "'\\n'", 1)],
)
def test_a_character_that_is_not_a_letter_is_named(word, character, position):
    with pytest.raises(ValueError) as error:
        korvel.sign(word)
    assert f"{character} at position {position}" in str(error.value)


@pytest.mark.parametrize("seq, item, value",
                         [([1, 0], 1, 0), ([32767], 0, 32767), ((3, -32767), 1, -32767),
                          ([2, 10**30], 1, 10**30)])
def test_a_tietze_letter_out_of_range_is_a_value_error(seq, item, value):
    with pytest.raises(ValueError) as error:
        korvel.is_trivial(seq)
    assert str(error.value) == (f"item {item} of a Tietze sequence is {value}; a letter is i or "
                                "-i for sigma_i, 1 <= i <= 32766")


def test_tietze_indices_up_to_32766():
    top = korvel.Braid([32766, -32766, 1])
    assert top.strands == 32767 and top.tietze() == (32766, -32766, 1)
    assert korvel.is_trivial([32766, -32766])
    assert korvel.handle_reduce([32765, 32766, -32765]) == (-32766, 32765, 32766)
    assert korvel.compare([32766], [1]) == -1
    assert korvel.sign([-32766], "F") == -1
    assert korvel.equivalent([1, 32766], [32766, 1])


def test_strand_counts_up_to_32767():
    assert korvel.Braid([1], strands=32767).strands == 32767
    assert korvel.Braid(strands=32767) == korvel.Braid()
    for function in (lambda: korvel.Braid([1], strands=32768),
                     lambda: korvel.left_normal_form("a", strands=32768),
                     lambda: korvel.coordinates("a", strands=32768)):
        with pytest.raises(ValueError) as error:
            function()
        assert str(error.value) == "a braid has 1 to 32767 strands, not 32768"
    assert len(korvel.coordinates("a", strands=32767)) == 2 * 32767


@pytest.mark.parametrize("bad", [5, 2.5, None, b"ab", bytearray(b"a"), {1: 2}, [1, "a"],
                                 [1.0], [True], (x for x in [1])])
def test_anything_else_is_a_type_error(bad):
    with pytest.raises(TypeError):
        korvel.sign(bad)


@pytest.mark.parametrize("ordering", ["r", "", "RF", "D", "f"])
def test_an_unknown_ordering_is_a_value_error(ordering):
    for call in (lambda: korvel.compare("a", "b", ordering), lambda: korvel.sign("a", ordering),
                 lambda: korvel.handle_reduce("a", ordering)):
        with pytest.raises(ValueError):
            call()


def test_the_alternating_normal_form_refuses_inverse_letters():
    with pytest.raises(ValueError) as error:
        korvel.alternating_normal_form("abA")
    assert str(error.value) == ("b must be a positive braid word, but letter 2 is the inverse "
                                "of sigma_1")
    with pytest.raises(ValueError):
        korvel.alternating_normal_form([1, -2])


@pytest.mark.parametrize("method", ["Auto", "", "handle", "dynnikov", "AUTO"])
def test_an_unknown_method_is_a_value_error(method):
    for call in (lambda: korvel.compare("a", "b", method=method),
                 lambda: korvel.sign("a", method=method),
                 lambda: korvel.equivalent("a", "b", method=method),
                 lambda: korvel.is_trivial("a", method=method)):
        with pytest.raises(ValueError) as error:
            call()
        assert str(error.value) == (f"method must be 'auto', 'handles' or 'coordinates', "
                                    f"not {method!r}")


def test_the_U_ordering_is_decided_by_handles_only():
    with pytest.raises(ValueError) as error:
        korvel.compare("a", "b", "U", "coordinates")
    assert "handle reduction only" in str(error.value)
    assert korvel.sign("b", "U", "handles") == -1 and korvel.sign("b", "U", "auto") == -1


def test_words_of_any_length_without_a_limit():
    assert korvel.sign("a" * 2001) == 1
    assert korvel.is_trivial([1] * 5000 + [-1] * 5000)
    assert korvel.compare("a" * 1500, "b" * 1500) == 1
    assert korvel.sign("b" * 100_000 + "A") == -1
    den, num = korvel.symmetric_normal_form("a" * 600 + "B" * 600)
    assert korvel.equivalent(inverse("".join(den)) + "".join(num), "a" * 600 + "B" * 600)


def test_the_console_limit_gives_the_console_message():
    message = "The braid exceeds the bound of 2000 crossings; the computation was abandoned."
    with pytest.raises(korvel.BoundExceeded) as error:
        korvel.sign("a" * 2001, max_length=korvel.MAX_LENGTH)
    assert str(error.value) == message
    with pytest.raises(korvel.BoundExceeded):
        korvel.is_trivial([1] * 2001, "handles", korvel.MAX_LENGTH)
    with pytest.raises(korvel.BoundExceeded):      # inverse(b1).b2 has 3000 letters
        korvel.compare("a" * 1500, "b" * 1500, method="handles", max_length=2000)
    assert korvel.sign("a" * 2000, max_length=2000) == 1    # the bound itself is allowed
    # a^k B^k reverses into D^-1 N with 2k letters in each of D and N (aB
    # gives BAba), which for k = 600 passes the console's bound.
    assert korvel.symmetric_normal_form("a" * 400 + "B" * 400, max_length=2000) is not None
    with pytest.raises(korvel.BoundExceeded):
        korvel.symmetric_normal_form("a" * 600 + "B" * 600, max_length=2000)


@pytest.mark.parametrize("limit", [-1, -(10 ** 30)])
def test_a_negative_limit_is_a_value_error(limit):
    with pytest.raises(ValueError) as error:
        korvel.sign("a", max_length=limit)
    assert str(error.value) == f"max_length must be None or at least 0, not {limit}"


@pytest.mark.parametrize("limit", [1.5, "10", True])
def test_a_limit_must_be_an_int(limit):
    with pytest.raises(TypeError) as error:
        korvel.handle_reduce("a", max_length=limit)
    assert "max_length must be None or an int" in str(error.value)


def test_a_huge_limit_is_no_limit():
    assert korvel.sign("a" * 3000, max_length=10 ** 30) == 1


def test_no_call_changes_the_ordering_another_call_sees():
    assert korvel.compare("a", "b") == 1
    assert korvel.compare("a", "b", "F") == -1
    assert korvel.compare("a", "b") == 1
    with pytest.raises(korvel.BoundExceeded):
        korvel.compare("a" * 1500, "b" * 1500, "F", "handles", 2000)
    assert korvel.compare("a", "b") == 1
    with pytest.raises(ValueError):
        korvel.sign("a", "x")
    assert korvel.sign("b") == 1 and korvel.sign("b", "U") == -1


def test_results_come_in_the_form_of_the_argument():
    Braid = korvel.Braid
    assert korvel.handle_reduce(Braid("abA")).tietze() == (-2, 1, 2)
    assert isinstance(korvel.handle_reduce(Braid("abA")), Braid)
    assert korvel.handle_reduce(Braid("a", strands=5)).strands == 5
    assert [(w.tietze(), h) for w, h in korvel.handle_reduction_steps(Braid("abA"))] == \
        [((1, 2, -1), (0, 3)), ((-2, 1, 2), None)]
    den, num = korvel.symmetric_normal_form(Braid("aB"))
    assert [f.tietze() for f in den] == [(1, 2)] and [f.tietze() for f in num] == [(2, 1)]
    assert all(f.strands == 3 for f in den + num)
    power, factors = korvel.left_normal_form(Braid("aab", strands=4))
    assert power == 0 and [(f.tietze(), f.strands) for f in factors] == [((1,), 4), ((1, 2), 4)]
    assert korvel.alternating_normal_form(Braid("abab")).tietze() == (1, 1, 2, 1)
    assert korvel.left_gcd(Braid("aba"), "ab").tietze() == (1, 2)   # a Braid when either is
    assert korvel.right_lcm([1], Braid("b")).tietze() == (1, 2, 1)
    assert korvel.handle_reduce("abA") == "Bab"
    assert korvel.handle_reduce([1, 2, -1]) == (-2, 1, 2)
    assert korvel.handle_reduce(()) == ()
    assert korvel.handle_reduction_steps((1, 2, -1)) == [((1, 2, -1), (0, 3)), ((-2, 1, 2), None)]
    assert korvel.symmetric_normal_form([1, -2]) == ([(1, 2)], [(2, 1)])
    assert korvel.left_normal_form((1, 2, 1, 2)) == (1, [(2,)])
    assert korvel.alternating_normal_form([1, 2, 1, 2]) == (1, 1, 2, 1)
    assert korvel.left_gcd("aba", "ab") == "ab"
    assert korvel.left_gcd("aba", [1, 2]) == (1, 2)     # text only when both are text
    assert korvel.right_lcm([1], "b") == (1, 2, 1)


def test_tietze_items_may_be_any_integers_with_index():
    class SageLikeInteger:
        def __init__(self, value):
            self.value = value

        def __index__(self):
            return self.value

    assert korvel.handle_reduce([SageLikeInteger(1), SageLikeInteger(2), -1]) == (-2, 1, 2)


def test_str_and_tietze_forms_give_the_same_answers():
    rng = random.Random(7)
    for _ in range(300):
        w1 = "".join(rng.choice("abcdABCD") for _ in range(rng.randrange(0, 25)))
        w2 = "".join(rng.choice("abcdABCD") for _ in range(rng.randrange(0, 25)))
        t1, t2 = tietze(w1), tietze(w2)
        for ordering in "RFU":
            assert korvel.compare(w1, w2, ordering) == korvel.compare(t1, t2, ordering)
            assert korvel.sign(w1, ordering) == korvel.sign(t1, ordering)
            assert tietze(korvel.handle_reduce(w1, ordering)) == list(
                korvel.handle_reduce(t1, ordering))
        assert korvel.equivalent(w1, w2) == korvel.equivalent(t1, tuple(t2))
        assert korvel.is_trivial(w1 + inverse(w1)) and korvel.is_trivial(t1 + tietze(inverse(w1)))
        steps = korvel.handle_reduction_steps(w1)
        assert [(tietze(w), h) for w, h in steps] == [
            (list(w), h) for w, h in korvel.handle_reduction_steps(t1)]
        den, num = korvel.symmetric_normal_form(w1)
        tden, tnum = korvel.symmetric_normal_form(t1)
        assert [tietze(f) for f in den] == [list(f) for f in tden]
        assert [tietze(f) for f in num] == [list(f) for f in tnum]
        positive = w1.lower()
        assert letters(korvel.alternating_normal_form(tietze(positive))) == \
            korvel.alternating_normal_form(positive)
        power, factors = korvel.left_normal_form(tietze(positive))
        assert (power, [letters(f) for f in factors]) == korvel.left_normal_form(positive)


def test_fifty_strand_braids_through_tietze_lists():
    # sigma_1 is the largest generator in R, sigma_49 in F.
    assert korvel.compare([1], [49]) == 1
    assert korvel.compare([1], [49], "F") == -1
    assert korvel.sign([49]) == 1 and korvel.sign([-49], "F") == -1
    assert korvel.sign([48], "U") == -1 and korvel.sign([49], "U") == 1
    # The braid relation and far commutation at the top strands.
    assert korvel.equivalent([48, 49, 48], [49, 48, 49])
    assert korvel.equivalent([1, 49], [49, 1])
    assert not korvel.equivalent([48, 49], [49, 48])
    assert korvel.handle_reduce([48, 49, -48]) == (-49, 48, 49)
    assert korvel.right_lcm([48], [49]) == (48, 49, 48)
    assert korvel.left_gcd([48, 49], [49]) == ()
    rng = random.Random(50)
    for _ in range(20):
        w = [rng.choice([-1, 1]) * rng.randint(1, 49) for _ in range(rng.randrange(1, 200))]
        back = [-x for x in reversed(w)]
        assert korvel.is_trivial(w + back)
        assert korvel.compare(w, w, "F") == 0
        reduced = korvel.handle_reduce(w)
        assert korvel.equivalent(reduced, w)
        assert korvel.sign(w) == korvel.compare(w, [])
        assert korvel.sign(w) == -korvel.sign(back)


@pytest.mark.parametrize("call, error, message", [
    (lambda: korvel.sign(5), TypeError,
     "a braid is a korvel.Braid, a str of letters, a sequence of non-zero ints or an object "
     "with a Tietze() method, not int"),
    (lambda: korvel.sign([1, "a"]), TypeError,
     "item 1 of a Tietze sequence is 'a'; its letters are ints"),
    (lambda: korvel.sign([1, True]), TypeError,
     "item 1 of a Tietze sequence is True; its letters are ints"),
    (lambda: korvel.compare("a", "b", "X"), ValueError, "ordering must be 'R', 'F' or 'U', not 'X'"),
    (lambda: korvel.compare("a", "b", "U", "coordinates"), ValueError,
     "the U-ordering is decided by handle reduction only: method 'coordinates' serves the "
     "orderings 'R' and 'F'"),
    (lambda: korvel.left_normal_form("a", strands=2.0), TypeError,
     "strands must be None or an int, not float"),
    (lambda: korvel.left_normal_form("abc", strands=3), ValueError,
     "strands is 3, but the word needs 4"),
    (lambda: korvel.alternating_normal_form([50]), ValueError,
     "the alternating normal form is computed on at most 50 strands; this word needs 51"),
    (lambda: korvel.svg("abA", (0, 4)), ValueError,
     "mark (0, 4) is not a stretch of the 3 letters of the word: 0 <= start <= stop <= 3 is "
     "needed"),
    (lambda: korvel.svg("abA", "ab"), TypeError, "mark must be None or a pair (start, stop) of ints"),
    (lambda: korvel.Braid.generator(0), ValueError,
     "a generator is sigma_i or its inverse, 1 <= |i| <= 32766, not 0"),
    (lambda: korvel._braid(3, b"\x01", None), ValueError, "not the pickled state of a korvel.Braid"),
    (lambda: korvel.braid_table(2, "r"), ValueError, "ordering must be 'R', 'F' or 'U', not 'r'"),
])
def test_every_error_has_its_message(call, error, message):
    with pytest.raises(error) as raised:
        call()
    assert str(raised.value) == message


def test_the_alternating_normal_form_up_to_50_strands():
    assert korvel.alternating_normal_form([49]) == (49,)
    assert korvel.alternating_normal_form([48, 49, 48]) == korvel.alternating_normal_form(
        [49, 48, 49])
