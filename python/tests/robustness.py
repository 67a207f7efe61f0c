"""The robustness sweep of the module's interface, shared by
test_robustness.py (a seeded sample, every day) and test_robustness_long.py
(every case).

Every public function, every Braid method and every operator is called with
hostile values in one argument at a time (the others ordinary): wrong types,
None, floats, NaN, huge and negative ints, 0 and 32,768 strands, empty and
10^6-letter braids, huge limits, non-ASCII text, objects whose methods raise.
The functions are found by introspection, their arguments read from the
signature each docstring begins with, so functions added later are swept
too. The calls run in a child process, so that a crash is seen as the
child's death and a hang as its silence: each call has LIMIT seconds, after
which a timer signal asks it to stop (the module looks at Python's signals
while it computes), and a call that has not stopped GRACE seconds later is
a hang.

A call passes when it raises a documented exception (TypeError, ValueError,
OverflowError for a value the argument does not take; BoundExceeded,
SetTooLarge or MemoryError for one it does), or the exception of the hostile
object itself, or answers where the value is valid; where the answer is
known it must be right: a limit too large to hold is no limit, an object
with __index__ is its int, and a trivial braid of 10^6 letters has the
answers of the empty braid. A valid call on a huge braid may also be stopped
by the timer (a computation that long is the caller's to bound)."""

import ast
import inspect
import json
import os
import select
import subprocess
import sys
import tempfile
import time

import sampling

LIMIT = 2.0      # seconds a call may compute before the timer stops it
GRACE = 3.0      # seconds a call has to stop after that

# Argument names and what they take.
BRAIDS = {"b", "b1", "b2", "a", "other", "self"}
ARGUMENTS = BRAIDS | {"strands", "ordering", "method", "max_length", "max_elements", "mark", "bound",
                  "i", "k", "letters", "tolerance", "reduced"}

# Ordinary values for the arguments not swept.
ORDINARY = {"self": "korvel.Braid('abcab')", "b": "'abcab'", "b1": "'abcab'", "b2": "'bca'",
            "a": "'abcab'", "other": "'bca'",
            "ordering": "'R'", "method": "'auto'", "max_length": "None", "max_elements": "100000",
            "strands": "None", "mark": "None", "bound": "2", "i": "1", "k": "2",
            "letters": "b'\\x01\\x00'"}

# The hostile values, by name: the expression the child evaluates.
VALUES = {
    "None": "None", "True": "True", "1.0": "1.0", "2.5": "2.5", "nan": "float('nan')",
    "inf": "float('inf')", "-inf": "float('-inf')", "1j": "1j", "0": "0", "-1": "-1",
    "2**63": "2**63", "2**64": "2**64", "-2**70": "-2**70", "10**100": "10**100",
    "32767": "32767", "32768": "32768", "index3": "Index(3)", "index_raises": "IndexRaises()",
    "''": "''", "'\u00e9'": "'\u00e9'", "surrogate": "'\\ud800'", "'a\\0b'": "'a\\x00b'",
    "'R'": "'R'", "'r'": "'r'", "'R '": "'R '",
    "b'ab'": "b'ab'", "bytearray": "bytearray(b'ab')", "[]": "[]", "[0]": "[0]",
    "[1.0]": "[1.0]", "[None]": "[None]", "[True]": "[True]", "[2**63]": "[2**63]",
    "[32767]": "[32767]", "[[1]]": "[[1]]", "[index_raises]": "[IndexRaises()]",
    "{}": "{}", "{1}": "{1}", "object()": "object()", "iter": "iter([1, 2])",
    "StrSub": "StrSub('ab')", "SeqRaises": "SeqRaises()", "TietzeRaises": "TietzeRaises()",
    "Tietze5": "TietzeOf(5)", "TietzeStrands0": "TietzeOf([1], 0)",
    "TietzeStrands2.5": "TietzeOf([1], 2.5)",
    "unmade": "korvel.Braid.__new__(korvel.Braid)", "Braid()": "korvel.Braid()", "Braid(strands=3)": "korvel.Braid(strands=3)",
    "trivial10**6": "TRIVIAL", "positive10**6": "korvel.Braid('a' * 10**6)",
    "commutator10**6": "korvel.Braid('abAB' * 250000)",
    "wide": "korvel.Braid('a', strands=32767)", "wide_word": "korvel.Braid([32766, -1, 5])",
    "(0, 1)": "(0, 1)", "(1, 0)": "(1, 0)", "(-1, 0)": "(-1, 0)", "(0, 2**70)": "(0, 2**70)",
    "(0.0, 1)": "(0.0, 1)", "(0, 1, 2)": "(0, 1, 2)", "('a', 'b')": "('a', 'b')",
    "(True, 1)": "(True, 1)",
}

