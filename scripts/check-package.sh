#!/usr/bin/env bash
# Builds the Debian package from a built tree, installs it on this machine with apt-get, checks
# what it installed, starts the installed program /usr/bin/quorvel on a virtual X display and
# checks that it shows the placeholder page with the chart scripts run from its folder and no
# error box (scripts/check-installed-program.py), then removes the package again.
#
#   bash scripts/check-package.sh [BUILD_DIR]      (default: build)
#
# BUILD_DIR must be configured with the GUI and built. Needs root or sudo (for apt-get), and
# xvfb-run, xdotool, xwininfo, appstreamcli, desktop-file-validate, dpkg-shlibdeps and file
# (QUORVEL_TEST_DEPS=1 bash scripts/install-deps.sh). Whatever fails, the package and any
# package its installation brought along are removed when the script ends.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build_dir=$(cd "${1:-build}" && pwd)
program_dir=/usr/lib/quorvel
app_id=org.quorvel.Quorvel

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "check-package: needs root or sudo" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

fail() {
  echo "check-package: FAILED: $*" >&2
  exit 1
}

[ -f "$build_dir/CPackConfig.cmake" ] || fail "$build_dir is not a configured build with the GUI"
[ -x "$build_dir/bin/quorvel" ] || fail "$build_dir/bin/quorvel is not built"
if dpkg-query -W -f='${Status}' quorvel 2>/dev/null | grep -q 'install ok installed'; then
  fail "a quorvel package is installed already; this check installs and removes its own"
fi

work=$(mktemp -d)
chmod 755 "$work" # apt reads the package as its own unprivileged user
installed=0
brought=""

installed_packages() {
  dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" {print $2}' |
    LC_ALL=C sort
}

clean_up() {
  local status=$?
  if [ "$installed" = 1 ]; then
    echo "check-package: removing the package"
    "${sudo_cmd[@]}" apt-get remove -y -qq quorvel >/dev/null || status=1
    # Packages that came in only for quorvel go too: the machine ends as it began.
    if [ -n "$brought" ]; then
      echo "check-package: removing what the package brought along: $brought"
      # shellcheck disable=SC2086
      "${sudo_cmd[@]}" apt-get remove -y -qq $brought >/dev/null || status=1
    fi
  fi
  rm -rf "$work"
  if [ "$status" -eq 0 ]; then
    echo "check-package: passed"
  fi
  exit "$status"
}
trap clean_up EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

echo "check-package: building the package from $build_dir"
(cd "$build_dir" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
debs=("$work"/quorvel_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then fail "cpack made no single quorvel_*.deb"; fi
deb=${debs[0]}
echo "check-package: $(basename "$deb")"

# The dependencies: computed from the binary, plus the engine's helper process.
depends=$(dpkg-deb -f "$deb" Depends)
echo "check-package: Depends: $depends"
for needed in libqt6webenginecore6-bin libqt6webenginewidgets6 libqt6widgets6 libc6; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "the package does not depend on $needed"
done
for field in Maintainer Description Section Homepage; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the package has no $field"
done

echo "check-package: installing it"
installed_packages >"$work/installed-before"
installed=1
install_status=0
(cd "$work" && "${sudo_cmd[@]}" apt-get install -y -qq "./$(basename "$deb")" >"$work/apt.log" 2>&1) ||
  install_status=$?
brought=$(comm -13 "$work/installed-before" <(installed_packages) | grep -vx 'quorvel\(:.*\)\?' |
  tr '\n' ' ' || true)
[ "$install_status" -eq 0 ] || { cat "$work/apt.log" >&2; fail "apt-get could not install the package"; }
[ -z "$brought" ] || echo "check-package: apt-get brought along: $brought"
dpkg-query -W -f='${Status}' quorvel | grep -q 'install ok installed' ||
  fail "dpkg does not list quorvel as installed"

# What it installed: one program folder with the program and the ten files it reads, the
# launcher link, the desktop entry, the metainfo and the icon in every size.
for name in quorvel basic.css visualize.css visualize-light.css jq.dat enh.dat exc.dat vis.dat \
  exa.dat exacomp.dat rank.dat quorvel.html; do
  [ -f "$program_dir/$name" ] || fail "$program_dir/$name is not installed"
  [ -s "$program_dir/$name" ] || fail "$program_dir/$name is empty"
  cmp -s "$program_dir/$name" "$build_dir/bin/$name" || [ "$name" = quorvel ] ||
    fail "$program_dir/$name differs from the file the build placed beside the program"
done
file -L "$program_dir/quorvel" | grep -q 'ELF 64-bit LSB pie executable' ||
  file -L "$program_dir/quorvel" | grep -q 'ELF 64-bit LSB executable' ||
  fail "$program_dir/quorvel is not an executable: $(file -L "$program_dir/quorvel")"
[ -L /usr/bin/quorvel ] || fail "/usr/bin/quorvel is not a link"
[ "$(readlink /usr/bin/quorvel)" = ../lib/quorvel/quorvel ] ||
  fail "/usr/bin/quorvel points to $(readlink /usr/bin/quorvel), not ../lib/quorvel/quorvel"
[ "$(readlink -f /usr/bin/quorvel)" = "$program_dir/quorvel" ] ||
  fail "/usr/bin/quorvel does not lead to $program_dir/quorvel"

desktop=/usr/share/applications/$app_id.desktop
metainfo=/usr/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "$desktop is not installed"
[ -f "$metainfo" ] || fail "$metainfo is not installed"
desktop-file-validate "$desktop" || fail "$desktop does not validate"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "$metainfo does not validate"; }
grep -qx "Exec=quorvel" "$desktop" || fail "$desktop does not start quorvel"
grep -qx "Icon=$app_id" "$desktop" || fail "$desktop does not name the icon $app_id"
for size in 16 32 48 64 128; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] || fail "$icon is not installed"
  file "$icon" | grep -q "PNG image data, $size x $size," ||
    fail "$icon is not a $size x $size PNG: $(file "$icon")"
done
svg=/usr/share/icons/hicolor/scalable/apps/$app_id.svg
[ -f "$svg" ] || fail "$svg is not installed"
file "$svg" | grep -q 'SVG' || fail "$svg is not an SVG image: $(file "$svg")"
echo "check-package: the installed files are in place and validate"

# The installed program, started through its launcher link, on a real X server.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  python3 "$source_dir/scripts/check-installed-program.py" /usr/bin/quorvel "$program_dir" ||
  fail "the installed program did not start as it should"
