# Cross-compiling for 64-bit Windows with Debian's MinGW-w64, with posix
# threads: the simulation data is written by a thread of its own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_AR ${MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

# The C99 printf family of MinGW, not the system C library's: same digits,
# same exponent width and 80-bit long double as on Linux.
# And access() that takes X_OK as older Windows did: since Vista the system's
# refuses it, which would refuse every folder named on the command line.
set(CMAKE_C_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1 -D__USE_MINGW_ACCESS")
set(CMAKE_CXX_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1 -D__USE_MINGW_ACCESS")
# The GCC runtime and the threads library inside each program, so that only
# our own DLLs and the system's are needed.
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive,-Bdynamic")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc")

# MSA_DEPS_PREFIX: where tools/windows/build.sh installed SDL2, libpng and zlib.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET} ${MSA_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
