"""A driver of the built korvel through a real pseudo-terminal.

The program runs as the session leader of a new pseudo-terminal, exactly as
in a terminal window: keys written to the master side reach it as typed
(Ctrl-C through the terminal's own line discipline, which sends SIGINT), and
what it writes is read back from the master side.  The tests look at the
screen lines that a terminal would show (see visible), where the line
editor's redrawing has done its work.
"""

import errno
import fcntl
import os
import pty
import re
import select
import signal
import struct
import termios
import time

# Generous: the tests also run under AddressSanitizer on a loaded machine.
TIMEOUT = float(os.environ.get("KORVEL_TERMINAL_TIMEOUT", "120"))

# Keys as a terminal of type xterm sends them.
UP = "\x1b[A"
DOWN = "\x1b[B"
RIGHT = "\x1b[C"
LEFT = "\x1b[D"
HOME = "\x1b[H"
END = "\x1b[F"
DELETE = "\x1b[3~"
BACKSPACE = "\x7f"
CTRL_A = "\x01"
CTRL_C = "\x03"
CTRL_D = "\x04"
CTRL_E = "\x05"
CTRL_U = "\x15"
ENTER = "\r"

_SEQUENCE = re.compile(r"\x1b(\[([0-?]*)[ -/]*([@-~])|\][^\x07]*\x07|[()][0-9A-Za-z]|[=>78])")

MENU_PROMPT = ("Compare two braids .................................................. C\n"
               "  Quit .................................................................. Q\n"
               "    > ")


def visible(raw):
    """The lines a terminal shows for RAW, as text joined by line ends.

    Enough of a terminal for a line editor on one screen line: characters
    overwrite from the cursor, carriage return and backspace move it back,
    ESC [ n C and ESC [ n D move it right and left, ESC [ n @ inserts and
    ESC [ n P deletes characters at the cursor, ESC [ K clears to the end of
    the line; other sequences and bells change nothing.
    """
    lines = []
    line = []
    col = 0
    i = 0
    while i < len(raw):
        c = raw[i]
        if c == "\x1b":
            m = _SEQUENCE.match(raw, i)
            if m:
                i = m.end()
                final, arg = m.group(3), m.group(2) or ""
                n = int(arg) if arg.isdigit() else 1
                if final == "C":
                    col += n
                elif final == "D":
                    col = max(0, col - n)
                elif final == "K" and arg in ("", "0"):
                    del line[col:]
                elif final == "@":
                    line[col:col] = [" "] * n
                elif final == "P":
                    del line[col:col + n]
                continue
            i += 1
            continue
        i += 1
        if c == "\n":
            lines.append("".join(line))
            line = []
            col = 0
        elif c == "\r":
            col = 0
        elif c == "\b":
            col = max(0, col - 1)
        elif c == "\x07":
            pass
        else:
            while len(line) < col:
                line.append(" ")
            if col < len(line):
                line[col] = c
            else:
                line.append(c)
            col += 1
    lines.append("".join(line))
    return "\n".join(lines)


class Korvel:
    """korvel running in a pseudo-terminal of 200 columns."""

    def __init__(self, binary, term="xterm", args=()):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": os.environ.get("HOME", "/tmp"),
            "TERM": term,
            "INPUTRC": "/dev/null",  # the user's key bindings stay out of the tests
            "LC_ALL": "C",
        }
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                env[name] = os.environ[name]
        self.binary = binary
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            try:
                os.execve(binary, [binary, *args], env)
            finally:
                os._exit(127)
        fcntl.ioctl(self.fd, termios.TIOCSWINSZ, struct.pack("HHHH", 50, 200, 0, 0))
        self.raw = ""
        self.mark = 0  # expect() looks at the visible text from here on
        self.status = None

    def type(self, keys):
        os.write(self.fd, keys.encode())

    def _read(self, deadline):
        """Reads what is there, waiting until DEADLINE; False at the end."""
        left = max(0.0, deadline - time.monotonic())
        ready, _, _ = select.select([self.fd], [], [], left)
        if not ready:
            return True
        try:
            data = os.read(self.fd, 65536)
        except OSError as e:  # EIO: the program has ended and closed the terminal
            if e.errno != errno.EIO:
                raise
            return False
        if not data:
            return False
        self.raw += data.decode("latin-1")
        return True

    def text(self):
        return visible(self.raw)

    def expect(self, wanted, timeout=TIMEOUT):
        """Waits until WANTED appears after the mark; moves the mark past it."""
        deadline = time.monotonic() + timeout
        while True:
            shown = self.text()
            at = shown.find(wanted, self.mark)
            if at >= 0:
                self.mark = at + len(wanted)
                return shown[:self.mark]
            if time.monotonic() >= deadline or not self._read(deadline):
                raise AssertionError(
                    "%r did not appear; the terminal shows after the mark:\n%s"
                    % (wanted, shown[self.mark:][-3000:]))

    def since_mark(self):
        return self.text()[self.mark:]

    def wait(self, timeout=TIMEOUT):
        """Reads to the end and returns the exit status."""
        deadline = time.monotonic() + timeout
        while self._read(deadline):
            if time.monotonic() >= deadline:
                os.kill(self.pid, signal.SIGKILL)
                raise AssertionError("korvel did not end; it shows:\n" + self.text()[-3000:])
        _, status = os.waitpid(self.pid, 0)
        os.close(self.fd)
        self.status = os.waitstatus_to_exitcode(status)
        return self.status

    def close(self):
        if self.status is None:
            try:
                os.kill(self.pid, signal.SIGKILL)
                os.waitpid(self.pid, 0)
            except ProcessLookupError:
                pass
            os.close(self.fd)
            self.status = -1
