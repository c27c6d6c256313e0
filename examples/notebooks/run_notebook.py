"""Runs a notebook from top to bottom with Debian's python3 kernel, in the
folder given (where it writes its figures), and keeps the outputs:

    PYTHONPATH=build/python /usr/bin/python3 examples/notebooks/run_notebook.py \\
        examples/notebooks/first-steps.ipynb docs

writes docs/python-characteristic.png. A cell that fails stops the run with
its error (status 1). The kernel finds msa as this process does (PYTHONPATH).
"""
import os
import pathlib
import sys

import nbformat
from nbclient import NotebookClient


def run(notebook, folder):
    """The notebook executed in `folder`; raises nbclient's CellExecutionError."""
    folder = pathlib.Path(folder).resolve()
    folder.mkdir(parents=True, exist_ok=True)
    # The kernel starts in `folder`: the module's folder must not be relative.
    paths = os.environ.get("PYTHONPATH", "").split(os.pathsep)
    os.environ["PYTHONPATH"] = os.pathsep.join(str(pathlib.Path(p).resolve()) for p in paths if p)
    book = nbformat.read(notebook, as_version=4)
    NotebookClient(book, kernel_name="python3", timeout=600,
                   resources={"metadata": {"path": str(folder)}}).execute()
    return book


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: run_notebook.py NOTEBOOK FOLDER")
    run(sys.argv[1], sys.argv[2])
