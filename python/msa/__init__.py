"""msa from Python: the steady states and transients of a self-controlled
synchronous machine, with the program's digits.

    import msa
    session = msa.Session()
    session.excitation()             # what the program runs at start-up
    run = session.simulate()         # menu S with every answer kept
    run.plot()

The studies (excitation, supply_voltage, simulate) take what their prompts
ask, by name, in the prompts' units; None keeps the value shown. Their
results carry the state reached, so that studies chain as in the program.
See docs/python.md.
"""
try:
    from . import _msa
except ImportError as missing:  # a module built for another Python
    import sys

    raise ImportError(
        f"msa: its compiled part is not built for this Python ({sys.version.split()[0]}): "
        "build it with `pip install --no-build-isolation .` from the source tree"
    ) from missing

from ._msa import Device, Settings, State, __version__, format_number, typed
from .language import language, set_language
from .results import COLUMNS, ClosedForm, Excitation, Iteration, Run, StartingPoint, SupplyVoltage
from .session import Session
from .stops import Interrupted, ModelStop
from .studies import StepWarning, excitation, simulate, supply_voltage
from .sweep import Outcome, grid, sweep

__all__ = [
    "COLUMNS", "ClosedForm", "Device", "Excitation", "Interrupted", "Iteration", "ModelStop", "Outcome", "Run",
    "Session", "Settings", "StartingPoint", "State", "StepWarning", "SupplyVoltage", "excitation", "format_number",
    "grid", "language", "set_language", "simulate", "supply_voltage", "sweep", "typed",
]
