"""Korvel at a terminal, driven through a real pseudo-terminal as a user
drives it: line editing and history, keys that send escape sequences,
Ctrl-C at prompts and during a computation, Ctrl-D at each kind of prompt,
and the plain reading of a terminal of type dumb.

The answers checked are the program's own lines for braids worked out by
hand: "We have B1 = B2." exactly when the edited word is the intended one.
"""

import os
import re
import signal
import subprocess
import termios

import pytest

from terminal_driver import (
    BACKSPACE, CTRL_A, CTRL_C, CTRL_D, CTRL_E, CTRL_U, DELETE, DOWN, END, ENTER, HOME,
    LEFT, MENU_PROMPT, RIGHT, UP)

EQUAL = "We have B1 = B2."
INTERRUPTED = "The computation was interrupted.\n"
B1 = "    > B1 = "
B2 = "    > B2 = "

# A word whose step-by-step reduction (key H) writes about 770 kB, far more
# than a terminal holds unread: korvel is still reducing it, blocked on its
# output, when the test presses Ctrl-C without reading.
LONG_REDUCTION = "bbaBBA" * 42
STEP = re.compile(r"^ *[0-9]+: ", re.MULTILINE)


def compare(k, first_keys, second_keys):
    """Runs key C, typing FIRST_KEYS and SECOND_KEYS at the two prompts;
    returns the answer lines up to the closing rule."""
    k.expect(MENU_PROMPT)
    k.type("C" + ENTER)
    k.expect(B1)
    k.type(first_keys + ENTER)
    k.expect(B2)
    k.type(second_keys + ENTER)
    return k.expect("=" * 80 + "\n")[-300:]


def quit(k):
    k.expect(MENU_PROMPT)
    k.type("Q" + ENTER)
    assert k.wait() == 0


@pytest.mark.needs_editor
def test_the_left_arrow_edits_the_word_that_is_compared(terminal):
    k = terminal()
    # abx, back over x, erase b, type c: the word is acx.
    assert EQUAL in compare(k, "abx" + LEFT + BACKSPACE + "c", "acx")
    # The same keys must not give the word typed before the edit.
    assert EQUAL not in compare(k, "abx" + LEFT + BACKSPACE + "c", "abx")
    quit(k)


@pytest.mark.needs_editor
def test_editing_keys_move_and_erase_within_the_line(terminal):
    k = terminal()
    # Home and End, Ctrl-A and Ctrl-E: bc -> abc -> abcd -> zabcd -> zabcdy.
    assert EQUAL in compare(k, "bc" + HOME + "a" + END + "d" + CTRL_A + "z" + CTRL_E + "y", "zabcdy")
    # Delete erases under the cursor, Ctrl-U the whole line before it.
    assert EQUAL in compare(k, "abc" + HOME + DELETE, "bc")
    assert EQUAL in compare(k, "zzz" + CTRL_U + "ab", "ab")
    quit(k)


@pytest.mark.needs_editor
def test_up_recalls_earlier_lines_at_a_braid_prompt_and_at_the_menu(terminal):
    k = terminal()
    # B2 recalls B1 (abA); both are sigma_1 sigma_2 sigma_1^-1.
    assert EQUAL in compare(k, "abA", UP)
    # History: C, abA, abA.  At the menu Up three times gives C; at the braid
    # prompts Up gives abA, and Up Up Down gives abA again.
    k.expect(MENU_PROMPT)
    k.type(UP + UP + UP + ENTER)
    k.expect("Enter two braid words")
    k.expect(B1)
    k.type(UP + ENTER)
    k.expect(B2)
    k.type(UP + UP + DOWN + RIGHT + "a" + ENTER)
    # B1 = abA, B2 = abAa = ab: the quotient aB is not 1.
    answer = k.expect("=" * 80 + "\n")
    assert "We have B1 < B2" in answer[-300:]
    quit(k)


