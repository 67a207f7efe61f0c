"""How korvel takes its arguments and reports errors: str and Tietze forms
give the same answers and results come back in the form of the argument;
every documented error; braids on up to 50 strands through Tietze lists; and
no call changes what another call sees."""

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


@pytest.mark.parametrize("seq, item", [([1, 0], 1), ([50], 0), ((3, -50), 1), ([2, 10**30], 1)])
def test_a_tietze_letter_out_of_range_is_a_value_error(seq, item):
    with pytest.raises(ValueError) as error:
        korvel.is_trivial(seq)
    assert f"item {item}" in str(error.value)


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


@pytest.mark.parametrize("function", [korvel.left_normal_form, korvel.alternating_normal_form])
def test_normal_forms_of_positive_braids_refuse_inverse_letters(function):
    with pytest.raises(ValueError) as error:
        function("abA")
    assert "letter 2" in str(error.value)
    with pytest.raises(ValueError):
        function([1, -2])


@pytest.mark.parametrize("function", [korvel.left_gcd, korvel.right_lcm])
def test_gcd_and_lcm_refuse_inverse_letters(function):
    with pytest.raises(ValueError):
        function("aB", "a")
    with pytest.raises(ValueError):
        function("a", [-1])


def test_past_the_bound_raises_bound_exceeded_with_the_console_message():
    message = "The braid exceeds the bound of 2000 crossings; the computation was abandoned."
    with pytest.raises(korvel.BoundExceeded) as error:
        korvel.sign("a" * 2001)
    assert str(error.value) == message
    with pytest.raises(korvel.BoundExceeded):
        korvel.is_trivial([1] * 2001)
    with pytest.raises(korvel.BoundExceeded):
        korvel.compare("a" * 1500, "b" * 1500)      # inverse(b1).b2 has 3000 letters
    assert korvel.sign("a" * 2000) == 1             # the bound itself is allowed
    # a^k B^k reverses into D^-1 N with 2k letters in each of D and N (aB
    # gives BAba), which for k = 600 no longer fits the record.
    assert korvel.symmetric_normal_form("a" * 400 + "B" * 400) is not None
    with pytest.raises(korvel.BoundExceeded):
        korvel.symmetric_normal_form("a" * 600 + "B" * 600)


def test_no_call_changes_the_ordering_another_call_sees():
    assert korvel.compare("a", "b") == 1
    assert korvel.compare("a", "b", "F") == -1
    assert korvel.compare("a", "b") == 1
    with pytest.raises(korvel.BoundExceeded):
        korvel.compare("a" * 1500, "b" * 1500, "F")
    assert korvel.compare("a", "b") == 1
    with pytest.raises(ValueError):
        korvel.sign("a", "x")
    assert korvel.sign("b") == 1 and korvel.sign("b", "U") == -1


def test_results_come_in_the_form_of_the_argument():
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
