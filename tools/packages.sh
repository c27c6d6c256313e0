# Installs the Debian packages given as arguments when any is missing.
# Sourced by run.sh and test.sh; uses sudo only when not root.
install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake g++ make libsdl2-dev)
# The Windows build: MinGW-w64 (win32 threads), and dpkg-dev for apt-get source.
WINDOWS_DEPS_PACKAGES=(cmake make gcc-mingw-w64-x86-64-win32 g++-mingw-w64-x86-64-win32 \
  binutils-mingw-w64-x86-64 dpkg-dev libsdl2-dev libpng-dev zlib1g-dev)
