"""korvel.Braid as a value: how it is made, its word, str, repr and LaTeX,
the group laws on seeded random braids, equality and hash across strand
counts, the R-ordering of its comparison operators, and pickling."""

import copy
import pickle
import random

import korvel
import pytest

from conftest import delta_word, random_braid, random_tietze

Braid = korvel.Braid


def test_made_from_letters_tietze_lists_and_braids():
    b = Braid("abA")
    assert (b.strands, len(b), b.tietze()) == (3, 3, (1, 2, -1))
    assert Braid("a b.A").tietze() == (1, 2, -1)        # blanks and '.' are not letters
    assert Braid([1, 2, -1]).tietze() == (1, 2, -1)
    assert Braid((1, 2, -1), strands=5).strands == 5
    assert Braid(b).tietze() == (1, 2, -1) and Braid(b).strands == 3
    assert Braid(b, strands=6).strands == 6
    assert Braid(Braid("a", strands=9)).strands == 9    # a Braid keeps its strands
    assert (Braid().strands, len(Braid()), Braid().tietze()) == (1, 0, ())
    assert Braid(strands=4).strands == 4 and len(Braid(strands=4)) == 0
    assert Braid([-300, 2]).strands == 301


def test_the_strand_count_may_be_larger_never_smaller():
    with pytest.raises(ValueError) as error:
        Braid("ab", strands=2)
    assert str(error.value) == "strands is 2, but the word needs 3"
    with pytest.raises(ValueError) as error:
        Braid([5, -1], strands=3)
    assert str(error.value) == "strands is 3, but the word needs 6"
    assert Braid("ab", strands=3).strands == 3
    # A Braid keeps its strands or gains some, never loses them, even where
    # its word would fit on fewer.
    assert Braid(Braid("a", strands=9), strands=12).strands == 12
    assert Braid(Braid("a", strands=9), strands=9).strands == 9
    for fewer in (2, 8):
        with pytest.raises(ValueError) as error:
            Braid(Braid("a", strands=9), strands=fewer)
        assert str(error.value) == (f"strands is {fewer}, but the braid has 9 strands; a braid "
                                    "may be taken on more strands, never fewer")
    with pytest.raises(ValueError) as error:
        Braid(Braid("ab", strands=9), strands=2)
    assert "strands is 2" in str(error.value)
    for bad in (0, -1):
        with pytest.raises(ValueError) as error:
            Braid("", strands=bad)
        assert str(error.value) == f"a braid has 1 to 32767 strands, not {bad}"


@pytest.mark.parametrize("strands", [2.0, "3", True, (0, 3)])
def test_strands_must_be_an_int(strands):
    with pytest.raises(TypeError) as error:
        Braid("a", strands)
    assert "strands must be None or an int" in str(error.value)


@pytest.mark.parametrize("bad", [5, 2.5, b"ab", bytearray(b"a"), {1: 2}, [1, "a"], [True]])
def test_anything_else_is_a_type_error(bad):
    with pytest.raises(TypeError):
        Braid(bad)


def test_str_is_the_letter_word_or_the_tietze_list():
    assert str(Braid("abA")) == "abA"
    assert str(Braid([26, -26])) == "zZ"
    assert str(Braid([1, 27, -2])) == "[1, 27, -2]"
    assert str(Braid()) == ""
    assert str(Braid("", strands=40)) == ""


def test_repr():
    assert repr(Braid("abA")) == "korvel.Braid('abA')"
    assert repr(Braid("a", strands=4)) == "korvel.Braid('a', strands=4)"
    assert repr(Braid([30, -1])) == "korvel.Braid([30, -1])"
    assert repr(Braid()) == "korvel.Braid('')"
    assert repr(Braid(strands=3)) == "korvel.Braid('', strands=3)"
    assert repr(Braid("abA", mark=(0, 3))) == "korvel.Braid('abA', mark=(0, 3))"


def test_repr_evaluates_back_to_an_equal_braid():
    rng = random.Random(11)
    for strands in (2, 3, 8, 27, 28, 60):
        for _ in range(10):
            b = Braid(random_tietze(rng, strands, rng.randint(0, 40)),
                      strands=strands + rng.randint(0, 2))
            back = eval(repr(b), {"korvel": korvel})
            assert back == b
            assert back.tietze() == b.tietze() and back.strands == b.strands


def test_latex_as_sagemath_writes_braids():
    assert Braid([1, -2])._latex_() == r"\sigma_{1} \sigma_{2}^{-1}"
    assert Braid([12, 12, -300])._latex_() == r"\sigma_{12}^{2} \sigma_{300}^{-1}"
    assert Braid()._latex_() == "1"
    assert Braid(strands=4)._latex_() == "1"


