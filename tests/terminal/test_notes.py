"""What Korvel tells a person at a terminal about the lines typed, through a
real pseudo-terminal, with the line editor (TERM=xterm) and without it
(TERM=dumb): a note after a braid word whose characters were ignored, after
a line cut at 255 characters, after key A on a word that is not positive,
and the ordering asked again until one is named. Each note stands once, on
the screen line right after the line it is about, and nowhere else.

The same lines piped give no note: the piped bytes are those of the golden
transcripts (run by ctest), whatever the input holds.
"""

import os
import subprocess

import pytest

from terminal_driver import ENTER, MENU_PROMPT, TIMEOUT

HOW = "; a braid word is written with a..z (sigma_1..sigma_26) and A..Z (their inverses)."
B1 = "    > B1 = "
B2 = "    > B2 = "
PROMPT = "    > "
RULE = "=" * 80
ASK_AGAIN = ("Please answer R (original Ravelind ordering), F (flipped Ravelind ordering) "
             "or U (Dubrovina-Dubrovin ordering).")
NOT_POSITIVE = ("Note: the alternating normal form is defined for positive braids only, and "
                "this word has inverse letters (A..Z).")

TERMS = ["xterm", "dumb"]


def ignored(*characters):
    return "Note: ignored " + ", ".join('"%s"' % c for c in characters) + HOW


def cut(dropped):
    return ("Note: the line was cut at 255 characters; %d more characters were dropped."
            % dropped)


def start(terminal, term):
    """korvel at a terminal of type TERM, at its first menu prompt."""
    k = terminal(term)
    k.expect(MENU_PROMPT)
    return k


def session(k, key, *answers):
    """At the menu prompt, types KEY, then each (prompt, line) of ANSWERS
    after its prompt; returns the screen lines from the key's line to the
    next menu prompt, where it leaves korvel."""
    start = k.mark - len(PROMPT)
    k.type(key + ENTER)
    for prompt, line in answers:
        k.expect(prompt)
        k.type(line + ENTER)
    k.expect(MENU_PROMPT)
    return k.text()[start:k.mark].split("\n")


def follows(lines, expected):
    """Whether EXPECTED stands in LINES as consecutive lines."""
    n = len(expected)
    return any(lines[i:i + n] == expected for i in range(len(lines) - n + 1))


def notes(lines):
    return [line for line in lines if line.startswith("Note:")]


def quit(k):
    k.type("Q" + ENTER)
    assert k.wait() == 0


@pytest.mark.parametrize("term", TERMS)
def test_tietze_lists_at_both_prompts_of_C_each_get_their_note(terminal, term):
    k = start(terminal, term)
    lines = session(k, "C", (B1, "[1, 2, -1]"), (B2, "[2]"))
    # Both words are read as the empty braid, hence the answer; the notes say why.
    assert follows(lines, [B1 + "[1, 2, -1]", ignored("[", "1", ",", "2", "-", "]"),
                           B2 + "[2]", ignored("[", "2", "]"),
                           "We have B1 = B2.", RULE])
    assert len(notes(lines)) == 2
    quit(k)


@pytest.mark.parametrize("term", TERMS)
def test_keys_H_N_and_A_note_the_characters_they_ignored(terminal, term):
    k = start(terminal, term)
    lines = session(k, "H", (PROMPT, "sigma_1"))
    assert follows(lines, [PROMPT + "sigma_1", ignored("_", "1"), "   0: sigma", RULE])
    assert len(notes(lines)) == 1
    lines = session(k, "N", (PROMPT, "[1,2]"))
    assert follows(lines, [PROMPT + "[1,2]", ignored("[", "1", ",", "2", "]"),
                           "The symmetric normal decomposition is", "  ....."])
    assert len(notes(lines)) == 1
    lines = session(k, "A", (PROMPT, "1 2 3"))
    assert follows(lines, [PROMPT + "1 2 3", ignored("1", "2", "3"),
                           "The alternating normal form is "])
    assert len(notes(lines)) == 1
    quit(k)


@pytest.mark.parametrize("term", TERMS)
def test_a_line_of_300_characters_is_noted_as_cut(terminal, term):
    k = start(terminal, term)
    # 255 letters are read; the 45 characters after them are not, so the
    # digits and brackets among them are not named.
    long_line = "a" * 255 + "[1]" * 15
    raw_start = len(k.raw)
    lines = session(k, "C", (B1, long_line), (B2, "a" * 255))
    assert notes(lines) == [cut(45)]
    assert "We have B1 = B2." in lines
    # The screen is 200 columns wide: the long lines wrap, and the editor
    # draws the wrap with moves that the screen model of the driver does not
    # follow. In the bytes written, the note comes after the end of the line
    # typed at B1 and before the prompt of B2.
    raw = k.raw[raw_start:]
    assert raw.find("[1]" * 15) < raw.find(cut(45)) < raw.find(B2)
    quit(k)


@pytest.mark.parametrize("term", TERMS)
def test_a_clean_word_and_the_menu_keys_get_no_note(terminal, term):
    k = start(terminal, term)
    # Blanks, tabs and dots are read without a note; so is a menu line, whose
    # first character alone is the key (X does nothing).
    lines = session(k, "X[1, 2] and more")
    lines += session(k, "C", (B1, "ab A.b\tc"), (B2, "abAbc"))
    assert "We have B1 = B2." in lines
    lines += session(k, "A", (PROMPT, "ab"))
    assert "The alternating normal form is ab" in lines
    assert notes(lines) == []
    assert "Note" not in k.text()
    quit(k)


