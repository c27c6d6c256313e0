"""A study that the model stops raises: ModelStop, or Interrupted for Ctrl+C.

Both carry what the screen shows at row 4 (.message, in the session's
language), the reason, te and Idc of the state reached, that state, and the
result computed before the stop (.result: the iterations, a run's steps).
"""
from . import _msa
from .language import language


class _Stopped:
    def __init__(self, message, reason, te, Idc, result):
        super().__init__(message)
        self.message = message
        self.reason = reason
        self.te = te
        self.Idc = Idc
        self.result = result

    @property
    def state(self):
        """The drive's state when the model stopped: the next study starts from it."""
        return self.result.state

    def __str__(self):
        return self.message

    def __reduce__(self):
        return (type(self), (self.message, self.reason, self.te, self.Idc, self.result))


class ModelStop(_Stopped, Exception):
    """The model found no admissible state (reason: "negative_current",
    "alpha_above_180", "mu_above_60", "mu_below_0", "alpha_undefined",
    "time_stalled")."""


class Interrupted(_Stopped, KeyboardInterrupt):
    """Ctrl+C during a simulation: the run ended after its step with the
    reason "requested", as Escape ends it in the program."""


def stop_of(raw, result, kind=ModelStop):
    """The exception for a stop the engine reported ({"reason", "te", "Idc"})."""
    message = _msa.stop_message(raw["reason"], raw["te"], raw["Idc"], language())
    return kind(message, raw["reason"], raw["te"], raw["Idc"], result)