def test_latex_writes_each_run_of_a_letter_as_its_power():
    assert Braid("aaa")._latex_() == r"\sigma_{1}^{3}"
    assert Braid("AA")._latex_() == r"\sigma_{1}^{-2}"
    assert Braid("B")._latex_() == r"\sigma_{2}^{-1}"
    # The word as written, not reduced: a letter and its inverse stay.
    assert Braid("aA")._latex_() == r"\sigma_{1} \sigma_{1}^{-1}"
    assert Braid("aabaaAAAc")._latex_() == \
        r"\sigma_{1}^{2} \sigma_{2} \sigma_{1}^{2} \sigma_{1}^{-3} \sigma_{3}"
    assert Braid([30] * 12 + [-2])._latex_() == r"\sigma_{30}^{12} \sigma_{2}^{-1}"
    # Reading the text back, one letter per unit of each exponent, gives the
    # word on seeded random words.
    rng = random.Random(26)
    for _ in range(100):
        word = random_tietze(rng, 4, rng.randint(1, 30))
        back = []
        for term in Braid(word)._latex_().split(" "):
            index, _, power = term[len(r"\sigma_{"):].partition("}")
            k = int(power[2:-1]) if power else 1
            back += [int(index) if k > 0 else -int(index)] * abs(k)
        assert tuple(back) == tuple(word)
        assert "}^{1}" not in Braid(word)._latex_()


def test_generators_and_delta():
    assert Braid.generator(2).tietze() == (2,) and Braid.generator(2).strands == 3
    assert Braid.generator(-2, strands=5).tietze() == (-2,)
    assert Braid.generator(-2, strands=5).strands == 5
    for n in (1, 2, 3, 4, 7):
        d = Braid.delta(n)
        assert d.strands == n and len(d) == n * (n - 1) // 2
        assert d == Braid(delta_word(n), strands=n)
    for bad in (0, 32767, -32767):
        with pytest.raises(ValueError):
            Braid.generator(bad)
    with pytest.raises(ValueError):
        Braid.generator(3, strands=3)


def test_the_braid_relations_hold_and_nothing_else():
    assert Braid("aba") == Braid("bab")
    assert Braid("ac") == Braid("ca")
    assert Braid("aA") == Braid()
    assert Braid("ab") != Braid("ba")
    assert Braid("a") != Braid()
    assert not (Braid("aba") != Braid("bab"))
    assert Braid([300, 301, 300]) == Braid([301, 300, 301])
    assert Braid([1, 300]) == Braid([300, 1])


def test_group_laws_on_random_braids():
    rng = random.Random(2)
    one = Braid()
    for _ in range(60):
        strands = rng.randint(2, 7)
        a, b, c = (random_braid(rng, strands, 25) for _ in range(3))
        assert (a * b) * c == a * (b * c)
        assert (a * b).tietze() == a.tietze() + b.tietze()
        assert a * ~a == one and ~a * a == one
        assert a * one == a and one * a == a
        assert ~~a == a and (~~a).tietze() == a.tietze()
        assert a.inverse().tietze() == (~a).tietze() == tuple(-x for x in reversed(a.tietze()))
        assert ~(a * b) == ~b * ~a
        m, n = rng.randint(-4, 4), rng.randint(-4, 4)
        assert a ** m * a ** n == a ** (m + n)
        assert (a ** m) ** n == a ** (m * n)
        assert a ** 0 == one and a ** 1 == a and a ** -1 == ~a
        assert (a ** 3).tietze() == a.tietze() * 3
        assert (a ** -2).tietze() == (~a).tietze() * 2
        # Delta^2 is central, and Delta conjugates sigma_i to sigma_(n-i).
        square = Braid.delta(strands) ** 2
        assert square * a == a * square
        i = rng.randint(1, strands - 1)
        assert Braid.delta(strands) * Braid.generator(i) == \
            Braid.generator(strands - i) * Braid.delta(strands)


def test_products_and_powers_keep_the_strand_count():
    assert (Braid("a", strands=5) * Braid("b")).strands == 5
    assert (Braid("a") * Braid("b", strands=5)).strands == 5
    assert (Braid("a", strands=5) ** 3).strands == 5
    assert (~Braid("a", strands=5)).strands == 5
    assert (Braid("a", strands=5) ** 0).strands == 5


