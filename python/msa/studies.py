"""The three studies of the main menu, each taking what its prompts ask, by
name and in the prompts' units (degrees, r/min, V, A, Wb, Nm, s); None is
Enter, the value shown kept (converted as the prompt converts it, so that
even a kept angle or speed goes through degrees or r/min and back).

A number becomes the float the dialogue would store for its shortest text,
which is the nearest float to it; msa.typed("...") gives the value of an
answer typed as text.
"""
import warnings

from . import _msa
from ._msa import Device, Settings, State
from .language import language
from .results import Excitation, Run, SupplyVoltage
from .stops import Interrupted, stop_of

_MODES = {"beta": 1.0, "xhi": 2.0}


class StepWarning(UserWarning):
    """The time step is below the range whose results the float state keeps."""


def _record(value, kind, name):
    if value is None:
        return kind()
    if not isinstance(value, kind):
        raise TypeError(f"{name}: an msa.{kind.__name__} is wanted, not {type(value).__name__}")
    return value


def _mode(mode):
    """The control mode as the prompt stores it: "beta" is 1, "xhi" is 2; a
    number is taken as typed (the engine compares it with 1.5)."""
    if mode is None or (isinstance(mode, (int, float)) and not isinstance(mode, bool)):
        return mode
    if isinstance(mode, str) and mode in _MODES:
        return _MODES[mode]
    raise ValueError(f"mode: 'beta' or 'xhi' (or the number typed, 1 or 2), not {mode!r}")


def excitation(device=None, state=None, *, xhi=None, Udc=None, Idc=None, speed=None, mu=None):
    """Menu E: the field excitation a steady state needs, the guard angle held.

    Answers: xhi (degrees), Udc (V), Idc (A), speed (r/min), mu (degrees, the
    overlap's first estimate). device and state default to Device() and
    State(). Returns an Excitation; raises ModelStop when the model stops.
    """
    raw = _msa.excitation(_record(device, Device, "device"), _record(state, State, "state"), xhi, Udc, Idc, speed, mu)
    result = Excitation._of(raw)
    if raw["stop"]:
        raise stop_of(raw["stop"], result)
    return result


def supply_voltage(device=None, state=None, settings=None, *, speed=None, Cmec=None, mfif=None, mode=None,
                   betaref=None, xhiref=None, mu=None, delta=None):
    """Menu U: the dc supply voltage of a steady state given by speed, shaft
    torque and field flux, with beta or xhi held fixed.

    Answers: speed (r/min), Cmec (Nm), mfif (Wb), mode ("beta" or "xhi";
    None keeps the state's), betaref or xhiref (degrees: only the one the
    mode holds), mu and delta (degrees, first estimates). settings gives
    xhimin. Returns a SupplyVoltage; raises ModelStop when the model stops.
    """
    raw = _msa.supply_voltage(_record(device, Device, "device"), _record(state, State, "state"),
                              _record(settings, Settings, "settings"), speed, Cmec, mfif, _mode(mode), betaref,
                              xhiref, mu, delta)
    result = SupplyVoltage._of(raw)
    if raw["stop"]:
        raise stop_of(raw["stop"], result)
    return result


def simulate(device=None, state=None, settings=None, *, mode=None, xhimin=None, drau=None, dmu=None, dnu=None,
             Udcfin=None, temin=None, tdt=None, tft=None, temax=None, teinc=None, dtgrad=None, dygrad=None,
             stop_after=None):
    """Menu S: a transient of the supply voltage from Udc to Udcfin.

    Answers: mode ("beta" or "xhi"), xhimin (degrees, only with beta held),
    drau, dmu, dnu (rad/s), Udcfin (V), temin, tdt, tft, temax, teinc (s),
    dtgrad and dygrad (the diagram's graduations, offered at 0.5 and 0.2).
    stop_after ends the run after that many steps, as a stop by hand
    recorded as {BREAK n} does (a ModelStop, "requested"). Returns a Run (its state and settings chain to the next study); raises
    ModelStop when the model stops and Interrupted (a KeyboardInterrupt) on
    Ctrl+C, after the step in progress. Warns (StepWarning) when teinc is
    below the range whose results the float state keeps.
    """
    raw = _msa.simulate(_record(device, Device, "device"), _record(state, State, "state"),
                        _record(settings, Settings, "settings"), _mode(mode), xhimin, drau, dmu, dnu, Udcfin, temin,
                        tdt, tft, temax, teinc, dtgrad, dygrad, stop_after)
    run = Run._of(raw)
    if raw["least_step"] is not None:
        notice = _msa.small_step_notice(run.settings.teinc, raw["least_step"], language())
        warnings.warn(notice, StepWarning, stacklevel=2)
    interruption = raw["interruption"]
    if isinstance(interruption, KeyboardInterrupt):
        raise stop_of(raw["stop"], run, Interrupted) from None
    if interruption is not None:
        raise interruption
    if raw["stop"]:
        raise stop_of(raw["stop"], run)
    return run
