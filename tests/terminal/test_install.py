"""cmake --install into a fresh prefix puts the program at bin/korvel and the
manual page at share/man/man1/korvel.1; the installed program runs, and the
page is clean roff that man renders."""

import os
import shutil
import subprocess


def test_install_into_a_prefix(build_dir, tmp_path):
    prefix = tmp_path / "prefix"
    subprocess.run(["cmake", "--install", build_dir, "--prefix", str(prefix)], check=True,
                   capture_output=True, timeout=300)
    program = prefix / "bin" / "korvel"
    page = prefix / "share" / "man" / "man1" / "korvel.1"
    assert os.access(program, os.X_OK)
    assert page.is_file()

    r = subprocess.run([str(program), "--version"], capture_output=True, text=True, timeout=120)
    assert r.stdout == "Korvel 1.1\n"
    r = subprocess.run([str(program)], input="Q\n", capture_output=True, text=True, timeout=120)
    assert r.returncode == 0 and "MAIN MENU" in r.stdout

    if shutil.which("groff"):
        r = subprocess.run(["groff", "-man", "-ww", "-z", str(page)], capture_output=True,
                           text=True, timeout=120)
        assert (r.returncode, r.stderr) == (0, "")
    if shutil.which("man"):
        env = dict(os.environ, MANWIDTH="80", MANPAGER="cat", PAGER="cat")
        r = subprocess.run(["man", "-l", str(page)], capture_output=True, text=True,
                           timeout=120, env=env)
        assert r.returncode == 0
        shown = " ".join(r.stdout.split())
        for part in ("korvel - interactive calculator for braid groups", "--version",
                     "The computation was interrupted.", "Garside", "Dubrovina"):
            assert part in shown