# Values each kind of argument takes: "valid" (any answer or a documented
# exception of a valid call), "either" (that, or a refusal), a name of a
# value it means ("same as"), or "own" (the object's own exception may come
# through); every other value must be refused.
HUGEBRAIDS = {"trivial10**6": "valid", "positive10**6": "valid", "commutator10**6": "valid",
              "wide": "valid", "wide_word": "valid"}
TAKES = {
    "braid": {"''": "valid", "'R'": "valid", "'r'": "valid", "'R '": "valid", "[]": "valid", "StrSub": "valid",
              "Braid()": "valid", "Braid(strands=3)": "valid", "SeqRaises": "own",
              "TietzeRaises": "own", "[index_raises]": "own", **HUGEBRAIDS},
    "strands": {"None": "valid", "32767": "valid", "index3": "3", "index_raises": "own"},
    "ordering": {"'R'": "valid"},
    "method": {},
    "max_length": {"None": "valid", "0": "valid", "2**63": "None", "2**64": "None",
                   "10**100": "None", "32767": "valid", "32768": "valid", "index3": "3",
                   "index_raises": "own"},
    "max_elements": {"None": "valid", "2**63": "None", "2**64": "None", "10**100": "None",
                     "32767": "valid", "32768": "valid", "index3": "3", "index_raises": "own"},
    "mark": {"None": "valid", "(0, 1)": "valid", "index_raises": "refused"},
    "bound": {"index3": "3", "index_raises": "own"},
    "i": {"-1": "valid", "True": "1", "index3": "3", "index_raises": "own", "32767": "refused"},
    "k": {"0": "valid", "-1": "valid", "True": "1", "index3": "either", "index_raises": "own",
          "32767": "valid", "32768": "valid"},
    "letters": {"b'ab'": "valid"},
    "tolerance": {"1.0": "valid", "2.5": "valid", "None": "either", "inf": "either",
                  "32767": "either", "32768": "either", "2**63": "either", "2**64": "either",
                  "10**100": "either", "True": "either", "index3": "either",
                  "index_raises": "own"},
    # A flag read by its truth value, which a Braid made by __new__ refuses.
    "reduced": {**{name: "valid" for name in VALUES}, "unmade": "own"},
    "unknown": {name: "valid" for name in VALUES},
}

# Functions whose answer depends on the braid alone, not on its word: a
# trivial word of 10^6 letters must give the empty braid's answer.
BRAIDFUNCTIONS = {"compare", "sign", "equivalent", "is_trivial", "coordinates",
                  "left_normal_form", "symmetric_normal_form", "handle_reduce", "handle_reduced",
                  "conjugacy_representative", "inf", "sup", "canonical_length", "__eq__",
                  "__ne__", "__lt__", "__le__", "__gt__", "__ge__", "__hash__", "eq", "ne", "lt",
                  "le", "gt", "ge", "mul", "pow", "inverse", "__invert__", "thurston_type",
                  "is_periodic", "is_reducible", "is_pseudoanosov", "rigidity", "entropy",
                  "is_conjugate", "is_conjugated", "alexander_polynomial"}

# The operators, called through the operator module: each takes another
# Braid (or an int exponent), a wrong type is NotImplemented (TypeError, or
# False and True for == and !=).
OPERATORS = {"__mul__": "mul", "__pow__": "pow", "__eq__": "eq", "__ne__": "ne", "__lt__": "lt",
             "__le__": "le", "__gt__": "gt", "__ge__": "ge"}
UNARY = ["__invert__", "__hash__", "__len__", "__repr__", "__str__", "__reduce__", "_latex_",
         "_repr_svg_"]


def kind_of(name):
    if name in BRAIDS:
        return "braid"
    return name if name in ARGUMENTS else "unknown"


