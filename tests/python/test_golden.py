"""The Python calls answering as each golden key script answers give the
numbers its transcript prints, and the runs' rows the data file of
msa-headless --csv, bit for bit.

Each replay is the script's answers by hand (the editing keys worked out):
the studies return what the screens print, in order, and every such number,
formatted as the dialogue formats it, must appear in that order among the
transcript's numbers (screens repeat and scroll, so the transcript holds the
last iteration of a run of 20, all of them when the script waits at each).
"""
import pathlib
import re
import subprocess

import numpy as np
import pytest

import msa

GOLDEN = pathlib.Path(__file__).resolve().parents[1] / "golden"
t = msa.typed


def attempt(study, **answers):
    try:
        return study(**answers)
    except msa.ModelStop as stop:
        return stop


class Each:
    """A study whose iterations the script waits at, one by one: all are printed."""

    def __init__(self, result):
        self.result = result


def start(s):
    return [attempt(s.excitation)]


REPLAYS = {
    "start_quit": start,
    "long_answers": start,
    "menu_e": lambda s: start(s) + [attempt(s.excitation)],
    "menu_e_each_iteration": lambda s: start(s) + [Each(attempt(s.excitation))],
    "menu_e_mu_4e33_degrees": lambda s: [attempt(s.excitation, mu=t(".4D34"))],
    "stop_idc_negative": lambda s: start(s) + [attempt(s.excitation, Idc=-5)],
    "stop_mu0": lambda s: start(s) + [attempt(s.excitation, mu=0)],
    "stop_mu_above_60": lambda s: start(s) + [attempt(s.excitation, Udc=30, Idc=10)],
    "menu_u_beta": lambda s: start(s) + [attempt(s.supply_voltage, mode="beta")],
    "menu_u_xhi": lambda s: start(s) + [attempt(s.supply_voltage, mode="xhi")],
    "stop_betaref400": lambda s: start(s) + [attempt(s.supply_voltage, mode=1, betaref=400)],
    "menu_s_defaults": lambda s: start(s) + [attempt(s.simulate)],
    "menu_s_one_step": lambda s: start(s) + [attempt(s.simulate, temax=-0.05)],
    "menu_s_dtgrad0": lambda s: start(s) + [attempt(s.simulate, temax=0.1, dtgrad=0, dygrad=0)],
    "menu_s_teinc0": lambda s: start(s) + [attempt(s.simulate, teinc=0)],
    "menu_s_both_modes": lambda s: start(s) + [attempt(s.simulate, mode=1), attempt(s.simulate, mode=2)],
    "menu_s_ramp_twice": lambda s: start(s) + [
        attempt(s.simulate, mode="xhi", Udcfin=200, temin=-0.01, tdt=0, tft=0.05, temax=0.2, teinc=0.001,
                dtgrad=0.05, dygrad=0.1),
        attempt(s.simulate, mode="beta", xhimin=5, temax=0.4, teinc=0.002)],
    "ramp_up_down_then_u": lambda s: start(s) + [
        attempt(s.simulate, mode=1, Udcfin=200, temin=0, tdt=0.5, tft=1.5, temax=2, teinc=0.001),
        attempt(s.simulate, mode=1, Udcfin=150, temin=0, tdt=0.2, tft=1, temax=1.5, teinc=0.001, dtgrad=0.25,
                dygrad=0.1),
        attempt(s.supply_voltage, mode=2)],
    "stalled_time_and_mode_1_5": lambda s: start(s) + [
        attempt(s.simulate, mode=2, teinc=1e-9),
        attempt(s.simulate, mode=t("1.5"), temax=0.2, teinc=0.001)],
    # Menu D from the start-up's answers, each field as typed and edited.
    "dialogue_fields_then_s": lambda s: start(s) + [
        s.enter_data(ldc=t('"0.3,1"'), rdc=t('"0.9"2"'), p=t("2"), r=t("   ,5"), lc=t("0.00611"), M=t("0.0109"),
                     Lr=t("0.0109  x"), rA=t("0.02abc"), romegam=t("1.8d-2"), J=t("0.0936")),
        attempt(s.excitation), attempt(s.simulate, mode=1)],
    # Menu R with odd answers (Lr reads as 0), menu D kept, E, S.
    "menu_r_d_edited": lambda s: start(s) + [
        s.defaults(ldc=t("120.5"), rdc=t("        0.9"), p=t("&H2"), r=t("0,5"), lc=t('"6.11e-3"'),
                   M=t("1.09d-2"), Lr=t("abc1.09e-2"), rA=t("  2.e-002 "), romegam=t("1.8E-21"), J=t("9.36e-2")),
        attempt(s.excitation), s.enter_data(), attempt(s.excitation), attempt(s.excitation),
        attempt(s.simulate, temax=0.01)],
}
# {BREAK} stops a run at its first step, {BREAK n} at its n-th; a run that
# ends before its break ends as usual.
REPLAYS["menu_s_break"] = lambda s: start(s) + [attempt(s.simulate, stop_after=1)]
REPLAYS["menu_s_break_at_step"] = lambda s: start(s) + [attempt(s.simulate, stop_after=2554), attempt(s.simulate)]