def test_powers_of_any_int():
    assert Braid() ** (10 ** 30) == Braid()
    assert Braid(strands=3) ** -(10 ** 30) == Braid()
    with pytest.raises(ValueError) as error:
        Braid("a") ** (10 ** 30)
    assert "more letters than a braid word may hold" in str(error.value)
    with pytest.raises(ValueError):
        Braid("ab") ** (2 ** 30)
    with pytest.raises(TypeError) as error:
        pow(Braid("a"), 2, 3)
    assert str(error.value) == "pow() of a braid takes no modulus"
    assert pow(Braid("ab"), 2, None) == Braid("abab")


@pytest.mark.parametrize("exponent, name", [(1.5, "float"), (2.0, "float"), ("2", "str"),
                                            (None, "NoneType"), (1j, "complex")])
def test_the_exponent_must_be_an_integer(exponent, name):
    for b in (Braid("a"), Braid()):
        with pytest.raises(TypeError) as error:
            b ** exponent
        assert str(error.value) == f"the exponent of a braid power must be an integer, not {name}"


def test_integer_exponents():
    class Integer:                      # a numpy or SageMath integer
        def __index__(self):
            return 3
    a = Braid("ab", strands=4)
    assert (a ** 2).tietze() == (1, 2, 1, 2)
    assert (a ** -1).tietze() == (-2, -1) and (a ** 0).tietze() == ()
    assert (a ** Integer()).tietze() == (1, 2) * 3
    # True and False are 1 and 0, as in every power Python computes.
    assert (a ** True).tietze() == (1, 2) and (a ** False).tietze() == ()
    assert all((x ** 2).strands == 4 for x in (a, Braid(strands=4)))


@pytest.mark.parametrize("other", ["a", "aAa", [1], (1,), 1, 0, None, 1.0, object()])
def test_a_braid_equals_no_other_type(other):
    # Equal objects must have equal hashes, and hash(Braid('a')) cannot be
    # both hash('a') and hash('aAa'): a Braid is never equal to a spelling.
    a = Braid("a")
    assert (a == other) is False and (other == a) is False
    assert (a != other) is True and (other != a) is True
    assert a not in [other] and other not in [a]


def test_a_braid_and_its_spelling_are_two_keys():
    assert len({Braid("a"), "a", Braid("aAa"), "aAa"}) == 3
    assert {"a": 1, Braid("a"): 2}[Braid("aAa")] == 2
    assert {"a": 1, Braid("a"): 2}["a"] == 1
    # To compare with a spelling, make it a braid.
    assert Braid("aAa") == Braid("a") and korvel.equivalent(Braid("aAa"), "a")


def test_operators_with_other_types():
    for op in (lambda: Braid("a") < "a", lambda: "a" > Braid("a"), lambda: Braid("a") >= [1],
               lambda: Braid("a") <= None, lambda: Braid("a") > 1, lambda: Braid("a") * "b",
               lambda: "b" * Braid("a"), lambda: Braid("a") * 2):
        with pytest.raises(TypeError):
            op()


def test_strands_is_an_int_that_may_be_called():
    b = Braid("abA", strands=5)
    assert b.strands == 5 and b.strands() == 5 and type(b.strands()) is int
    assert isinstance(b.strands, int) and b.strands + 1 == 6 and 10 // b.strands == 2
    assert repr(b.strands) == str(b.strands) == f"{b.strands}" == "5"
    assert hash(b.strands) == hash(5) and {5: "x"}[b.strands] == "x"
    assert list(range(b.strands)) == [0, 1, 2, 3, 4]
    for copied in (pickle.loads(pickle.dumps(b.strands)), copy.copy(b.strands),
                   copy.deepcopy(b.strands)):
        assert copied == 5 and type(copied) is int
    assert Braid().strands() == 1 and Braid([-300]).strands() == 301


def test_tietze_in_both_spellings():
    b = Braid([3, -1, 2], strands=6)
    assert b.Tietze() == b.tietze() == (3, -1, 2)
    assert Braid().Tietze() == ()
    # The spellings a SageMath braid has: a Braid is read as one.
    assert Braid(b.Tietze(), strands=b.strands()) == b


def test_equal_braids_on_different_strand_counts():
    assert Braid("a") == Braid("a", strands=7)
    assert Braid("aA", strands=2) == Braid(strands=9)
    assert Braid("a", strands=3) != Braid("b", strands=3)
    assert hash(Braid("a")) == hash(Braid("a", strands=7))
    assert hash(Braid("aA", strands=2)) == hash(Braid(strands=9)) == hash(Braid())
    assert len({Braid("aba"), Braid("bab"), Braid("aba", strands=5), Braid("abBbacC")}) == 1
    assert {Braid("aba"): 1}[Braid("bab", strands=4)] == 1