def signature_of(obj, name):
    """(positional names, keyword-only names, {name: default}) from the
    signature the docstring begins with, or from inspect's."""
    doc = (getattr(obj, "__doc__", None) or "").lstrip()
    first = doc.splitlines()[0] if doc else ""
    if first.startswith(name + "("):
        depth, end = 0, None
        for k, c in enumerate(first):
            depth += c == "("
            depth -= c == ")"
            if depth == 0 and c == ")":
                end = k
                break
        tree = ast.parse(f"def f({first[len(name) + 1:end]}): pass").body[0].args
        positional = [a.arg for a in tree.args]
        keyword = [a.arg for a in tree.kwonlyargs]
        defaults = dict(zip(positional[len(positional) - len(tree.defaults):],
                            [ast.unparse(d) for d in tree.defaults]))
        defaults.update({a.arg: ast.unparse(d) for a, d in zip(tree.kwonlyargs, tree.kw_defaults)
                         if d is not None})
        return positional, keyword, defaults
    try:
        parameters = inspect.signature(obj).parameters.values()
    except (TypeError, ValueError):
        return None
    return ([p.name for p in parameters if p.kind != p.KEYWORD_ONLY],
            [p.name for p in parameters if p.kind == p.KEYWORD_ONLY],
            {p.name: repr(p.default) for p in parameters if p.default is not p.empty})


def targets(korvel):
    """(label, callee expression, positional names, keyword-only names,
    defaults) for every function, method and operator of the module."""
    found = []
    for name in sorted(dir(korvel)):
        obj = getattr(korvel, name)
        if (name.startswith("_") and name != "_braid") or isinstance(obj, type) or not callable(obj):
            continue
        found.append((name, f"korvel.{name}", *(signature_of(obj, name) or (["b"], [], {}))))
    found.append(("Braid", "korvel.Braid", *signature_of(korvel.Braid, "Braid")))
    for name in sorted(dir(korvel.Braid)):
        obj = getattr(korvel.Braid, name)
        if name.startswith("_") and name not in UNARY or isinstance(obj, property):
            continue
        if name in UNARY:
            found.append((f"Braid.{name}", f"korvel.Braid.{name}", ["self"], [], {}))
        elif name in ("generator", "delta"):
            found.append((f"Braid.{name}", f"korvel.Braid.{name}", *signature_of(obj, name)))
        elif callable(obj):
            # A method without its own signature is the module function of
            # its name with the braid as its first argument.
            signature = signature_of(obj, name)
            if signature is None and callable(getattr(korvel, name, None)):
                positional, keyword, defaults = signature_of(getattr(korvel, name), name)
                positional = positional[1:]
            else:
                positional, keyword, defaults = signature or ([], [], {})
            found.append((f"Braid.{name}", f"korvel.Braid.{name}", ["self"] + positional, keyword,
                          defaults))
    for name, op in OPERATORS.items():
        found.append((f"Braid.{name}", f"operator.{op}", ["self", "k" if op == "pow" else "other"],
                      [], {}))
    return found


def expectation(label, slot, value):
    """What a call of LABEL with VALUE in the argument SLOT must do: "refused",
    "valid", "own", "operand" (an operator's other operand), or the name of
    the value it means."""
    kind = kind_of(slot)
    braid = value.startswith(("Braid", "trivial", "positive", "commutator", "wide"))
    if label.split(".")[-1] in OPERATORS:
        if slot == "k":
            return TAKES["k"].get(value, "refused")
        if value == "unmade":
            return "refused"
        if label == "Braid.__pow__" and not braid:
            return None           # pow(x, 2) of another type is not the module's
        return "valid" if braid else "operand"
    if label.startswith("Braid.") and slot == "self":
        # A method may take any braid as its self, as the module function does.
        taken = TAKES["braid"].get(value, "refused")
        return "valid" if braid else "either" if taken == "valid" else taken
    return TAKES[kind].get(value, "refused")


def cases(korvel):
    """Every case of the sweep, in a fixed order: (label, callee, args,
    kwargs, slot, value, expectation), the args and kwargs as expressions."""
    result = []
    for label, callee, positional, keyword, defaults in targets(korvel):
        ordinary = dict(ORDINARY)
        if label.split(".")[-1] in OPERATORS:
            ordinary["other"] = "korvel.Braid('bca')"
        required = [n for n in positional if n not in defaults]
        for slot in positional + keyword:
            last = max([positional.index(n) for n in required + [slot] if n in positional],
                       default=-1)
            for value in VALUES:
                expect = expectation(label, slot, value)
                if expect is None:
                    continue
                args = [VALUES[value] if name == slot else
                        ordinary.get(name, defaults.get(name, "'abcab'"))
                        for name in positional[:last + 1]]
                kwargs = {slot: VALUES[value]} if slot in keyword else {}
                result.append((label, callee, args, kwargs, slot, value, expect))
    return result


# ---------------------------------------------------------------- the child

