# Sourced by the scripts that build libraries from Debian's source packages
# (tools/windows/deps.sh, tools/web/deps.sh). They set zlib_src (for the
# check that the sources are served), root (the work folder) and prefix (the
# install folder, whose licenses/SOURCES.txt says which sources were built).

# The source package and version behind a development package (one line: a
# package installed for two architectures is listed twice).
source_of() { dpkg-query -W -f='${source:Package}=${source:Version}\n' "$1" | head -n 1; }

# apt-get source needs deb-src entries for the archive the binaries came from.
enable_debian_sources() {
  if apt-get source --print-uris "$zlib_src" >/dev/null 2>&1; then return 0; fi
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && grep -q '^Types: *deb$' "$f" && grep -q 'debian' "$f" || continue
    sed 's/^Types: *deb$/Types: deb-src/' "$f" | as_root tee "/etc/apt/sources.list.d/msa-src-$(basename "$f")" >/dev/null
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      as_root tee /etc/apt/sources.list.d/msa-src.list >/dev/null || true
  fi
  as_root apt-get update -qq
}

# fetch SOURCE=VERSION DIR: unpacks the Debian source (with its patches) into
# DIR. When the archive no longer serves that revision's files (a security
# update whose sources are not mirrored), the newest revision of the same
# upstream version that it serves is taken, and the note says so.
fetch() {
  local package="${1%%=*}" version="${1#*=}" work="$root/src" candidate
  local upstream="${version%-*}"
  rm -rf "$2" "$work"
  mkdir -p "$work"
  for candidate in "$version" $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -u -r -V); do
    [ "${candidate%-*}" = "$upstream" ] || continue
    if (cd "$work" && apt-get source -qq "$package=$candidate" >/dev/null 2>&1); then
      echo "$package $candidate (Linux: $version)" >>"$prefix/licenses/SOURCES.txt"
      [ "$candidate" = "$version" ] || echo "note: $package $version is not served; built $candidate" >&2
      mv "$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)" "$2"
      rm -rf "$work"
      return 0
    fi
    rm -rf "${work:?}"/*
  done
  echo "apt-get source $package: no version $upstream served" >&2
  return 1
}
