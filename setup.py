"""Builds the compiled part of the msa package with the project's CMake.

`pip install --no-build-isolation .` runs this: CMake configures the project
for the Python that runs pip (the target _msa alone is built, in Release,
without the window and the tests), and the module goes beside python/msa's
files. It needs cmake, g++, libpng-dev, python3-dev and pybind11-dev.
"""
import os
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent


def version():
    """The one version of the project, from project() in CMakeLists.txt."""
    return re.search(r"project\(msa VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text()).group(1)


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release", "-DMSA_TESTS=OFF",
                        "-DMSA_WINDOW=OFF", "-DMSA_PYTHON=ON", f"-DPython_EXECUTABLE={sys.executable}"], check=True)
        jobs = str(min(os.cpu_count() or 1, 2))
        subprocess.run(["cmake", "--build", str(build), "--target", "_msa", "-j", jobs], check=True)
        built = sorted((build / "python" / "msa").glob("_msa*"))
        if not built:
            raise RuntimeError("CMake built no Python module: see its message about python3-dev and pybind11-dev")
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built[0], target)


setup(
    version=version(),
    ext_modules=[CMakeExtension("msa._msa")],
    cmdclass={"build_ext": CMakeBuild},
    # Not build/, the CMake build folder of tools/run.sh and tools/test.sh.
    options={"build": {"build_base": "build-pip"}},
)
