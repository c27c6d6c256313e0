"""How values reach the engine: a Python number as the float the dialogue
would store for its text, typed answers as the dialogue reads them, and bad
values refused with a clear error before anything runs."""
import math
import pickle
import struct

import numpy as np
import pytest

import msa


def doubles():
    """Doubles over the float range, and the hard ones: halfway between two
    floats, next to halfway, and at the edge of the range."""
    rng = np.random.default_rng(1)
    values = list(rng.uniform(-1, 1, 4000) * 10.0 ** rng.integers(-45, 38, 4000))
    floats = rng.integers(1, 0x7F7FFFFF, 4000, dtype=np.uint32).view(np.float32).astype(np.float64)
    half = [f + math.ulp(np.float32(f)) / 2 for f in floats]
    values += half + [math.nextafter(h, 0) for h in half] + [math.nextafter(h, math.inf) for h in half]
    largest = math.nextafter(float.fromhex("0x1.ffffffp+127"), 0)  # rounds to the largest float
    return values + [0.1, 1 / 3, largest, 1e-45, 7e-46, 0.0, -0.0, 2.0 ** -149, 3 * 2.0 ** -150]


def test_a_python_float_is_stored_as_its_text_typed():
    for x in doubles():
        stored = msa.Device(J=x).J
        # The dialogue reads the shortest text of the double back into that double, then rounds it to float.
        assert struct.pack("<f", stored) == struct.pack("<f", msa.typed(repr(x))) == struct.pack("<f", np.float32(x)), x


def test_typed_answers_read_as_the_dialogue_reads_them():
    cases = {"0,5": 0.0, "&H10": 16.0, "&HFFFFFFFF": -1.0, "&B101": 5.0, "12abc": 12.0, "abc": 0.0,
             "1.5d-3": float(np.float32(0.0015)), '"0.3,1"': float(np.float32(0.3)), "1e39": math.inf,
             "  2.e-002 ": float(np.float32(0.02))}
    assert {text: msa.typed(text) for text in cases} == cases
    assert msa.typed("") is msa.typed("   ,5") is None  # Enter: the value shown is kept


def test_format_number_is_the_screens():
    assert [msa.format_number(v) for v in (0.0, 0.1, 1146, -0.05, 4.322092e-3, 1e7, math.nan, -math.inf)] == [
        " 0", " 0.1", " 1146", "-5.e-002", " 4.322092e-003", " 1.e+007", " nan", "-inf"]


@pytest.mark.parametrize("call, error, words", [
    (lambda: msa.excitation(mu="6.1"), TypeError, "not text"),
    (lambda: msa.excitation(speed=math.nan), ValueError, "speed: not a number"),
    (lambda: msa.excitation(Udc=math.inf), ValueError, "Udc: infinite"),
    (lambda: msa.excitation(Idc=1e39), ValueError, "single-precision"),
    (lambda: msa.excitation(Idc=10 ** 400), ValueError, "single-precision"),
    (lambda: msa.excitation(xhi=True), TypeError, "bool"),
    (lambda: msa.excitation(speeed=1000), TypeError, "speeed"),
    (lambda: msa.excitation(msa.State()), TypeError, "msa.Device"),
    (lambda: msa.supply_voltage(mode="alpha"), ValueError, "'beta' or 'xhi'"),
    (lambda: msa.supply_voltage(mode="xhi", betaref=200), ValueError, "xhiref"),
    (lambda: msa.simulate(mode="xhi", xhimin=5), ValueError, "beta held"),
    (lambda: msa.simulate(teinc=[1e-4]), TypeError, "list"),
    (lambda: msa.Device(Lrr=0.01), TypeError, "Lrr"),
    (lambda: msa.Settings(xhimin=math.nan), ValueError, "xhimin"),
    (lambda: msa.set_language("de"), ValueError, "'fr' or 'en'"),
])
def test_bad_values_are_refused(call, error, words):
    with pytest.raises(error, match=words):
        call()


def test_records_keep_the_dialogues_values_and_pickle_exactly():
    device = msa.Device(M=0.02)
    assert device.replace(Lr=0.02).M2Lr == msa.Device(M=0.02, Lr=0.02).M2Lr != device.M2Lr
    settings = msa.Settings(xhimin=12, teinc=1e-4)
    assert (settings.xhimin, settings.teinc, msa.Settings().xhimin) == (pytest.approx(12), np.float32(1e-4), 10)
    session = msa.Session()
    session.excitation()
    for record in (device, settings, session.state):
        assert pickle.loads(pickle.dumps(record)) == record
    assert session.state != msa.State() and session.state.with_defaults().Udc == 110
