#!/usr/bin/env bash
# Refreshes the vendored Chart.js in assets/vendor/ from the npm registry at a pinned version.
#
#   bash tools/refresh_chartjs.sh            # the pinned version below
#   bash tools/refresh_chartjs.sh 4.6.2      # another 4.x version (then update CHARTJS_VERSION)
#
# It writes assets/vendor/chart.umd.js (the UMD build, made pure ASCII: every non-ASCII character
# becomes a \uXXXX escape, and the source-map comment is dropped because the map is not shipped),
# assets/vendor/LICENSE.md and assets/vendor/VERSION. The build copies chart.umd.js beside the
# program as "jq.dat". Only this developer tool uses the network; the build never does.
set -euo pipefail

CHARTJS_VERSION=${1:-4.6.2}
case "$CHARTJS_VERSION" in
4.*) ;;
*)
    echo "refresh_chartjs.sh: the chart scripts are written for Chart.js 4.x, not $CHARTJS_VERSION" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
vendor=$root/assets/vendor
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "chart.js@$CHARTJS_VERSION" >/dev/null)
tar -xzf "$work/chart.js-$CHARTJS_VERSION.tgz" -C "$work"
pkg=$work/package
packed_version=$(node -p "require('$pkg/package.json').version")
if [ "$packed_version" != "$CHARTJS_VERSION" ]; then
    echo "refresh_chartjs.sh: npm gave version $packed_version, expected $CHARTJS_VERSION" >&2
    exit 1
fi

mkdir -p "$vendor"
python3 - "$pkg/dist/chart.umd.js" "$vendor/chart.umd.js" <<'EOF'
import re
import sys

src, dst = sys.argv[1], sys.argv[2]
text = open(src, encoding="utf-8").read()
# The source map is not shipped, so its comment would only point at nothing.
text = re.sub(r"\n//# sourceMappingURL=\S*\s*$", "\n", text)


def escape(match):
    out = []
    for ch in match.group(0):
        code = ord(ch)
        if code > 0xFFFF:  # outside the BMP: a surrogate pair, as JavaScript strings hold it
            code -= 0x10000
            out.append("\\u%04x\\u%04x" % (0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF)))
        else:
            out.append("\\u%04x" % code)
    return "".join(out)


text = re.sub(r"[^\x00-\x7f]+", escape, text)
text.encode("ascii")  # raises if anything non-ASCII were left
open(dst, "w", encoding="ascii", newline="\n").write(text)
EOF
cp "$pkg/LICENSE.md" "$vendor/LICENSE.md"
printf 'chart.js %s\nfile: dist/chart.umd.js from the npm package chart.js@%s\n' \
    "$CHARTJS_VERSION" "$CHARTJS_VERSION" >"$vendor/VERSION"
echo "Chart.js $CHARTJS_VERSION vendored into $vendor"