def test_keys_that_send_escape_sequences_never_become_letters(terminal):
    k = terminal()
    # Arrows at the ends of the line and of an empty history, F1, F5,
    # Insert, Page Up, Shift-Tab, Shift-Up, arrows in application mode:
    # their last bytes are letters, none of which may enter the word.
    keys = (RIGHT + DOWN + "\x1bOP" + "\x1b[15~" + "\x1b[2~" + "\x1b[5~" + "\x1b[Z"
            + "\x1b[1;2A" + "\x1bOC" + "\x1bOB")
    assert EQUAL in compare(k, "ab" + keys, "ab")
    quit(k)


def test_ctrl_c_at_the_menu_drops_the_line_and_shows_the_prompt_again(terminal):
    k = terminal()
    k.expect(MENU_PROMPT)
    k.type("C")
    k.expect("C")
    k.type(CTRL_C)
    k.expect("^C\n    > ")
    # The dropped C is not part of the next line: h alone gives the help.
    k.type("h" + ENTER)
    shown = k.expect("Explanations about this program")
    assert "compares two braids" not in shown[-400:]
    quit(k)


def test_ctrl_c_at_a_braid_prompt_shows_the_same_prompt_again(terminal):
    k = terminal()
    k.expect(MENU_PROMPT)
    k.type("C" + ENTER)
    k.expect(B1)
    k.type("bb")
    k.expect("bb")
    k.type(CTRL_C)
    k.expect("^C\n" + B1)
    k.type("a" + ENTER)
    k.expect(B2)
    k.type("a" + ENTER)
    assert EQUAL in k.expect("=" * 80 + "\n")[-200:]
    quit(k)


def test_ctrl_c_during_a_computation_abandons_it_and_the_menu_comes_back(terminal):
    k = terminal()
    k.expect(MENU_PROMPT)
    k.type("H" + ENTER)
    k.expect("    > ")
    k.type(LONG_REDUCTION + ENTER)
    k.expect("   1: ")
    k.type(CTRL_C)
    shown = k.expect(INTERRUPTED)
    # The reduction did not run to its end: fewer steps are shown than the
    # whole reduction has, as a piped run of the same session shows it.
    whole = subprocess.run([k.binary], input="H\n" + LONG_REDUCTION + "\nQ\n",
                           capture_output=True, text=True, check=True).stdout
    assert len(STEP.findall(shown)) < len(STEP.findall(whole))
    # The menu comes back and Korvel goes on as usual.
    assert EQUAL in compare(k, "ab", "ab")
    quit(k)


def listing(k, key):
    """The whole listing of key M or S, from its first line to the menu."""
    k.expect(MENU_PROMPT)
    k.type(key + ENTER)
    k.expect("Values of ")
    return k.expect("MAIN MENU").rsplit("Values of ", 1)[1]


def test_an_interrupted_build_leaves_the_tables_of_the_build_before(terminal):
    k = terminal()
    k.expect(MENU_PROMPT)
    k.type("B" + ENTER)
    k.expect("Until which length? ")
    k.type("3" + ENTER)
    mu3 = listing(k, "M")
    sss = listing(k, "S")
    # Lengths up to 3: 1 + 2 + 4 + 7 braids (the counts by length are
    # 1, 2, 4, 7, ...).
    assert mu3.startswith("mu3 for the 14 positive braids of B_3 of length at most 3:")
    # The largest bound: seconds of building and hundreds of megabytes of
    # listing, which the test does not read; Ctrl-C comes while it builds or
    # lists, before the new tables could be installed.
    k.expect(MENU_PROMPT)
    k.type("B" + ENTER)
    k.expect("Until which length? ")
    k.type("27" + ENTER)
    k.expect("Constructing the braid table.")
    k.type(CTRL_C)
    k.expect("The computation was interrupted; the tables are unchanged.\n")
    assert listing(k, "M") == mu3
    assert listing(k, "S") == sss
    quit(k)


