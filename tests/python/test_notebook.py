"""The first notebook runs from top to bottom with Debian's python3 kernel
and writes its figure; a run's plot speaks the session's language."""
import pathlib
import sys

import pytest

import msa

NOTEBOOKS = pathlib.Path(__file__).resolve().parents[2] / "examples" / "notebooks"


def test_first_notebook_runs(tmp_path):
    pytest.importorskip("nbclient")
    sys.path.insert(0, str(NOTEBOOKS))
    from run_notebook import run

    book = run(NOTEBOOKS / "first-steps.ipynb", tmp_path)
    assert (tmp_path / "python-characteristic.png").stat().st_size > 10000
    assert not [o for cell in book.cells for o in cell.get("outputs", []) if o.output_type == "error"]


def test_plot_labels_follow_the_language():
    matplotlib = pytest.importorskip("matplotlib")
    matplotlib.use("Agg")
    session = msa.Session()
    session.excitation()
    run = session.simulate(temax=0.1)
    labels = {}
    for code in ("fr", "en"):
        msa.set_language(code)
        speed, angles, current = run.plot()
        labels[code] = (speed.get_ylabel(), current.get_ylabel(),
                        [t.get_text() for t in current.get_legend().get_texts()])
        assert (speed.lines[0].get_ydata() == run.speed_rpm).all() and (angles.lines[0].get_ydata() == run.mu_deg).all()
    assert labels == {"fr": ("vitesse (tr/min)", "courant dc (A)", ["omegam", "mu", "xhi", "courant"]),
                      "en": ("speed (r/min)", "dc current (A)", ["omegam", "mu", "xhi", "current"])}
