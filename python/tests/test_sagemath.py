"""SageMath braids in and out, with small stand-ins for SageMath's braid
group and its elements (SageMath itself is not needed): a braid is taken
from anything with a Tietze() method and a strand count from strands() or
parent().strands(), and BraidGroup(n)(b.tietze()) takes a korvel.Braid
back."""

import random

import korvel
import pytest

from conftest import random_tietze


class Integer:
    """An integer of SageMath's kind: not an int, but has __index__."""

    def __init__(self, value):
        self.value = value

    def __index__(self):
        return self.value


class BraidGroup:
    """The braid group on n strands: calling it on a Tietze sequence gives
    its element, as SageMath's BraidGroup(n) does."""

    def __init__(self, n):
        self.n = n

    def strands(self):
        return Integer(self.n)

    def __call__(self, tietze):
        letters = tuple(int(x) for x in tietze)
        if any(x == 0 or abs(x) >= self.n for x in letters):
            raise ValueError("not a braid of this group")
        return SageBraid(self, letters)


class SageBraid:
    """An element of BraidGroup(n): its Tietze() gives SageMath integers and
    its strand count is its parent's."""

    def __init__(self, parent, letters):
        self._parent = parent
        self.letters = letters

    def parent(self):
        return self._parent

    def Tietze(self):
        return tuple(Integer(x) for x in self.letters)


class OwnStrands:
    """A braid-like object that knows its own strand count."""

    def __init__(self, letters, n):
        self.letters, self.n = letters, n

    def Tietze(self):
        return list(self.letters)

    def strands(self):
        return self.n


def test_a_sagemath_braid_becomes_a_korvel_braid():
    B3 = BraidGroup(3)
    b = korvel.Braid(B3([1, -2]))
    assert b.tietze() == (1, -2) and b.strands == 3
    # The strand count is the group's, not one more than the largest index.
    assert korvel.Braid(BraidGroup(6)([1])).strands == 6
    assert korvel.Braid(BraidGroup(6)([])).strands == 6
    assert korvel.Braid(OwnStrands([2, 2], 7)).strands == 7
    assert korvel.Braid(B3([1]), strands=5).strands == 5


def test_and_back():
    rng = random.Random(17)
    for n in (2, 3, 5, 40):
        B = BraidGroup(n)
        for _ in range(10):
            k = korvel.Braid(random_tietze(rng, n, rng.randint(0, 30)), strands=n)
            s = B(k.tietze())
            assert s.letters == k.tietze()
            assert korvel.Braid(s) == k and korvel.Braid(s).strands == n


def test_module_functions_take_sagemath_braids_and_give_tietze_tuples():
    B3 = BraidGroup(3)
    s = B3([1, 2, -1])
    assert korvel.handle_reduce(s) == (-2, 1, 2)
    assert korvel.compare(B3([1]), B3([2])) == 1
    assert korvel.sign(B3([-1, 2])) == -1
    assert korvel.equivalent(B3([1, 2, 1]), B3([2, 1, 2]))
    # sigma_1 in B_3 is sigma_1, not the Delta of two strands.
    assert korvel.left_normal_form(B3([1])) == (0, [(1,)])
    assert korvel.left_normal_form([1]) == (1, [])
    # sigma_1^-1 is Delta^-1 sigma_1 sigma_2 in B_3 (Delta = aba), Delta^-1 in B_2.
    assert korvel.left_normal_form(B3([-1])) == (-1, [(1, 2)])
    assert korvel.left_normal_form([-1]) == (-1, [])
    assert korvel.symmetric_normal_form(B3([-1, 2])) == ([(1,)], [(2,)])


def test_the_strand_count_of_a_sagemath_braid_is_checked():
    with pytest.raises(ValueError) as error:
        korvel.Braid(OwnStrands([3], 3))
    assert str(error.value) == "the braid has 3 strands, but its word needs 4"
    with pytest.raises(TypeError):
        korvel.Braid(OwnStrands([1], "3"))
    with pytest.raises(ValueError):
        korvel.Braid(OwnStrands([1], 0))
    # A SageMath braid keeps its group's strands: none may be dropped.
    with pytest.raises(ValueError) as error:
        korvel.Braid(BraidGroup(6)([1]), strands=4)
    assert str(error.value).startswith("strands is 4, but the braid has 6 strands")
    assert korvel.Braid(BraidGroup(6)([1]), strands=6).strands == 6


def sage_style(b):
    """What code written for SageMath's braids does with a braid: its group
    from strands(), its word from Tietze()."""
    return BraidGroup(int(b.strands()))(b.Tietze())


def test_a_korvel_braid_answers_as_a_sagemath_braid_does():
    rng = random.Random(26)
    for n in (2, 4, 9):
        k = korvel.Braid(random_tietze(rng, n, rng.randint(0, 20)), strands=n + 1)
        s = sage_style(k)
        assert s.parent().n == n + 1 and s.letters == k.tietze()
        # and back, through Tietze() and strands() again
        assert korvel.Braid(s) == k and korvel.Braid(s).strands == n + 1
        assert korvel.Braid(OwnStrands(k.Tietze(), k.strands())).strands == n + 1


def test_a_tietze_method_must_give_a_sequence_of_ints():
    class Odd:
        def Tietze(self):
            return "ab"

    with pytest.raises(TypeError):
        korvel.Braid(Odd())
    with pytest.raises(TypeError):
        korvel.sign(OwnStrands([1, 2.5], 4))
