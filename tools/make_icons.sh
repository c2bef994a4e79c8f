#!/usr/bin/env bash
# Renders the PNG icons in assets/icons/ from their SVG sources. A developer tool, not a build
# step: the PNGs are committed. Needs rsvg-convert (Debian package librsvg2-bin).
#
#   quorvel.svg -> quorvel-16.png quorvel-32.png quorvel-48.png quorvel-64.png quorvel-128.png
#   about.svg   -> about-48.png about-96.png        (tool bar, 48 px, 96 px for high-DPI screens)
#   website.svg -> website-48.png website-96.png
set -euo pipefail

icons=$(cd "$(dirname "$0")/../assets/icons" && pwd)
if ! command -v rsvg-convert >/dev/null; then
    echo "make_icons.sh: rsvg-convert not found; install the Debian package librsvg2-bin" >&2
    exit 1
fi

render() { # svg size png
    rsvg-convert --width "$2" --height "$2" --keep-aspect-ratio --format png \
        --output "$icons/$3" "$icons/$1"
}

for size in 16 32 48 64 128; do
    render quorvel.svg "$size" "quorvel-$size.png"
done
for name in about website; do
    render "$name.svg" 48 "$name-48.png"
    render "$name.svg" 96 "$name-96.png"
done
echo "icons rendered into $icons"
