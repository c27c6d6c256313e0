"""The transient's diagram with matplotlib: the four curves the program
draws (speed, overlap angle mu, guard angle xhi, dc current) in physical
units, one axis per unit, labelled in the session's language."""
from . import _msa
from .language import language

# The program's colours where they read on white: red, magenta, yellow
# (darkened), white (black).
_COLOURS = {"speed": "red", "mu": "magenta", "xhi": "goldenrod", "current": "black"}
_AXES = {
    "fr": {"time": "te (s)", "speed": "vitesse (tr/min)", "angles": "angles (°)", "current": "courant dc (A)"},
    "en": {"time": "te (s)", "speed": "speed (r/min)", "angles": "angles (°)", "current": "dc current (A)"},
}


def plot_run(run, ax=None):
    """Draws the run on `ax` (a new figure's when None): the speed on the
    left axis, mu and xhi on a right axis, the dc current on a third one.
    Returns the three axes (speed, angles, current)."""
    try:
        import matplotlib.pyplot as plt
    except ImportError as missing:
        raise ImportError("Run.plot needs matplotlib (Debian: python3-matplotlib)") from missing
    words = _AXES[language()]
    names = {key: text.strip() for key, text in _msa.curve_names(language()).items()}
    if ax is None:
        _, ax = plt.subplots(figsize=(8, 4.5), layout="constrained")
    angles = ax.twinx()
    current = ax.twinx()
    current.spines["right"].set_position(("axes", 1.12))
    te = run.columns["te_s"]
    lines = [
        ax.plot(te, run.columns["speed_rpm"], color=_COLOURS["speed"], label=names["speed"])[0],
        angles.plot(te, run.columns["mu_deg"], color=_COLOURS["mu"], label=names["mu"])[0],
        angles.plot(te, run.columns["xhi_deg"], color=_COLOURS["xhi"], label=names["xhi"])[0],
        current.plot(te, run.columns["idc_a"], color=_COLOURS["current"], label=names["current"])[0],
    ]
    ax.set_xlabel(words["time"])
    ax.set_ylabel(words["speed"], color=_COLOURS["speed"])
    angles.set_ylabel(words["angles"])
    current.set_ylabel(words["current"])
    # Above the plot, on the axes drawn last, so that no curve hides it.
    current.legend(handles=lines, loc="lower center", bbox_to_anchor=(0.5, 1.0), ncol=4, frameon=False)
    ax.grid(True, alpha=0.3)
    return ax, angles, current
