"""The Python module's tests: run with /usr/bin/python3 -m pytest tests/python.

The module is taken from the build tree (MSA_BUILD, default build/: the
package is build/python/msa) unless MSA_BUILD is empty, which tests an
installed one. msa-headless comes from the same build tree.
"""
import os
import pathlib
import sys

import pytest

SOURCE = pathlib.Path(__file__).resolve().parents[2]
BUILD = os.environ.get("MSA_BUILD", str(SOURCE / "build"))
if BUILD:
    package = pathlib.Path(BUILD).resolve() / "python"
    sys.path.insert(0, str(package))
    # Child processes (process pools, Dask workers, notebook kernels) find it too.
    os.environ["PYTHONPATH"] = os.pathsep.join(filter(None, [str(package), os.environ.get("PYTHONPATH")]))
os.environ.pop("MSA_LANG", None)

import msa  # noqa: E402


@pytest.fixture(autouse=True)
def french():
    """Every test starts in the program's default language."""
    msa.set_language("fr")
    yield
    msa.set_language("fr")


@pytest.fixture(scope="session")
def headless():
    path = pathlib.Path(BUILD or SOURCE / "build") / "msa-headless"
    if not path.exists():
        pytest.skip(f"no {path}: build msa-headless first")
    return path