@pytest.mark.parametrize("term", TERMS)
def test_the_ordering_is_asked_again_on_x_and_on_an_empty_line_then_R_is_taken(terminal, term):
    k = start(terminal, term)
    lines = session(k, "O", ("> ", "U"))
    assert "From now on, the ordering is the DD-ordering." in lines
    lines = session(k, "O", ("> ", "x"), ("\n> ", ""), ("\n> ", "R"))
    assert follows(lines, ["> x", ASK_AGAIN, "> ", ASK_AGAIN, "> R",
                           "From now on, the ordering is the original R-ordering."])
    assert lines.count(ASK_AGAIN) == 2
    assert "From now on, the ordering is ." not in k.text()
    quit(k)


@pytest.mark.parametrize("term", TERMS)
def test_key_A_on_a_word_with_an_inverse_letter_says_why_it_has_no_form(terminal, term):
    k = start(terminal, term)
    lines = session(k, "A", (PROMPT, "aB"))
    assert follows(lines, [PROMPT + "aB", "The alternating normal form is ??ined", NOT_POSITIVE])
    assert len(notes(lines)) == 1
    quit(k)


# The hostile lines of the tests above, in one piped session.
HOSTILE = ("C\n[1, 2, -1]\n[2]\nH\nsigma_1\nN\n[1,2]\nA\n1 2 3\nC\n" + "a" * 255 + "[1]" * 15
           + "\n" + "a" * 255 + "\nA\naB\nO\nx\nQ\n")


def test_the_same_lines_piped_give_no_note_and_the_answer_is_taken_as_typed(korvel_binary):
    out = subprocess.run([korvel_binary], input=HOSTILE.encode("latin-1"), capture_output=True,
                         timeout=TIMEOUT, check=True).stdout.decode("latin-1")
    assert "Note" not in out
    assert "Please answer" not in out
    assert out.count("We have B1 = B2.") == 2
    assert "The alternating normal form is ??ined\n" in out
    # x is stored as typed and names no ordering.
    assert "> From now on, the ordering is .\n" in out



# Where a note's character begins to be a UTF-8 sequence after the lead byte
# C2: C2 A0 is U+00A0, the no-break space of text pasted from web pages, one
# character that the note quotes whole, as it quotes a sigma (the screen here
# decodes bytes as Latin-1 and reads it as "\xc2\xa0"; a UTF-8 terminal shows
# one blank between the quotes); C2 80..C2 9F are the C1 controls
# U+0080..U+009F, which a terminal may obey, named byte by byte.
NO_BREAK_SPACE = 'Note: ignored "\xc2\xa0"' + HOW


def bytes_note(*codes):
    return "Note: ignored " + ", ".join("the byte 0x%02X" % c for c in codes) + HOW


@pytest.fixture
def utf8_terminal(terminal, monkeypatch):
    """As terminal, with korvel in the locale C.UTF-8, that of a person who
    pastes from a web page: the line editor takes the locale's characters
    whole. (In the driver's locale C it drops a character of bytes above 7F
    typed first on a line.)"""
    real_execve = os.execve

    def execve(path, args, env):
        real_execve(path, args, {**env, "LC_ALL": "C.UTF-8"})

    monkeypatch.setattr(os, "execve", execve)
    return terminal


def word_bytes(k, key, line):
    """At the menu prompt, types KEY, then the bytes LINE after the prompt
    of its braid word; returns the screen lines from the key's line to the
    next menu prompt, where it leaves korvel."""
    start = k.mark - len(PROMPT)
    k.type(key + ENTER)
    k.expect(PROMPT)
    os.write(k.fd, line + ENTER.encode())
    k.expect(MENU_PROMPT)
    return k.text()[start:k.mark].split("\n")


def noted_once(lines, note):
    """Whether NOTE is the one note of LINES, right after the line typed
    and before the steps of key H on the word ab that is left."""
    if notes(lines) != [note]:
        return False
    at = lines.index(note)
    return lines[at - 1].startswith(PROMPT) and lines[at + 1] == "   0: ab"


@pytest.mark.parametrize("term", TERMS)
def test_a_no_break_space_is_one_character_and_the_c1_controls_are_bytes(utf8_terminal, term):
    k = start(utf8_terminal, term)
    assert noted_once(word_bytes(k, "H", b"a\xc2\xa0b"), NO_BREAK_SPACE)
    assert noted_once(word_bytes(k, "H", b"\xc2\xa0a\xc2\xa0b\xc2\xa0"), NO_BREAK_SPACE)
    assert noted_once(word_bytes(k, "H", b"a\xc2\x9fb"), bytes_note(0xC2, 0x9F))
    assert noted_once(word_bytes(k, "H", b"a\xc2\x80b"), bytes_note(0xC2, 0x80))
    both = bytes_note(0xC2, 0x9F).replace(HOW, ', "\xc2\xa0"' + HOW)
    assert noted_once(word_bytes(k, "H", b"a\xc2\x9fb\xc2\xa0"), both)
    quit(k)


def test_a_lead_byte_without_its_continuation_is_a_byte(utf8_terminal):
    # Read without the line editor, which drops such a byte before korvel
    # reads the line.
    k = start(utf8_terminal, "dumb")
    assert noted_once(word_bytes(k, "H", b"\xc2ab"), bytes_note(0xC2))
    assert noted_once(word_bytes(k, "H", b"ab\xc2"), bytes_note(0xC2))
    assert noted_once(word_bytes(k, "H", b"\xc2\x9fab"), bytes_note(0xC2, 0x9F))
    quit(k)
