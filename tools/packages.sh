# Installs the Debian packages given as arguments when any is missing.
# Sourced by run.sh and test.sh; uses sudo only when not root.
install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Runs a command as root, through sudo when not root already.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# python3 (its standard library only) makes the text tables, the page's
# words and the manual pages from src/texts at build time.
BUILD_PACKAGES=(cmake g++ make python3 libsdl2-dev libx11-dev libpng-dev)
# The Python module (cmake/MsaPython.cmake), and what its tests, notebooks
# and sweeps use (tests/python).
PYTHON_BUILD_PACKAGES=(python3-dev pybind11-dev python3-numpy)
PYTHON_TEST_PACKAGES=(python3-pytest python3-matplotlib python3-pandas python3-nbclient python3-nbformat \
  python3-ipykernel python3-distributed)
# The Windows build: MinGW-w64 (win32 threads for the C libraries, posix
# threads for the program's own C++), and dpkg-dev for apt-get source.
WINDOWS_DEPS_PACKAGES=(cmake make python3 gcc-mingw-w64-x86-64-win32 g++-mingw-w64-x86-64-win32 \
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix \
  binutils-mingw-w64-x86-64 dpkg-dev libsdl2-dev libpng-dev zlib1g-dev)
# The browser build: Debian's emscripten and node, dpkg-dev for apt-get
# source, pandoc for the HTML manual, chromium for the page's checks (npm
# too, where no node of another origin brings its own: install_web_packages).
WEB_PACKAGES=(emscripten nodejs python3 dpkg-dev chromium libpng-dev zlib1g-dev unzip zip pandoc)
install_web_packages() {
  install_packages "${WEB_PACKAGES[@]}"
  command -v npm >/dev/null || install_packages npm
}
