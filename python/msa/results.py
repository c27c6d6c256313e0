"""What the studies return: the quantities their screens print, in the
screens' units (degrees, r/min, V, A, Wb, Nm, W), each value the float the
program stores, and the state the study leaves for the next one."""
from dataclasses import dataclass, fields
from typing import Optional, Tuple

from ._msa import Settings, State


def _build(cls, raw):
    return cls(**{f.name: raw[f.name] for f in fields(cls)})


@dataclass(frozen=True)
class Iteration:
    """One of the 20 iterations of menus E and U, as its screen prints it:
    the angles it starts from (degrees), the commutation coefficients, the
    damper resistance, the excitation (menu E) or current (menu U) it finds,
    the notices of its angle resolution and the new flux vector (None when
    the model stopped in this iteration)."""

    iter: int
    rau: float
    mu: float
    nu: float
    x: float
    y: float
    z: float
    coeffradd: float
    Radd: float
    mfif: float
    Idc: float
    notices: int
    resolved: bool
    psidc: Optional[float]
    psiqc: Optional[float]
    psic: Optional[float]
    delta: Optional[float]


@dataclass(frozen=True)
class ClosedForm:
    """Menu E's closed-form estimate from the fundamentals: I1 (A), Ec (V),
    the commutation flux (Wb), Ef (V), mf if (Wb), the indeterminate
    directions met, and the flux vector's angle delta (degrees)."""

    I1: float
    Ec: float
    commutation_flux: float
    Ef: float
    mfif: float
    notices: int
    delta: float


def _iterations(raw):
    return tuple(_build(Iteration, it) for it in raw["iterations"])


@dataclass(frozen=True)
class Excitation:
    """Menu E: the firing angle alpha (degrees), the closed form, the
    iterations, then the fluxes psid, psiq, psi (Wb), the torques Cem, Cfrot,
    Cmec (Nm), the friction loss and shaft power (W): None when the model
    stopped (the stop carries this result)."""

    alpha: float
    closed_form: ClosedForm
    iterations: Tuple[Iteration, ...]
    psid: Optional[float]
    psiq: Optional[float]
    psi: Optional[float]
    Cem: Optional[float]
    Cfrot: Optional[float]
    friction_loss: Optional[float]
    Cmec: Optional[float]
    shaft_power: Optional[float]
    state: State

    @property
    def mfif(self):
        """The excitation mf if the iterations reached (Wb)."""
        return self.iterations[-1].mfif

    @classmethod
    def _of(cls, raw):
        results = raw["results"] or {}
        return cls(
            alpha=raw["alpha"],
            closed_form=_build(ClosedForm, raw["closed_form"]),
            iterations=_iterations(raw),
            **{name: results.get(name) for name in
               ("psid", "psiq", "psi", "Cem", "Cfrot", "friction_loss", "Cmec", "shaft_power")},
            state=raw["state"],
        )


@dataclass(frozen=True)
class SupplyVoltage:
    """Menu U: the torques the steady state needs (Cfrot, friction loss, Cem),
    the field emf Ef, the iterations, then the supply voltage udc (V, which
    becomes Udc) and the fluxes psid, psiq, psi (Wb): None when the model
    stopped."""

    Cfrot: float
    friction_loss: float
    Cem: float
    Ef: float
    iterations: Tuple[Iteration, ...]
    udc: Optional[float]
    psid: Optional[float]
    psiq: Optional[float]
    psi: Optional[float]
    state: State

    @property
    def Idc(self):
        """The dc current the iterations reached (A)."""
        return self.iterations[-1].Idc

    @classmethod
    def _of(cls, raw):
        results = raw["results"] or {}
        return cls(
            **raw["torques"],
            Ef=raw["Ef"],
            iterations=_iterations(raw),
            **{name: results.get(name) for name in ("udc", "psid", "psiq", "psi")},
            state=raw["state"],
        )


@dataclass(frozen=True)
class StartingPoint:
    """What menu S prints before a run: the fluxes psi, psid, psiq (Wb), the
    angles rau, mu, nu (degrees) and the initial supply voltage Udc (V)."""

    psi: float
    psid: float
    psiq: float
    rau: float
    mu: float
    nu: float
    Udc: float


COLUMNS = ("run", "te_s", "speed_rpm", "idc_a", "mu_deg", "xhi_deg", "beta_deg", "udc_v", "cem_nm")


@dataclass(frozen=True, eq=False, repr=False)
class Run:
    """Menu S: a run of the transient. Its rows are numpy arrays named as the
    data file's columns (run, te_s, speed_rpm, idc_a, mu_deg, xhi_deg,
    beta_deg, udc_v, cem_nm: float32 but run, int32), the starting row then
    one per step, equal bit for bit to what msa-headless --csv writes.
    steps counts the steps, notices the indeterminate directions met; state
    and settings are what the run leaves for the next study."""

    start: StartingPoint
    columns: dict
    steps: int
    notices: int
    state: State
    settings: Settings

    def __getattr__(self, name):
        columns = self.__dict__.get("columns", {})
        if name in columns:
            return columns[name]
        raise AttributeError(f"{type(self).__name__!r} object has no attribute {name!r}")

    def __len__(self):
        return len(self.columns["te_s"])

    def __repr__(self):
        te = self.columns["te_s"]
        span = f"te {te[0]:g} to {te[-1]:g} s" if len(te) else "no rows"
        return f"<msa.Run {self.state.runs}: {self.steps} steps, {span}>"

    def to_pandas(self):
        """The rows as a pandas DataFrame with the data file's columns."""
        from .frames import run_frame

        return run_frame(self.columns, COLUMNS)

    def plot(self, ax=None):
        """The diagram's four curves in physical units (see msa.plot.plot_run)."""
        from .plot import plot_run

        return plot_run(self, ax)

    @classmethod
    def _of(cls, raw):
        return cls(
            start=_build(StartingPoint, raw["start"]),
            columns=dict(raw["columns"]),
            steps=raw["steps"],
            notices=raw["notices"],
            state=raw["state"],
            settings=raw["settings"],
        )
