#!/usr/bin/env bash
# Checks the Debian package as a user's system would take it:
#  - the desktop entry and the AppStream metadata validate (no network), and
#    the HTML manual is under /usr/share/doc/msa,
#  - lintian finds no error and no warning (what it notes is printed; the
#    remaining overrides are justified in packaging/debian/lintian-overrides),
#  - both manual pages render without warning, in English and in French,
#  - dpkg -i installs it; the installed msa-headless answers key scripts as
#    the build tree's does, msa --version answers, and Debian's Python 3
#    imports the module msa from the package and runs a study with it,
#  - dpkg -r removes it and leaves nothing behind.
# Usage: tools/check_package.sh [PACKAGE.deb [REFERENCE_MSA_HEADLESS [KEYS...]]]
#   (defaults: dist/msa_*_amd64.deb, build/msa-headless, two key scripts of
#   fuzz/corpus/program)
set -Eeuo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
install_packages desktop-file-utils appstream lintian man-db groff-base dpkg-dev python3-numpy

deb="${1:-$(ls dist/msa_*_amd64.deb | tail -n 1)}"
reference="${2:-build/msa-headless}"
shift $(($# > 2 ? 2 : $#))
keys=("$@")
fail() { echo "check_package: FAIL: $*" >&2; exit 1; }
[ ${#keys[@]} -gt 0 ] || keys=(fuzz/corpus/program/menu_e.keys fuzz/corpus/program/menu_s_defaults.keys)
[ -x "$reference" ] || fail "no $reference to compare with: build it first"
for script in "${keys[@]}"; do [ -f "$script" ] || fail "no key script $script"; done
work="$(mktemp -d)"
installed=""
# A check that fails while the package is installed still removes it.
cleanup() {
  [ -z "$installed" ] || as_root dpkg -r "$installed" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
step() { printf 'check_package: %-40s' "$1"; step_start=$SECONDS; }
done_step() { echo "ok ($((SECONDS - step_start)) s)"; }

step "contents validate"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop >"$work/desktop.log" 2>&1 ||
  fail "desktop entry: $(cat "$work/desktop.log")"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml >"$work/as.log" 2>&1 ||
  fail "AppStream metadata: $(cat "$work/as.log")"
# The HTML manual that the manual pages and --help name.
for page in guide.en.html guide.fr.html model.html examples/first_session.keys; do
  [ -s "$work/root/usr/share/doc/msa/$page" ] || fail "no /usr/share/doc/msa/$page (was pandoc there at build time?)"
done
done_step
# Education and Science are both main categories: the menu may show msa under each.
sed 's/^/  /' "$work/desktop.log"

step "lintian"
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$work/lintian.log")"
done_step
grep -v 'root privileges' "$work/lintian.log" | sed 's/^/  /' || true

step "manual pages"
for page in "$work"/root/usr/share/man/man1/*.1.gz "$work"/root/usr/share/man/fr/man1/*.1.gz; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$work/page.txt" 2>"$work/man.log"
  [ ! -s "$work/man.log" ] || fail "man -l ${page#"$work/root"}: $(cat "$work/man.log")"
  grep -q . "$work/page.txt" || fail "man -l ${page#"$work/root"} shows nothing"
done
done_step

# What a package may leave on the system: the folders it installs into.
snapshot() {
  find /usr/bin /usr/share/applications /usr/share/icons/hicolor /usr/share/man/man1 \
    /usr/share/man/fr/man1 /usr/share/metainfo /usr/share/doc /usr/share/doc-base /usr/share/lintian/overrides \
    -xdev 2>/dev/null | grep -v '\.cache$' | sort
  # The Python package's folder, there only while the package is installed.
  find /usr/lib/python3/dist-packages -xdev -path '*/dist-packages/msa*' 2>/dev/null | sort
}

step "dpkg -i"
package="$(dpkg-deb -f "$deb" Package)"
! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
  fail "$package is installed already: dpkg -r $package first"
snapshot >"$work/before"
installed="$package"
as_root dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$work/dpkg.log")"
done_step

step "installed programs"
status=0
[ "$(/usr/bin/msa --version)" = "msa $(dpkg-deb -f "$deb" Version)" ] || status=1
for script in "${keys[@]}"; do
  "$reference" <"$script" >"$work/expected" 2>&1 || true
  /usr/bin/msa-headless <"$script" >"$work/actual" 2>&1 || true
  cmp -s "$work/expected" "$work/actual" || { echo "differs from $reference: $script" >&2; status=1; }
done
# The module from the package, not from a build tree; imported as root, so
# that Python writes its byte-compiled files there and removal must take them.
(cd / && env -u PYTHONPATH -u PYTHONDONTWRITEBYTECODE /usr/bin/python3 -c '
import msa
assert msa.__file__ == "/usr/lib/python3/dist-packages/msa/__init__.py", msa.__file__
assert msa.format_number(msa.Session().excitation().mfif) == " 0.4922161"
') >"$work/python.log" 2>&1 || { echo "python3 -c 'import msa': $(cat "$work/python.log")" >&2; status=1; }
as_root dpkg -r "$package" >>"$work/dpkg.log" 2>&1 || fail "dpkg -r: $(cat "$work/dpkg.log")"
installed=""
[ "$status" -eq 0 ] || fail "the installed programs do not answer as the build tree's"
done_step

step "dpkg -r leaves nothing"
snapshot >"$work/after"
diff "$work/before" "$work/after" >"$work/left" || fail "left behind: $(cat "$work/left")"
done_step
