"""korvel agrees with the korvel program on seeded random words: the same
words are typed at the program's keys C (under R, F and U), H, N and A, and
its printed answers are compared with those of the module. And is_trivial
finds exactly the 2,412 trivial words among the 65,536 words of length 8
over a, b, A, B."""

import itertools
import random
import re

import korvel
import pytest

from conftest import inverse

RULE = "=" * 80


def random_words(seed, count, alphabet, longest):
    rng = random.Random(seed)
    return ["".join(rng.choice(alphabet) for _ in range(rng.randrange(0, longest + 1)))
            for _ in range(count)]


def unwrap(text):
    """A word as the program prints it, without its line breaks ("\\n" and
    five blanks every so many letters)."""
    return text.replace("\n     ", "")


@pytest.mark.parametrize("ordering", ["R", "F", "U"])
def test_compare_agrees_with_key_C(korvel_program, ordering):
    firsts = random_words(100 + ord(ordering), 150, "abcdABCD", 30)
    seconds = random_words(200 + ord(ordering), 150, "abcdABCD", 30)
    # Every fifth pair is one braid written twice.
    seconds[::5] = [w[:3] + "bcCB" + w[3:] + "dD" for w in firsts[::5]]
    seconds[1::5] = [w.replace("aba", "bab") for w in firsts[1::5]]
    session = f"O\n{ordering}\n" + "".join(f"C\n{w1}\n{w2}\n" for w1, w2 in zip(firsts, seconds))
    output = korvel_program(session + "Q\n")
    answers = re.findall(
        r"We have B1 (=) B2\.\n|We have B1 (<) B2, since inverse\(B1\)\.B2 = (.*?),\n"
        r"|We have B1 (>) B2, namely B2 = B1 \* (.*?),\n", output, re.S)
    assert len(answers) == len(firsts)
    for (w1, w2), answer in zip(zip(firsts, seconds), answers):
        relation = answer[0] or answer[1] or answer[3]
        printed = unwrap(answer[2] or answer[4])
        expected = {"=": 0, "<": -1, ">": 1}[relation]
        assert korvel.compare(w1, w2, ordering) == expected, (w1, w2)
        assert korvel.handle_reduce(inverse(w1) + w2, ordering) == printed, (w1, w2)
    assert {korvel.compare(w1, w2, ordering) for w1, w2 in zip(firsts, seconds)} == {-1, 0, 1}


def key_H_lines(steps):
    """The lines key H prints for the steps, the handle between two dots."""
    lines = []
    for number, (word, handle) in enumerate(steps):
        if handle is None:
            text = word or "1"
        else:
            start, stop = handle
            text = word[:start] + "." + word[start:stop] + "." + word[stop:]
        lines.append(f"{number:4d}: {text}")
    return lines


def test_handle_reduction_steps_agree_with_key_H(korvel_program):
    words = random_words(31, 150, "abcABC", 14)
    output = korvel_program("".join(f"H\n{w}\n" for w in words) + "Q\n")
    blocks = re.findall(r"leftmost handle\.\n.*?\n    > (.*?)\n" + RULE, output, re.S)
    assert len(blocks) == len(words)
    for word, block in zip(words, blocks):
        printed = [unwrap(line) for line in re.split(r"\n(?=\s*\d+: )", block)]
        assert key_H_lines(korvel.handle_reduction_steps(word)) == printed, word


def key_N_text(den, num):
    """The text key N prints for a three-strand braid: each part written as
    its normal-form string, "D" per Delta (aba) then "." before each factor,
    the denominator's string inverted, the two joined by "."."""
    def normal_string(factors):
        power = 0
        while power < len(factors) and factors[power] == "aba":
            power += 1
        rest = factors[power:] or [""]
        return "D" * power + "." + "".join("." + f for f in rest)
    return inverse(normal_string(den)) + "." + normal_string(num)


def test_symmetric_normal_form_agrees_with_key_N(korvel_program):
    words = random_words(47, 200, "abAB", 20)
    output = korvel_program("".join(f"N\n{w}\n" for w in words) + "Q\n")
    texts = re.findall(r"The symmetric normal decomposition is\n  (.*)\n", output)
    assert len(texts) == len(words)
    for word, text in zip(words, texts):
        assert key_N_text(*korvel.symmetric_normal_form(word)) == text, word


def test_alternating_normal_form_agrees_with_key_A(korvel_program):
    words = random_words(53, 200, "abcd", 16) + random_words(59, 100, "ab", 25)
    output = korvel_program("".join(f"A\n{w}\n" for w in words) + "Q\n")
    forms = re.findall(r"The alternating normal form is (.*)\n", output)
    assert len(forms) == len(words)
    for word, form in zip(words, forms):
        assert korvel.alternating_normal_form(word) == form, word


def test_is_trivial_on_every_word_of_length_8_over_a_b():
    trivial = sum(korvel.is_trivial("".join(w)) for w in itertools.product("abAB", repeat=8))
    assert trivial == 2412