NUMBER = re.compile(r"(?<![\w.])-?(?:\d+(?:\.\d*)?(?:e[+-]\d{3})?|nan|inf)(?![\d.])")


def shown(value):
    return msa.format_number(value).strip()


def iteration_numbers(it, excitation):
    values = [it.rau, it.mu, it.nu, it.x, it.y, it.z, it.coeffradd, it.Radd] + ([it.mfif] if excitation else [])
    if it.resolved:
        values += [it.psidc, it.psiqc, it.psic, it.delta]
    return [str(it.iter)] + [shown(v) for v in values]


def printed(result, each_iteration):
    """The numbers the screens print for a study's result, in order."""
    stop = result if isinstance(result, msa.ModelStop) else None
    r = stop.result if stop else result
    iterations = getattr(r, "iterations", ())
    iterations = iterations if each_iteration else iterations[-1:]
    # A stop is worded at row 4, above the last rows of the iterations.
    stopped = [shown(stop.te), shown(stop.Idc)] if stop else []
    if isinstance(r, msa.Excitation):
        c = r.closed_form
        numbers = [shown(v) for v in (r.alpha, c.I1, c.Ec, c.commutation_flux, c.Ef, c.mfif, c.delta)] + stopped
        numbers += [n for it in iterations for n in iteration_numbers(it, True)]
        if not stop:
            numbers += [shown(v) for v in (r.psid, r.psiq, r.psi, r.Cem, r.Cfrot, r.friction_loss, r.Cmec,
                                           r.shaft_power)]
    elif isinstance(r, msa.SupplyVoltage):
        numbers = [shown(v) for v in (r.Cfrot, r.friction_loss, r.Cem, r.Ef)] + stopped
        numbers += [n for it in iterations for n in iteration_numbers(it, False)]
        if not stop:
            numbers += [shown(v) for v in (r.udc, r.psid, r.psiq, r.psi)]
    else:
        p = r.start
        numbers = [shown(v) for v in (p.psi, p.psid, p.psiq, p.rau, p.mu, p.nu, p.Udc)] + stopped
    return numbers + [shown(v) for v in r.state.status.values()]


def in_order(expected, tokens):
    """The first expected number not found after the one before, or None."""
    position = 0
    for number in expected:
        try:
            position = tokens.index(number, position) + 1
        except ValueError:
            return number
    return None


def scripts():
    names = {}
    for keys in sorted((GOLDEN / "keys").glob("*.keys")):
        base, _, language = keys.stem.partition(".")
        names[keys.stem] = (base, language or "fr")
    return names


@pytest.mark.filterwarnings("ignore::msa.StepWarning")
@pytest.mark.parametrize("script", sorted(scripts()))
def test_replay_prints_the_transcripts_numbers(script, headless, tmp_path):
    base, language = scripts()[script]
    assert base in REPLAYS, f"no Python replay of {script}.keys"
    msa.set_language(language)
    session = msa.Session()
    results = [r for r in REPLAYS[base](session) if r is not None]

    transcript = (GOLDEN / "expected" / f"{script}.transcript").read_text(encoding="utf-8")
    rows = [row for row in transcript.splitlines() if not row.startswith("=== ")]
    tokens = NUMBER.findall("\n".join(rows))
    expected = []
    for result in results:
        if isinstance(result, Each):
            expected += printed(result.result, True)
        else:
            expected += printed(result, False)
    assert in_order(expected, tokens) is None, f"{script}: {in_order(expected, tokens)} not printed where expected"
    # A stop's message is the text the screen shows at row 4 (wrapped at 80 columns).
    screen_text = re.sub(r"\s", "", transcript)
    for stop in (r for r in results if isinstance(r, msa.ModelStop)):
        assert re.sub(r"\s", "", stop.message) in screen_text

    runs = [r.result if isinstance(r, msa.ModelStop) else r for r in results if not isinstance(r, Each)]
    runs = [r for r in runs if isinstance(r, msa.Run)]
    if runs:
        csv = tmp_path / "runs.csv"
        keys = (GOLDEN / "keys" / f"{script}.keys").read_bytes()
        subprocess.run([headless, "--lang", language, "--csv", csv], input=keys, stdout=subprocess.DEVNULL,
                       check=False)
        assert_same_rows(csv, runs)


def assert_same_rows(csv, runs):
    """The data file's rows, read back as floats, equal the runs' arrays bit for bit."""
    data = np.genfromtxt(csv, delimiter=",", names=True, dtype=None, encoding="ascii")
    assert list(data.dtype.names) == list(msa.COLUMNS)
    for name in msa.COLUMNS:
        ours = np.concatenate([run.columns[name] for run in runs])
        theirs = data[name].astype(np.int32 if name == "run" else np.float32)
        assert ours.dtype == theirs.dtype
        assert ours.tobytes() == theirs.tobytes(), name