def test_hash_agrees_with_equality_on_random_spellings():
    rng = random.Random(3)
    hashes, braids = set(), set()
    for _ in range(150):
        strands = rng.randint(2, 6)
        word = random_tietze(rng, strands, rng.randint(1, 30))
        a = Braid(word, strands=strands)
        # The same braid spelled otherwise: a trivial pair put in and the
        # word on more strands.
        x = rng.choice((-1, 1)) * rng.randint(1, strands + 2)
        at = rng.randint(0, len(word))
        b = Braid(word[:at] + [x, -x] + word[at:], strands=strands + 3)
        assert a == b and hash(a) == hash(b)
        hashes.add(hash(a))
        braids.add(korvel.coordinates(a, strands=9))    # faithful on 9 strands
    # Distinct braids have distinct hashes, as a rule.
    assert len(braids) > 100 and len(hashes) == len(braids)


@pytest.mark.parametrize("x, y, expected", [
    ("a", "b", 1),      # sigma_1 is large in the R-ordering
    ("b", "", 1),
    ("B", "", -1),
    ("Ab", "", -1),     # the least index, 1, occurs negatively
    ("aba", "bab", 0),
    ("a", "aa", -1),
])
def test_the_operators_compare_in_the_R_ordering(x, y, expected):
    a, b = Braid(x), Braid(y)
    assert (a < b, a == b, a > b) == (expected < 0, expected == 0, expected > 0)
    assert (a <= b, a >= b) == (expected <= 0, expected >= 0)
    assert a.compare(b) == expected == korvel.compare(a, b)


def test_the_ordering_is_total_transitive_and_left_invariant():
    rng = random.Random(5)
    for _ in range(150):
        strands = rng.randint(2, 5)
        a, b, c = (random_braid(rng, strands, 12) for _ in range(3))
        for x, y in ((a, b), (b, c), (a, c)):
            assert [x < y, x == y, x > y].count(True) == 1
            assert (x < y) == (korvel.compare(x, y) == -1) == (y > x)
            assert (x <= y) == (korvel.compare(x, y) <= 0)
        if a < b and b < c:
            assert a < c
        if a > b and b > c:
            assert a > c
        assert (c * a < c * b) == (a < b) and (c * a == c * b) == (a == b)
    # A sorted list is increasing.
    braids = sorted(random_braid(rng, 4, 10) for _ in range(80))
    assert all(korvel.compare(x, y) <= 0 for x, y in zip(braids, braids[1:]))


def test_the_ordering_does_not_see_extra_strands():
    a, b = Braid("a"), Braid("a", strands=5)
    assert not a < b and not a > b and a <= b and a >= b
    assert Braid("b", strands=9) > Braid("c", strands=4)


@pytest.mark.parametrize("protocol", range(pickle.HIGHEST_PROTOCOL + 1))
def test_pickle_round_trips(protocol):
    rng = random.Random(7 + protocol)
    braids = [Braid(), Braid(strands=6), Braid("abA", mark=(0, 3)), Braid([32766, -1]),
              Braid([-32766], strands=32767)]
    braids += [random_braid(rng, rng.randint(2, 40), 60) for _ in range(30)]
    for b in braids:
        back = pickle.loads(pickle.dumps(b, protocol))
        assert type(back) is Braid
        assert (back.tietze(), back.strands, back.mark) == (b.tietze(), b.strands, b.mark)
        assert back == b and hash(back) == hash(b)


def test_copies():
    b = Braid("abAc", strands=6, mark=(1, 2))
    for c in (copy.copy(b), copy.deepcopy(b)):
        assert (c.tietze(), c.strands, c.mark) == (b.tietze(), b.strands, b.mark)


def test_a_state_that_is_no_braid_is_refused():
    assert korvel._braid(4, b"\x01\x00\xfd\xff", None).tietze() == (1, -3)
    for state in [(3, b"\x00\x00", None), (3, b"\x01", None), (2, b"\x02\x00", None),
                  (3, "ab", None), (3, b"\xff\x7f", None), (3, b"", (0, 1))]:
        with pytest.raises(ValueError):
            korvel._braid(*state)


def test_a_braid_never_changes():
    a = Braid("ab")
    b = a * Braid("c")
    c = a ** 3
    d = ~a
    assert a.tietze() == (1, 2) and a.strands == 3
    assert (b.tietze(), c.tietze(), d.tietze()) == ((1, 2, 3), (1, 2) * 3, (-2, -1))
    with pytest.raises(AttributeError):
        a.strands = 5
