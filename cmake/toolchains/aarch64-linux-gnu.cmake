# Cross-compiling for 64-bit ARM Linux with Debian's g++-aarch64-linux-gnu.
# The libraries (libpng, zlib, GoogleTest) are Debian's arm64 packages
# installed beside the host's (multiarch: dpkg --add-architecture arm64);
# programs built here run under qemu-aarch64 with those packages' loader and
# C library. (The cross toolchain's own copies in /usr/aarch64-linux-gnu are
# for linking only: its loader with the multiarch C library, of another
# Debian revision, loops forever in the second pthread_create.)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
# Packages and libraries of the target only; the host's programs.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_IGNORE_PATH /usr/lib/x86_64-linux-gnu /usr/lib/x86_64-linux-gnu/cmake)