CHILD = r'''
import json, math, operator, pickle, resource, signal, sys
import korvel

class Hostile(Exception):
    """Raised by the hostile objects themselves."""

class Index:
    def __init__(self, v): self.v = v
    def __index__(self): return self.v

class IndexRaises:
    def __index__(self): raise Hostile("__index__")

class StrSub(str):
    pass

class SeqRaises:
    def __len__(self): return 3
    def __getitem__(self, k): raise Hostile("__getitem__")

class TietzeRaises:
    def Tietze(self): raise Hostile("Tietze")

class TietzeOf:
    def __init__(self, word, strands=None): self.word, self.n = word, strands
    def Tietze(self): return self.word
    def strands(self): return self.n if self.n is not None else 2

class Stopped(BaseException):
    pass

def stop(signum, frame):
    raise Stopped()

signal.signal(signal.SIGALRM, stop)
# Memory runs out as MemoryError (std::bad_alloc) rather than the machine's.
resource.setrlimit(resource.RLIMIT_AS, (6 << 30, 6 << 30))
TRIVIAL = korvel.Braid("ab" * 250000 + "BA" * 250000)
REFUSALS = (TypeError, ValueError, OverflowError)
VALID = (ValueError, korvel.BoundExceeded, korvel.SetTooLarge, MemoryError)

def same(x, y):
    if isinstance(x, float) and isinstance(y, float):
        return x == y or (math.isnan(x) and math.isnan(y))
    return type(x) is type(y) and x == y

def call(callee, args, kwargs):
    function = eval(callee)
    return function(*[eval(a) for a in args], **{k: eval(v) for k, v in kwargs.items()})

def outcome(callee, args, kwargs):
    signal.setitimer(signal.ITIMER_REAL, LIMIT)
    try:
        return ("answer", call(callee, args, kwargs))
    except Stopped:
        return ("stopped", None)
    except BaseException as e:
        return ("raised", e)
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0)

def verdict(case):
    label, callee, args, kwargs, slot, value, expect = case
    how, what = outcome(callee, args, kwargs)
    shown = type(what).__name__ + ": " + str(what)[:200] if how == "raised" else repr(what)[:200]
    if how == "raised" and isinstance(what, Hostile):
        return None if expect in ("own", "valid", "operand", "either") else "raised the argument's own " + shown
    if expect == "either" and how == "raised" and isinstance(what, REFUSALS):
        return None
    if expect == "refused":
        return None if how == "raised" and isinstance(what, REFUSALS) else f"not refused: {how} {shown}"
    if expect == "operand":
        name = callee.split(".")[-1]
        if name in ("eq", "ne"):
            return None if how == "answer" and what is (name == "ne") else f"{how} {shown}"
        return None if how == "raised" and isinstance(what, TypeError) else f"{how} {shown}"
    if how == "stopped":
        return None if value in HEAVY else "stopped by the timer"
    if how == "raised":
        return None if isinstance(what, VALID) or (expect == "own" and isinstance(what, REFUSALS)) else "raised " + shown
    if expect not in ("valid", "own", "either"):
        # The value means another: the answer must be the same.
        swap = lambda e: VALUES.get(expect, expect) if e == VALUES[value] else e
        how2, reference = outcome(callee, [swap(a) for a in args], {k: swap(v) for k, v in kwargs.items()})
        if how2 == "answer" and not same(what, reference):
            return f"answered {shown}, but {expect} gives {reference!r:.200}"
    if value == "trivial10**6" and callee.split(".")[-1] in BRAIDFUNCTIONS:
        swap = lambda e: "korvel.Braid(strands=3)" if e == "TRIVIAL" else e
        how2, reference = outcome(callee, [swap(a) for a in args], {k: swap(v) for k, v in kwargs.items()})
        if how2 == "answer" and not same(what, reference):
            return f"answered {shown}, but the empty braid gives {reference!r:.200}"
    return None

for line in sys.stdin:
    k, case = json.loads(line)
    print(json.dumps([k, "start"]), flush=True)
    print(json.dumps([k, verdict(case)]), flush=True)
'''

# The values that may ask for a long computation, which the timer may stop:
# huge braids, strand counts and limits (None: no limit).
HEAVY = {"positive10**6", "commutator10**6", "trivial10**6", "wide", "wide_word", "32767",
         "32768", "2**63", "2**64", "10**100", "None", "Braid(strands=3)"}


def child_source(limit, imports):
    return (f"{imports}\nLIMIT = {limit!r}\nVALUES = {VALUES!r}\nHEAVY = {HEAVY!r}\n"
            f"BRAIDFUNCTIONS = {BRAIDFUNCTIONS!r}\n" + CHILD)


