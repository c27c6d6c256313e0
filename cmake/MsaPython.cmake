# Whether to build the Python module (src/frontends/python with the package
# python/msa). It is built for the build machine's own Python, so not when
# cross-compiling (the Windows zip, the page, the ARM64 check), nor under the
# sanitizers or the fuzzers (an instrumented module cannot be loaded into
# Debian's Python), nor without Python's headers and pybind11.
if(MSA_PYTHON AND (CMAKE_CROSSCOMPILING OR EMSCRIPTEN OR WIN32 OR MSA_SANITIZE OR MSA_FUZZ))
  set(MSA_PYTHON OFF)
endif()
if(MSA_PYTHON)
  # Debian's Python, the one its python3-* packages serve, rather than
  # whichever python3 comes first on the PATH; -DPython_EXECUTABLE=... chooses another.
  if(NOT DEFINED Python_EXECUTABLE AND EXISTS /usr/bin/python3)
    set(Python_EXECUTABLE /usr/bin/python3)
  endif()
  find_package(Python 3.8 COMPONENTS Interpreter Development.Module QUIET)
  if(Python_FOUND)
    set(PYBIND11_FINDPYTHON ON)
    find_package(pybind11 2.6 CONFIG QUIET)
  endif()
  if(NOT Python_FOUND OR NOT pybind11_FOUND)
    message(STATUS "msa: no Python module (it needs python3-dev and pybind11-dev)")
    set(MSA_PYTHON OFF)
  endif()
endif()
if(MSA_PYTHON)
  # The layers are linked into a shared module as well as into the programs.
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  # Where the package goes under the install prefix: Debian's place for
  # packages of its Python 3 (/usr/lib/python3/dist-packages with prefix /usr).
  set(MSA_PYTHON_INSTALL_DIR lib/python3/dist-packages CACHE STRING
      "Folder under the install prefix that receives the msa Python package")
  math(EXPR MSA_PYTHON_NEXT_MINOR "${Python_VERSION_MINOR} + 1")  # the package's Python range
endif()