def test_ctrl_d_ends_the_input_at_each_prompt_as_it_did(terminal):
    # At the menu: Korvel ends at once.
    k = terminal()
    k.expect(MENU_PROMPT)
    k.type(CTRL_D)
    assert k.wait() == 0
    assert k.text().count("MAIN MENU") == 1

    # At a braid prompt: the braid is trivial, so is the next one, the
    # answer is given and Korvel ends at the next menu.
    k = terminal()
    k.expect(MENU_PROMPT)
    k.type("C" + ENTER)
    k.expect(B1)
    k.type("ab" + ENTER)
    k.expect(B2)
    k.type(CTRL_D)
    assert k.wait() == 0
    assert "We have B1 > B2" in k.text()
    assert k.text().count("MAIN MENU") == 2

    # At the ordering prompt: the ordering stays.
    k = terminal()
    k.expect(MENU_PROMPT)
    k.type("O" + ENTER)
    k.expect("> ")
    k.type(CTRL_D)
    assert k.wait() == 0
    assert "From now on, the ordering is the original R-ordering." in k.text()


@pytest.mark.needs_editor
def test_prompts_are_written_once_and_redrawn_in_place(terminal):
    k = terminal()
    compare(k, "abc" + LEFT + LEFT + "x", UP)
    screen = k.text().split("\n")
    assert B1 + "axbc" in screen
    assert B2 + "axbc" in screen
    # Written once each, by the editor alone: the program holds them back.
    assert k.raw.count(B1) == 1 and k.raw.count(B2) == 1
    quit(k)


def test_a_dumb_terminal_is_read_plainly_without_escape_letters(terminal):
    k = terminal(term="dumb")
    k.expect(MENU_PROMPT)
    k.type("C" + ENTER)
    k.expect(B1)
    # No editing: the arrow's bytes are dropped, not read as letters.
    k.type("ab" + LEFT + UP + "c")
    k.expect("c")
    k.type(CTRL_C)
    k.expect("^C\n" + B1)
    k.type("ab" + LEFT + "c" + ENTER)
    k.expect(B2)
    k.type("abc" + ENTER)
    assert EQUAL in k.expect("=" * 80 + "\n")[-200:]
    quit(k)


@pytest.mark.parametrize("term", ["dumb", ""])
def test_arrows_in_application_mode_are_dropped_at_a_plain_terminal(terminal, term):
    # TERM dumb or empty: no line editor. A terminal in application cursor
    # mode sends the arrows as ESC O A .. ESC O D; their bytes are dropped
    # like those of ESC [ A .. ESC [ D, and the Left arrow moves nothing:
    # ab, Left, c is abc (an editor would make it acb).
    k = terminal(term=term)
    arrows = "\x1bOA" + "\x1bOB" + "\x1bOC" + "\x1bOD"
    assert EQUAL in compare(k, "ab" + arrows + "\x1bOD" + "c", "abc")
    assert EQUAL in compare(k, "a" + UP + "\x1bOA" + LEFT + "\x1bOD" + "b", "ab")
    # Nothing of them is taken for a character that the word ignored.
    assert "Note" not in k.text()
    quit(k)


def cooked(k):
    """Whether the terminal reads whole lines and echoes them, as a shell
    expects to find it (the line editor turns both off while it edits)."""
    flags = termios.tcgetattr(k.fd)[3]
    return bool(flags & termios.ICANON) and bool(flags & termios.ECHO)


@pytest.mark.needs_editor
def test_ctrl_z_and_kill_give_the_terminal_its_modes_back(terminal):
    k = terminal()
    k.expect(MENU_PROMPT)
    assert not cooked(k)  # the editor has the terminal
    k.type("C")
    k.expect("C")
    k.type("\x1a")  # Ctrl-Z
    _, status = os.waitpid(k.pid, os.WUNTRACED)
    assert os.WIFSTOPPED(status)
    assert cooked(k)
    os.kill(k.pid, signal.SIGCONT)
    k.expect("    > C")  # the line is drawn again, and still holds the C
    k.type(ENTER)
    k.expect(B1)
    assert not cooked(k)
    os.kill(k.pid, signal.SIGTERM)
    _, status = os.waitpid(k.pid, 0)
    assert os.WIFSIGNALED(status) and os.WTERMSIG(status) == signal.SIGTERM
    assert cooked(k)
    k.status = status
    os.close(k.fd)