def run(selected, limit=LIMIT, grace=GRACE, env=None, imports="", patience=None):
    """Runs the cases SELECTED ((index, case) pairs) in child processes and
    returns the failures as (index, case, what happened). A child that dies
    or falls silent fails its running case; the next child goes on after it.
    A case makes up to three calls (its own and a reference), each with the
    time limit, so a case is a hang after PATIENCE seconds of silence, by
    default 3 * LIMIT + GRACE."""
    patience = 3 * limit + grace if patience is None else patience
    source = child_source(limit, imports)
    failures = []
    pending = list(selected)
    while pending:
        with tempfile.TemporaryFile("w+") as feed, tempfile.TemporaryFile("w+") as errors:
            feed.write("".join(json.dumps([k, c]) + "\n" for k, c in pending))
            feed.seek(0)
            process = subprocess.Popen([sys.executable, "-c", source], stdin=feed,
                                       stdout=subprocess.PIPE, stderr=errors, env=env)
            done, running, buffer = set(), None, b""
            last = time.monotonic()
            while True:
                ready, _, _ = select.select([process.stdout], [], [], 0.05)
                if ready:
                    data = os.read(process.stdout.fileno(), 1 << 16)
                    if not data:
                        break
                    last = time.monotonic()
                    *lines, buffer = (buffer + data).split(b"\n")
                    for line in lines:
                        k, result = json.loads(line)
                        running = k if result == "start" else None
                        if result != "start":
                            done.add(k)
                            if result is not None:
                                failures.append((k, dict(pending)[k], result))
                elif time.monotonic() - last > patience:
                    process.kill()
                    failures.append((running, dict(pending).get(running),
                                     f"hang: still computing {patience:.0f} s on"))
                    break
            process.wait()
            process.stdout.close()
            errors.seek(0)
            if running is not None:
                done.add(running)
                if process.returncode != -9:
                    failures.append((running, dict(pending)[running],
                                     f"crash: the child ended with {process.returncode}: "
                                     + errors.read()[-300:]))
            elif process.returncode != 0 and not done:
                raise RuntimeError("the sweep's child failed: " + errors.read()[-2000:])
        pending = [(k, c) for k, c in pending if k not in done]
    return failures


def sample(all_cases):
    """The cases this run checks, as sampling.py chooses them (one in
    KORVEL_TEST_SHARE, by KORVEL_TEST_SEED), known faults left to the long
    tier, and the words that replay it."""
    return ([(k, c) for k, c in enumerate(all_cases)
             if sampling.sampled(k, "robustness") and not known(c)], sampling.replay())


# Faults the sweep found below the module, in the engines, and not mended
# here (FAULTS): (the function's name, the braid or strand count) -> what
# happens; some are seen only on a loaded machine. The sweep reports
# them without failing; a case of this list that passes is reported too, so
# that the list shrinks when they are mended.
SLOW = "does not stop within the limit: the engine does not look at the stop request often enough"
FAULTS = {
    **{(name, "commutator10**6"): "Garside normal forms of 10^6 letters: " + SLOW
       for name in ("symmetric_normal_form", "thurston_type", "entropy", "is_periodic",
                    "is_pseudoanosov", "is_reducible", "reduction_system")},
    **{(name, value): "Garside normal forms on 32,767 strands: " + SLOW
       for name in ("left_normal_form", "cycling", "decycling")
       for value in ("wide", "wide_word", "32767")},
    **{(name, value): "simple factors of half a billion letters on 32,767 strands are written "
                      "without a look at the stop request"
       for name in ("right_normal_form", "left_gcd", "right_gcd", "left_lcm", "right_lcm")
       for value in ("wide", "wide_word", "32767")},
    **{(name, value): "a picture of 10^6 letters (300 MB, about 10 s) cannot be stopped"
       for name in ("svg", "tikz") for value in ("trivial10**6", "positive10**6",
                                                  "commutator10**6")},
    ("__hash__", "commutator10**6"): "hashing a braid of 10^6 letters cannot be stopped",
}


def known(case):
    """The known fault of CASE (the value in a braid or a strand count), or None."""
    if not case or case[4] not in BRAIDS | {"strands"}:
        return None
    return FAULTS.get((case[0].split(".")[-1], case[5]))


def split(failures):
    """(the failures not in FAULTS, the known ones)."""
    return ([f for f in failures if not known(f[1])], [f for f in failures if known(f[1])])


def report(failures):
    return "\n".join(f"case {k}: {c[0]}({', '.join(c[2])}{''.join(f', {a}={v}' for a, v in c[3].items())})"
                     f" [{c[4]} = {c[5]}]: {what}" for k, c, what in failures)
