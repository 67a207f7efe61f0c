"""The Nielsen-Thurston type, reduction systems, centralizers, rigidity and
entropy from Python, against braids whose type is known by construction:
conjugates of powers of delta = s_1 ... s_(n-1) and of s_1 delta (periodic:
their n-th and (n-1)-th powers are powers of Delta^2), split braids with a
pseudo-Anosov piece, conjugated (reducible, and not periodic as their entropy
is positive), and long random words (pseudo-Anosov, confirmed by their
entropy). Also the limits, the release of the interpreter lock, and the
argument forms."""

import json
import math
import random
import subprocess
import sys
import textwrap

import pytest

import korvel
from korvel import Braid

from conftest import delta_word, random_tietze

GOLDEN = math.log((3 + math.sqrt(5)) / 2)   # sigma_1 sigma_2^-1: 0.9624236501...


def small_delta(n):
    return Braid(list(range(1, n)), strands=n)


def random_braid(rng, n, length):
    return Braid(random_tietze(rng, n, length), strands=n)


def conjugated(rng, b, length):
    c = random_braid(rng, b.strands, length)
    return ~c * b * c


def shifted(b, offset, n):
    return Braid([x + offset if x > 0 else x - offset for x in b.tietze()], strands=n)


def full_twist(n, i, j):
    """The full twist of strands i..j on n strands: (s_i ... s_(j-1))^(j-i+1)."""
    return Braid(list(range(i, j)) * (j - i + 1), strands=n)


def check_reduction_system(x):
    system = x.reduction_system()
    assert system is not None
    c, curves = system
    assert system.conjugator == c and system.curves == curves
    n = x.strands
    assert curves
    for k, (i, j) in enumerate(curves):
        assert 1 <= i < j <= n and (i, j) != (1, n)
        for p, q in curves[:k]:
            assert (p, q) != (i, j)
            assert j < p or q < i or (p <= i and j <= q) or (i <= p and q <= j)
    y = ~c * x * c
    twist = Braid(strands=n)
    for i, j in curves:
        twist = twist * full_twist(n, i, j)
    assert y * twist == twist * y


def test_conjugates_of_powers_of_delta_and_epsilon_are_periodic():
    rng = random.Random(61)
    for n in range(2, 8):
        d2 = Braid(delta_word(n), strands=n) ** 2
        for k in (-n, -1, 1, 2, n + 1):
            a = small_delta(n) ** k
            b = (Braid([1], strands=n) * small_delta(n)) ** k
            assert a ** n == d2 ** k and b ** (n - 1) == d2 ** k
            for x in (conjugated(rng, a, 8), conjugated(rng, b, 8)):
                assert x.thurston_type() == "periodic"
                assert korvel.is_periodic(x) is True
                assert x.is_reducible() is False and x.is_pseudoanosov() is False
                assert x.reduction_system() is None
                assert x.entropy() == 0.0


def test_split_braids_conjugated_are_reducible():
    rng = random.Random(62)
    for k in range(20):
        n = 4 + k % 5
        others = shifted(random_braid(rng, n - 3, rng.randint(1, 8)), 3, n) if n >= 5 else Braid(strands=n)
        x = conjugated(rng, Braid("aB", strands=n) * others, rng.randint(1, 12))
        assert korvel.thurston_type(x) == "reducible", x
        assert x.is_reducible() is True and x.is_periodic() is False and not x.is_pseudoanosov()
        check_reduction_system(x)
        assert x.entropy() > 0.9


def test_long_random_words_are_pseudo_anosov():
    rng = random.Random(63)
    found = 0
    for k in range(30):
        n = 3 + k % 4
        x = random_braid(rng, n, rng.randint(60, 150))
        kind = x.thurston_type()
        if kind == "pseudo-anosov":
            found += 1
            # The least dilatation on at most 8 strands is above 1.4.
            assert x.entropy() > math.log(1.4), x
            assert x.reduction_system() is None
        elif kind == "reducible":
            check_reduction_system(x)
        else:
            assert kind == "periodic" and x.entropy() == 0.0
    assert found >= 27


