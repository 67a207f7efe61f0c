"""Pictures of braids: korvel.svg and korvel.tikz, the marked stretch in
Python's positions, the Braid object that Jupyter shows, and agreement with
the korvel program's --svg and --tikz options."""

import os
import subprocess
import xml.etree.ElementTree as ElementTree

import korvel
import pytest

SVG = "{http://www.w3.org/2000/svg}"


def parts(svg_text, cls):
    root = ElementTree.fromstring(svg_text)
    return [e for e in root.iter() if e.get("class") == cls]


@pytest.mark.parametrize("word, strands", [("abA", 3), ("", 1), ("aCb", 4), ("cc", 4)])
def test_svg_draws_one_path_per_strand_and_one_column_per_letter(word, strands):
    text = korvel.svg(word)
    assert text.startswith("<svg")
    assert len(parts(text, "strand")) == strands
    assert len(parts(text, "letter")) == len(word)
    assert parts(text, "handle") == []


def test_the_mark_is_a_python_stretch():
    marked = korvel.svg("abAb", (0, 3))
    assert len(parts(marked, "handle")) == 1
    # The band of letters 1..3 ends where the fourth column begins: a longer
    # mark gives a wider band, the same start the same left edge.
    band = parts(marked, "handle")[0]
    wider = parts(korvel.svg("abAb", (0, 4)), "handle")[0]
    later = parts(korvel.svg("abAb", (1, 3)), "handle")[0]
    assert float(wider.get("width")) > float(band.get("width"))
    assert float(later.get("x")) > float(band.get("x"))
    assert korvel.svg("abAb", (2, 2)) == korvel.svg("abAb")   # an empty stretch marks nothing
    assert korvel.svg("abAb", None) == korvel.svg("abAb")


def test_every_step_of_handle_reduction_draws_with_its_handle():
    for word, handle in korvel.handle_reduction_steps("acbbcbA"):
        text = korvel.svg(word, handle)
        assert len(parts(text, "handle")) == (0 if handle is None else 1)
        assert len(parts(text, "letter")) == len(word)


def test_str_and_tietze_give_the_same_pictures():
    assert korvel.svg("aB c", (1, 3)) == korvel.svg([1, -2, 3], (1, 3))
    assert korvel.tikz("aBc") == korvel.tikz((1, -2, 3))


def test_tikz():
    text = korvel.tikz("abA", (0, 3))
    assert "\\begin{tikzpicture}" in text and "\\end{tikzpicture}" in text
    assert text.count("\\draw") >= 3 and "\\fill" in text
    assert "\\fill" not in korvel.tikz("abA")


@pytest.mark.parametrize("mark", [(0, 4), (2, 1), (-1, 2), (0, 5)])
def test_a_mark_outside_the_word_is_a_value_error(mark):
    with pytest.raises(ValueError):
        korvel.svg("abA", mark)
    with pytest.raises(ValueError):
        korvel.Braid("abA", mark=mark)


@pytest.mark.parametrize("mark", ["ab", (0,), (0, 1, 2), (0.0, 1), 3, (True, 2)])
def test_a_mark_that_is_not_a_pair_of_ints_is_a_type_error(mark):
    with pytest.raises(TypeError):
        korvel.tikz("abA", mark)


def test_braid_objects_show_their_picture():
    braid = korvel.Braid("abA", mark=(0, 3))
    assert braid.tietze() == (1, 2, -1) and braid.mark == (0, 3)
    assert braid._repr_svg_() == braid.svg() == korvel.svg("abA", (0, 3))
    assert braid.tikz() == korvel.tikz("abA", (0, 3))
    assert korvel.Braid("abA")._repr_svg_() == korvel.svg("abA")
    assert korvel.Braid("abA").mark is None
    # The mark is for the picture only: the braid is the same.
    assert braid == korvel.Braid("abA") and hash(braid) == hash(korvel.Braid("abA"))
    assert (braid * braid).mark is None
    with pytest.raises(ValueError):
        korvel.Braid("ab?")
    with pytest.raises(TypeError):
        korvel.Braid(12)
    with pytest.raises(TypeError):
        korvel.Braid("abA", (0, 3))     # the second argument is the strand count


def test_every_step_of_handle_reduction_shows_as_a_braid():
    reduction = korvel.handle_reduction_steps("acbbcbA")
    steps = [korvel.Braid(word, mark=handle) for word, handle in reduction]
    assert [b.mark for b in steps] == [handle for _, handle in reduction]
    for b in steps:
        assert len(parts(b._repr_svg_(), "handle")) == (0 if b.mark is None else 1)


def test_pictures_of_braids_past_the_console_sizes():
    wide = korvel.Braid([60, -1], strands=70)
    assert len(parts(korvel.svg(wide), "strand")) == 70
    assert len(parts(korvel.svg([60, -1]), "strand")) == 61
    long = korvel.Braid("ab" * 1500)
    assert len(parts(long.svg(), "letter")) == 3000
    assert korvel.svg([1, 27]) == korvel.svg(korvel.Braid([1, 27]))


def test_jupyter_shows_the_repr_of_braids_past_the_console_sizes():
    assert korvel.Braid("ab" * 1000)._repr_svg_() is not None            # 2000 letters
    assert korvel.Braid("ab" * 1000 + "a")._repr_svg_() is None
    assert korvel.Braid("a", strands=50)._repr_svg_() is not None
    assert korvel.Braid("a", strands=51)._repr_svg_() is None


def test_pictures_agree_with_the_program_options():
    program = os.environ.get("KORVEL_BINARY")
    if not program:
        pytest.skip("KORVEL_BINARY does not name the korvel program")
    for word in ["abA", "aBcD", "", "bbAc"]:
        for option, function in (("--svg", korvel.svg), ("--tikz", korvel.tikz)):
            done = subprocess.run([program, option, word], stdout=subprocess.PIPE, check=True)
            assert done.stdout.decode() == function(word), (option, word)
