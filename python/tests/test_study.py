"""korvel.braid_table: the three-strand study tables of the console's key B,
on the worked examples of the study (length bounds 1 to 3) and against the
listings of the korvel program's keys B and M under R, F and U."""

import re

import korvel
import pytest

import sampling


def decode(codes):
    """The words a code list stands for: each code read from its last digit,
    the runs alternately of a and of b, starting with a ("A" is 10, ...)."""
    words = []
    for code in codes.split(","):
        word, letter = "", "a"
        for digit in reversed(code):
            word = letter * int(digit, 36) + word
            letter = "b" if letter == "a" else "a"
        words.append(word)
    return ",".join(words)


def test_bound_1_in_the_R_ordering():
    table = korvel.braid_table(1)
    assert [tuple(row) for row in table] == [
        (1, "", "", "", 1, 1, 1, 1),
        (2, "b", "10", "10,1", 2, 1, 2, 1),
        (3, "a", "1", "10,1", 2, 0, 2, 0),   # a is conjugate to b only by longer braids
    ]
    assert table[2].mu3_conjugator == 0 and table[2].sss == "10,1"


def test_bound_2_in_the_R_ordering():
    table = korvel.braid_table(2, "R")
    assert [row.word for row in table] == ["", "b", "bb", "a", "ab", "aa", "ba"]
    assert [row.sss for row in table] == ["", "10,1", "20,2", "10,1", "110,11", "20,2", "110,11"]
    assert [row.mu3 for row in table] == [1, 2, 3, 2, 5, 3, 5]
    # ab conjugates b to a and bb to aa; a conjugates ab to ba.
    assert [row.mu3_conjugator for row in table] == [1, 1, 1, 5, 1, 5, 4]
    assert [row.mu3sss for row in table] == [1, 2, 3, 2, 5, 3, 5]
    assert [row.mu3sss_conjugator for row in table] == [1, 1, 1, 5, 1, 5, 4]
    assert [row.rank for row in table] == list(range(1, 8))


def test_bound_3_delta_is_the_summit_of_five_braids():
    table = korvel.braid_table(3)
    rank = {row.word: row.rank for row in table}
    assert rank["aba"] == 12 and rank["ab"] == 6 and rank["b"] == 2 and rank["a"] == 5
    for word in ["abb", "aab", "aba", "baa", "bba"]:
        row = table[rank[word] - 1]
        assert row.sss == "111" and row.mu3 == 7 and row.mu3sss == 12
    assert table[rank["aab"] - 1].mu3_conjugator == 0
    assert table[rank["aba"] - 1].mu3_conjugator == 6
    assert table[rank["baa"] - 1].mu3_conjugator == 12
    assert table[rank["bba"] - 1].mu3_conjugator == 5
    assert table[rank["abb"] - 1].mu3sss_conjugator == 2


def test_the_ordering_sorts_the_table():
    # b = sigma_2 is large in F and negative in U (index 2 is even).
    assert [row.word for row in korvel.braid_table(1, "F")] == ["", "a", "b"]
    assert [row.word for row in korvel.braid_table(1, "U")] == ["b", "", "a"]
    assert korvel.compare("a", "b") == 1      # the option is back to R


def test_every_positive_braid_once_in_increasing_order():
    for ordering in "RFU":
        table = korvel.braid_table(5, ordering)
        # The positive braids of B_3 have the growth series 1 / (1 - 2t + t^3)
        # (generators a, b; their lcm Delta of length 3): 1, 2, 4, 7, 12, 20
        # braids of length 0..5.
        assert len(table) == 1 + 2 + 4 + 7 + 12 + 20
        for smaller, larger in zip(table, table[1:]):
            assert korvel.compare(smaller.word, larger.word, ordering) == -1
        for row in table:
            assert korvel.alternating_normal_form(row.word) == row.word
            assert decode(row.code) == row.word
            assert table[row.mu3 - 1].sss == row.sss and row.mu3 <= row.rank
            if row.mu3_conjugator:
                c = table[row.mu3_conjugator - 1].word
                assert korvel.equivalent(table[row.mu3 - 1].word + c, c + row.word)


@pytest.mark.parametrize("bound", [korvel.MAX_STUDY_BOUND + 1, 10**12, 0, -1, -3, -(2**40),
                                   -(2**70)])
def test_a_bound_outside_1_to_the_largest_is_a_value_error_naming_it(bound):
    with pytest.raises(ValueError) as error:
        korvel.braid_table(bound)
    assert str(error.value) == f"bound must be an int from 1 to 27, not {bound}"


def test_the_largest_bound_is_accepted():
    # The longest test of the module: the whole table of MAX_STUDY_BOUND, in
    # the long tier and in one everyday run in KORVEL_TEST_SHARE; the other
    # everyday runs take a bound of 18 to 22 drawn from the run's seed (a
    # tenth of the work or less: the tables grow by a factor of about 1.6 per
    # letter). The size is the sum of the growth series 1 / (1 - 2t + t^3) of
    # the positive braids of B_3 up to the bound.
    assert korvel.MAX_STUDY_BOUND == 27
    bound = 27 if sampling.sampled(0, "largest bound") else 18 + sampling.draw("bound") % 5
    counts = [1, 2, 4]
    while len(counts) <= bound:
        counts.append(2 * counts[-1] - counts[-3])
    table = korvel.braid_table(bound)
    where = f"bound {bound} " + sampling.replay()
    assert len(table) == sum(counts[:bound + 1]), where
    assert [row.rank for row in table[:3]] == [1, 2, 3] and table[-1].rank == len(table), where
    assert max(len(row.word) for row in table) == bound, where
    for k in range(0, len(table) - 1, len(table) // 25 + 1):
        assert korvel.compare(table[k].word, table[k + 1].word) == -1, where


def test_bad_arguments():
    with pytest.raises(ValueError):
        korvel.braid_table(2, "r")
    with pytest.raises(TypeError):
        korvel.braid_table("2")


@pytest.mark.parametrize("ordering, bound", [("R", 4), ("F", 5), ("U", 4)])
def test_agreement_with_keys_B_and_M(korvel_program, ordering, bound):
    table = korvel.braid_table(bound, ordering)
    output = korvel_program(f"O\n{ordering}\nB\n{bound}\nM\nQ\n")
    width = max(len(row.code) for row in table)

    def word(rank):
        return table[rank - 1].word if rank else "?"

    def code(rank):
        return table[rank - 1].code if rank else "?"

    listed_b = re.findall(r"^(\d+: .*SSS: \(.*\))$", output, re.M)
    expected_b = [f"{r.rank}: {r.word:>{bound}}; mu3SSS = {word(r.mu3sss):>{bound}} "
                  f"SSS: ({decode(r.sss) if r.sss else ''})" for r in table]
    assert listed_b == expected_b

    listed_m = re.findall(r"^\d+ *:.* -> .* by .*$", output, re.M)
    assert len(listed_m) == len(table)
    for line, r in zip(listed_m, table):
        label = f"{r.rank}" + ("   :" if r.rank <= 9 else "  :" if r.rank <= 99 else " :")
        expected = (label + f"{code(r.rank):>{width}} -> {code(r.mu3):>{width}} / "
                    f"{code(r.mu3sss):>{width}} by {code(r.mu3_conjugator):>{width}} / "
                    f"{code(r.mu3sss_conjugator):>{width}}   {word(r.rank):>{bound}} -> "
                    f"{word(r.mu3):>{bound}} by {word(r.mu3_conjugator):>{bound}}")
        assert line.startswith(expected), (line, expected)
