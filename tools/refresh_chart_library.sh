#!/usr/bin/env bash
# Rebuilds the vendored chart library, assets/vendor/d3-charts.js, from the npm registry.
#
#   bash tools/refresh_chart_library.sh
#
# The versions are pinned in tools/chart-bundle/package.json and package-lock.json (change them
# there and run `npm install` in that folder to move on). The script installs exactly the locked
# packages (npm ci), bundles the parts of d3 that tools/chart-bundle/entry.js names with esbuild
# into one pure-ASCII file that defines window.QuorvelD3, and writes beside it the licence of every
# package that ends up in the bundle (licenses/) and VERSION. The build copies d3-charts.js beside
# the program as "jq.dat". Only this developer tool uses node and the network; the build never does.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bundle=$root/tools/chart-bundle
vendor=$root/assets/vendor
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$bundle" && npm ci --silent --no-audit --no-fund)
"$bundle/node_modules/.bin/esbuild" "$bundle/entry.js" --bundle --format=iife \
    --global-name=QuorvelD3 --minify --charset=ascii --target=es2019 --legal-comments=none \
    --metafile="$work/meta.json" --outfile="$work/d3-charts.js" --log-level=warning

# The packages whose code is in the bundle, with their versions, from esbuild's own account.
packages=$(node -e '
const meta = require(process.argv[1]);
const out = Object.values(meta.outputs)[0];
const names = new Set();
for (const [path, info] of Object.entries(out.inputs)) {
  const m = path.match(/node_modules\/((?:@[^/]+\/)?[^/]+)\//);
  if (m && info.bytesInOutput > 0) names.add(m[1]);
}
console.log([...names].sort().join(" "));' "$work/meta.json")

mkdir -p "$vendor/licenses"
rm -f "$vendor"/licenses/*
{
    echo "assets/vendor/d3-charts.js: bundled by tools/refresh_chart_library.sh with esbuild"
    echo "$("$bundle/node_modules/.bin/esbuild" --version | sed 's/^/esbuild /')"
    for name in $packages; do
        dir=$bundle/node_modules/$name
        version=$(node -p "require('$dir/package.json').version")
        licence=$(node -p "require('$dir/package.json').license")
        echo "$name $version ($licence)"
        cp "$dir"/LICENSE* "$vendor/licenses/$name.LICENSE"
    done
} >"$work/VERSION"

{
    echo "/* d3 modules for the Quorvel chart scripts (window.QuorvelD3). Bundled from npm by"
    echo " * tools/refresh_chart_library.sh; versions and licences in assets/vendor/VERSION and"
    echo " * assets/vendor/licenses/. ISC licence, Copyright Mike Bostock. */"
    cat "$work/d3-charts.js"
} >"$vendor/d3-charts.js"
LC_ALL=C grep -q '[^[:print:][:space:]]' "$vendor/d3-charts.js" &&
    { echo "refresh_chart_library.sh: the bundle is not pure ASCII" >&2; exit 1; }
cp "$work/VERSION" "$vendor/VERSION"
echo "Chart library rebuilt: $vendor/d3-charts.js ($(wc -c <"$vendor/d3-charts.js") bytes)"
