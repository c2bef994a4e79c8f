#!/usr/bin/env bash
# The path every user takes: the program started by an ordinary user, with the web engine's
# sandbox on, adds a fruit and shows its report with the charts (scripts/check-user-session.py).
#
#   bash scripts/check-user-session.sh [BUILD_DIR]      (default: build)
#
# The program and the files it reads are copied from BUILD_DIR/bin to a temporary folder any user
# may read. As root the check drops to an unprivileged user with setpriv ($QUORVEL_TEST_USER,
# default nobody; no account is made) with a clean environment and a home in that folder; as
# any other user it runs as that user. The folder is deleted at the end, pass or fail.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
user=${QUORVEL_TEST_USER:-nobody}

fail() {
  echo "check-user-session: FAILED: $*" >&2
  exit 1
}

[ -x "$build_dir/bin/quorvel" ] || fail "$build_dir/bin/quorvel is not built"

work=$(mktemp -d /tmp/quorvel-user.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/home" "$work/runtime" "$work/tmp"
for name in quorvel basic.css visualize.css visualize-light.css jq.dat enh.dat exc.dat vis.dat \
  exa.dat exacomp.dat rank.dat quorvel.html; do
  cp "$build_dir/bin/$name" "$work/bin/"
done
cp scripts/check-user-session.py scripts/check-installed-program.py "$work/"
chmod -R a+rX "$work"
chmod 700 "$work/runtime"

if [ "$(id -u)" -eq 0 ]; then
  uid=$(id -u "$user") || fail "no user $user"
  gid=$(id -g "$user")
  [ "$uid" -ne 0 ] || fail "$user is root"
  chown "$uid:$gid" "$work/home" "$work/runtime" "$work/tmp"
  as_user=(setpriv --reuid="$uid" --regid="$gid" --clear-groups)
  echo "check-user-session: running as $user (uid $uid)"
else
  as_user=()
fi

"${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
  TMPDIR="$work/tmp" LANG=C.UTF-8 \
  xvfb-run -a -s "-screen 0 1280x1024x24" python3 "$work/check-user-session.py" \
  "$work/bin/quorvel" || fail "the program did not show the report as an ordinary user"
echo "check-user-session: passed"