def test_the_type_is_unchanged_under_conjugation():
    rng = random.Random(64)
    kinds = set()
    for k in range(40):
        n = 3 + k % 5
        x = random_braid(rng, n, rng.randint(2, 30))
        kind = korvel.thurston_type(x)
        kinds.add(kind)
        assert korvel.thurston_type(conjugated(rng, x, rng.randint(1, 15))) == kind, x
    assert {"reducible", "pseudo-anosov"} <= kinds


def test_centralizers_of_known_braids():
    # sigma_1 in B_3: sigma_1 and Delta^2 generate; every generator is
    # sigma_1^a Delta^(2c), which its exponent sum a + 6c and a search find.
    s1, d2 = Braid("a", strands=3), Braid("abaaba")
    vectors = []
    for g in korvel.centralizer(s1):
        assert g * s1 == s1 * g
        e = sum(1 if x > 0 else -1 for x in g.tietze())
        found = [(e - 6 * c, c) for c in range(-20, 21) if g == s1 ** (e - 6 * c) * d2 ** c]
        assert len(found) == 1, g
        vectors.append(found[0])
    gcd = 0
    for p in range(len(vectors)):
        for q in range(p + 1, len(vectors)):
            (a, c), (b, d) = vectors[p], vectors[q]
            gcd = math.gcd(gcd, a * d - b * c)
    assert gcd == 1
    # delta: its powers.
    for n in (3, 5):
        d = small_delta(n)
        exps = []
        for g in d.centralizer():
            e = sum(1 if x > 0 else -1 for x in g.tietze())
            assert e % (n - 1) == 0 and g == d ** (e // (n - 1))
            exps.append(e // (n - 1))
        assert math.gcd(*exps) == 1
    # Delta^2: the whole group; its generators' exponent sums have gcd 1.
    z = korvel.centralizer(d2)
    assert math.gcd(*[sum(1 if x > 0 else -1 for x in g.tietze()) for g in z]) == 1
    # A split braid: each generator commutes, and the words keep the form.
    x = "aadddd"
    z = korvel.centralizer(x)
    assert z and all(isinstance(g, str) for g in z)
    assert all(Braid(g, strands=5) * Braid(x) == Braid(x) * Braid(g, strands=5) for g in z)
    assert all(isinstance(g, tuple) for g in korvel.centralizer([1, 1, 4, 4]))


def test_entropy():
    assert korvel.entropy("aB") == pytest.approx(GOLDEN, abs=1e-5)
    assert korvel.entropy([1, -2], tolerance=1e-9) == pytest.approx(0.9624236501192069, abs=1e-8)
    assert korvel.entropy(Braid(delta_word(5))) == 0.0
    rng = random.Random(65)
    for k in range(10):
        x = random_braid(rng, 3 + k % 3, rng.randint(20, 40))
        if not x.is_pseudoanosov():
            continue
        h = x.entropy()
        assert (x ** 3).entropy() == pytest.approx(3 * h, abs=1e-4)
        assert (x ** -2).entropy() == pytest.approx(2 * h, abs=1e-4)
        assert conjugated(rng, x, 10).entropy() == pytest.approx(h, abs=1e-4)
    for bad in (0.0, -1.0, float("nan"), float("inf")):
        with pytest.raises(ValueError):
            korvel.entropy("aB", tolerance=bad)


def test_rigidity():
    # sigma_1 sigma_2^-1 = Delta^-1 . s_2 . s_2 s_1, rigid: 2. s_1 s_2 squared
    # is Delta s_2: 0. s_1 on three strands: 1.
    assert korvel.rigidity("aB") == 2
    assert Braid("a", strands=3).rigidity() == 1
    assert korvel.rigidity("ab") == 0
    assert korvel.rigidity(Braid(delta_word(4)) ** 3) == 0


def test_reduction_system_forms_and_type_names():
    system = korvel.reduction_system("aBdddd")
    assert isinstance(system, korvel.ReductionSystem) and isinstance(system.conjugator, str)
    assert isinstance(korvel.reduction_system([1, -2, 4, 4]).conjugator, tuple)
    assert isinstance(Braid("aBdddd").reduction_system().conjugator, Braid)
    assert korvel.reduction_system("aB") is None
    assert {korvel.thurston_type(b) for b in ("abc", "aBdd", "aB")} == {
        "periodic", "reducible", "pseudo-anosov"}


def test_limits():
    s = Braid("a", strands=6)
    with pytest.raises(korvel.SetTooLarge, match="2"):
        s.centralizer(max_elements=2)
    assert s.centralizer(max_elements=None)
    # sigma_1 sigma_2^-1 sigma_3 sigma_4^-1: the message of the summit sets.
    with pytest.raises(korvel.SetTooLarge) as summit:
        korvel.ultra_summit_set("aBcD", max_elements=2)
    for call in (korvel.thurston_type, korvel.is_reducible, korvel.is_pseudoanosov,
                 korvel.reduction_system, korvel.centralizer):
        with pytest.raises(korvel.SetTooLarge) as raised:
            call("aBcD", max_elements=2)
        assert str(raised.value) == str(summit.value)
    assert korvel.thurston_type("aBcD", max_elements=None) == "pseudo-anosov"
    with pytest.raises(ValueError, match="max_elements"):
        korvel.thurston_type("aB", max_elements=0)
    with pytest.raises(TypeError):
        korvel.is_reducible("aB", max_elements="many")


def test_the_lock_is_released_during_a_computation():
    # As in test_calls: with a switch interval of 100 s, another thread runs
    # only while the main thread has released the lock. The braid is
    # lengthened until one call takes a measurable time.
    child = textwrap.dedent("""
    import json, random, sys, threading, time
    import korvel
    rng = random.Random(7)
    word = [rng.choice([1, 2, 3, 4, -1, -2, -3, -4]) for _ in range(2000)]
    while True:
        b = korvel.Braid(word)
        start = time.perf_counter()
        korvel.thurston_type(b)
        if time.perf_counter() - start > 0.3:
            break
        word = word * 2
    sys.setswitchinterval(100)
    noted = []
    started = threading.Event()
    def other():
        started.set()
        time.sleep(0.1)
        noted.append(time.perf_counter())
    thread = threading.Thread(target=other)
    thread.start()
    started.wait()
    start = time.perf_counter()
    korvel.thurston_type(b)
    end = time.perf_counter()
    thread.join()
    print(json.dumps({"call": end - start, "other_ran_during_call": noted[0] < end}))
    """)
    done = subprocess.run([sys.executable, "-c", child], stdout=subprocess.PIPE, check=True, timeout=300)
    report = json.loads(done.stdout)
    assert report["call"] > 0.2
    assert report["other_ran_during_call"]


def test_ctrl_c_stops_a_long_computation():
    # A child sends itself SIGINT during a call that takes seconds: the call
    # gives up with KeyboardInterrupt soon after, and the module works on.
    child = textwrap.dedent("""
    import json, os, random, signal, threading, time
    import korvel
    rng = random.Random(8)
    word = [rng.choice([1, 2, 3, 4, -1, -2, -3, -4]) for _ in range(2000)]
    while True:
        b = korvel.Braid(word)
        start = time.perf_counter()
        korvel.thurston_type(b)
        if time.perf_counter() - start > 1.0:
            break
        word = word * 2
    threading.Timer(0.2, lambda: os.kill(os.getpid(), signal.SIGINT)).start()
    start = time.perf_counter()
    try:
        korvel.thurston_type(b)
        raised = None
    except KeyboardInterrupt:
        raised = "KeyboardInterrupt"
    print(json.dumps({"raised": raised, "seconds": time.perf_counter() - start,
                      "afterwards": korvel.thurston_type("aB")}))
    """)
    done = subprocess.run([sys.executable, "-c", child], stdout=subprocess.PIPE, check=True, timeout=300)
    report = json.loads(done.stdout)
    assert report["raised"] == "KeyboardInterrupt"
    assert report["afterwards"] == "pseudo-anosov"
