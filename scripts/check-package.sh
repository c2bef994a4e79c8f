#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it without touching the machine:
#   - its control fields and dependencies, and that apt-get could install it here (a simulation:
#     every dependency resolves);
#   - its contents, unpacked with dpkg-deb into a temporary folder: the program folder with the
#     program and the files it reads, the launcher link, the desktop entry and the AppStream
#     metainfo (both validated) and the icon in every size;
#   - the program started from that folder through its launcher link, on a virtual X display:
#     it finds its files beside itself, shows the placeholder page with the chart scripts run and
#     no error box (scripts/check-installed-program.py).
# The temporary folder is deleted at the end, pass or fail.
#
#   bash scripts/check-package.sh [BUILD_DIR]      (default: build)
#
# With QUORVEL_SYSTEM_PACKAGE_CHECK=1 it also installs the package system-wide with apt-get (root
# or sudo), checks and starts /usr/bin/quorvel the same way, and removes the package again with
# every package its installation brought along. Only for throwaway machines: a Quorvel installed
# before makes it refuse.
#
# BUILD_DIR must be configured with the GUI and built. Needs xvfb-run, xdotool, xwininfo,
# appstreamcli, desktop-file-validate, dpkg-shlibdeps and file
# (QUORVEL_TEST_DEPS=1 bash scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build_dir=$(cd "${1:-build}" && pwd)
app_id=org.quorvel.Quorvel
system_wide=${QUORVEL_SYSTEM_PACKAGE_CHECK:-0}
export DEBIAN_FRONTEND=noninteractive

fail() {
  echo "check-package: FAILED: $*" >&2
  exit 1
}

[ -f "$build_dir/CPackConfig.cmake" ] || fail "$build_dir is not a configured build with the GUI"
[ -x "$build_dir/bin/quorvel" ] || fail "$build_dir/bin/quorvel is not built"

sudo_cmd=()
if [ "$system_wide" = 1 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || fail "QUORVEL_SYSTEM_PACKAGE_CHECK=1 needs root or sudo"
    sudo_cmd=(sudo)
  fi
  if dpkg-query -W -f='${Status}' quorvel 2>/dev/null | grep -q 'install ok installed'; then
    fail "a quorvel package is installed already; the system-wide check installs and removes its own"
  fi
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
(cd "$build_dir" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
debs=("$work"/package/quorvel_*.deb)
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

# apt-get resolves the dependencies as for a real installation and installs nothing.
(cd "$work/package" && apt-get install --simulate "./$(basename "$deb")" >"$work/simulate.log" 2>&1) ||
  { cat "$work/simulate.log" >&2; fail "apt-get cannot install the package here"; }
grep -qE '^Inst quorvel ' "$work/simulate.log" ||
  { cat "$work/simulate.log" >&2; fail "apt-get's simulation does not install quorvel"; }
echo "check-package: apt-get would install it$(grep -cE '^Inst ' "$work/simulate.log" |
  awk '$1 > 1 {printf " with %d more packages", $1 - 1}')"

# check_files ROOT: what the package puts under ROOT ("" for /): one program folder with the
# program and the files it reads, the launcher link, the desktop entry, the metainfo and the icon
# in every size.
check_files() {
  local root=$1
  local program_dir=$root/usr/lib/quorvel
  local name size icon
  for name in quorvel basic.css visualize.css visualize-light.css jq.dat enh.dat exc.dat vis.dat \
    exa.dat exacomp.dat rank.dat quorvel.html; do
    [ -f "$program_dir/$name" ] || fail "$program_dir/$name is not in place"
    [ -s "$program_dir/$name" ] || fail "$program_dir/$name is empty"
    cmp -s "$program_dir/$name" "$build_dir/bin/$name" || [ "$name" = quorvel ] ||
      fail "$program_dir/$name differs from the file the build placed beside the program"
  done
  file -L "$program_dir/quorvel" | grep -q 'ELF 64-bit LSB pie executable' ||
    file -L "$program_dir/quorvel" | grep -q 'ELF 64-bit LSB executable' ||
    fail "$program_dir/quorvel is not an executable: $(file -L "$program_dir/quorvel")"
  [ -L "$root/usr/bin/quorvel" ] || fail "$root/usr/bin/quorvel is not a link"
  [ "$(readlink "$root/usr/bin/quorvel")" = ../lib/quorvel/quorvel ] ||
    fail "$root/usr/bin/quorvel points to $(readlink "$root/usr/bin/quorvel"), not ../lib/quorvel/quorvel"
  [ "$(readlink -f "$root/usr/bin/quorvel")" = "$(readlink -f "$program_dir")/quorvel" ] ||
    fail "$root/usr/bin/quorvel does not lead to $program_dir/quorvel"

  local desktop=$root/usr/share/applications/$app_id.desktop
  local metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
  [ -f "$desktop" ] || fail "$desktop is not in place"
  [ -f "$metainfo" ] || fail "$metainfo is not in place"
  desktop-file-validate "$desktop" || fail "$desktop does not validate"
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "$metainfo does not validate"; }
  grep -qx "Exec=quorvel" "$desktop" || fail "$desktop does not start quorvel"
  grep -qx "Icon=$app_id" "$desktop" || fail "$desktop does not name the icon $app_id"
  for size in 16 32 48 64 128; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$icon" ] || fail "$icon is not in place"
    file "$icon" | grep -q "PNG image data, $size x $size," ||
      fail "$icon is not a $size x $size PNG: $(file "$icon")"
  done
  icon=$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg
  [ -f "$icon" ] || fail "$icon is not in place"
  file "$icon" | grep -q 'SVG' || fail "$icon is not an SVG image: $(file "$icon")"
}

# start_program ROOT: the program started through its launcher link on a virtual X display.
start_program() {
  local root=$1
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    python3 "$source_dir/scripts/check-installed-program.py" "$root/usr/bin/quorvel" \
    "$(readlink -f "$root/usr/lib/quorvel")" ||
    fail "the program from the package did not start as it should"
}

echo "check-package: unpacking it into a temporary folder"
unpacked=$work/root
dpkg-deb -x "$deb" "$unpacked" || fail "dpkg-deb cannot unpack the package"
check_files "$unpacked"
echo "check-package: the package's files are in place and validate"
start_program "$unpacked"

if [ "$system_wide" != 1 ]; then
  exit 0
fi

echo "check-package: installing it system-wide (QUORVEL_SYSTEM_PACKAGE_CHECK=1)"
installed_packages >"$work/installed-before"
installed=1
install_status=0
(cd "$work/package" && "${sudo_cmd[@]}" apt-get install -y -qq "./$(basename "$deb")" \
  >"$work/apt.log" 2>&1) || install_status=$?
brought=$(comm -13 "$work/installed-before" <(installed_packages) | grep -vx 'quorvel\(:.*\)\?' |
  tr '\n' ' ' || true)
[ "$install_status" -eq 0 ] || { cat "$work/apt.log" >&2; fail "apt-get could not install the package"; }
[ -z "$brought" ] || echo "check-package: apt-get brought along: $brought"
dpkg-query -W -f='${Status}' quorvel | grep -q 'install ok installed' ||
  fail "dpkg does not list quorvel as installed"
check_files ""
echo "check-package: the installed files are in place and validate"
start_program ""
