"""Runs the view demo from set-up to shut-down and checks what a user would see of it: a picture
of the page with the style sheet's colours and the three bars the script draws, standard error free
of the engine's complaints about pages left alive, and as root exactly one line saying that the
sandbox is off."""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

# What the demo's style sheet and chart script paint: the page background, the heading, and one bar
# per table row (colour, amount), 60 px wide, 1.5 px per unit, left edges 90 px apart on one base.
BACKGROUND = (0xFF, 0xF8, 0xE7)
HEADING = (0xC0, 0x39, 0x2B)
BARS = [((0xE7, 0x4C, 0x3C), 91.41), ((0xF3, 0x9C, 0x12), 48.9), ((0x27, 0xAE, 0x60), 13)]


def read_png(path):
    """Width, height and rows of (r, g, b) tuples of an 8-bit RGB or RGBA PNG without interlace."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError(f"unsupported PNG: depth {depth}, colour type {colour}, interlace {interlace}")
    channels = 3 if colour == 2 else 4
    stride = width * channels
    raw = zlib.decompress(idat)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, channels)])
        previous = line
    return width, height, rows


def box_of(rows, colour, tolerance=6):
    """The bounding box (left, top, right, bottom) of the pixels of that colour, and their count."""
    xs, ys = [], []
    for y, row in enumerate(rows):
        for x, pixel in enumerate(row):
            if all(abs(a - b) <= tolerance for a, b in zip(pixel, colour)):
                xs.append(x)
                ys.append(y)
    if not xs:
        return None, 0
    return (min(xs), min(ys), max(xs), max(ys)), len(xs)


def picture_failures(path):
    """What the picture lacks of the page the demo draws."""
    try:
        width, height, rows = read_png(path)
    except (ValueError, zlib.error, struct.error, TypeError) as error:
        return [f"picture cannot be read: {error}"]
    if (width, height) != (640, 480):
        return [f"picture is {width}x{height}"]
    failures = []
    _, background = box_of(rows, BACKGROUND, 2)
    if background < width * height // 4:
        failures.append(f"the style sheet's background covers {background} pixels only")
    _, heading = box_of(rows, HEADING, 8)
    if heading < 200:
        failures.append(f"the heading's colour shows in {heading} pixels only")
    boxes = []
    for colour, amount in BARS:
        box, count = box_of(rows, colour)
        name = "#%02x%02x%02x" % colour
        if box is None:
            failures.append(f"no {name} bar")
            continue
        left, top, right, bottom = box
        bar_height = bottom - top + 1
        if abs(right - left + 1 - 60) > 1 or abs(bar_height - amount * 1.5) > 2:
            failures.append(f"the {name} bar is {right - left + 1}x{bar_height}, expected 60x"
                            f"{amount * 1.5:.0f}")
        if count < 0.9 * 60 * amount * 1.5:
            failures.append(f"the {name} bar is not filled ({count} pixels)")
        boxes.append(box)
    if len(boxes) == len(BARS):
        if len({box[3] for box in boxes}) != 1:
            failures.append(f"the bars stand on different bases: {boxes}")
        if [box[0] - boxes[0][0] for box in boxes] != [0, 90, 180]:
            failures.append(f"the bars are not 90 px apart in table order: {boxes}")
    return failures


def main() -> int:
    demo = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        picture = os.path.join(folder, "demo.png")
        run = subprocess.run([demo, picture], capture_output=True, text=True, timeout=300)
        errors = run.stderr.splitlines()
        failures = []
        if run.returncode != 0:
            failures.append(f"exit code {run.returncode}")
        for bad in ("Release of profile requested", "still not deleted", "js:"):
            if any(bad in line for line in errors):
                failures.append(f"standard error has {bad!r}")
        # (Under the offscreen platform the engine lists its switches, "  *  no-sandbox" among them.)
        sandbox = [l for l in errors if "sandbox" in l.lower() and not l.startswith("  *")]
        expected = 1 if os.geteuid() == 0 else 0
        if len(sandbox) != expected:
            failures.append(f"{len(sandbox)} sandbox lines, expected {expected}: {sandbox}")
        if not os.path.exists(picture):
            failures.append("no picture")
        else:
            failures += picture_failures(picture)
        if failures:
            print("\n".join(errors), file=sys.stderr)
            for failure in failures:
                print("FAIL:", failure)
            print(f"0 passed, 1 failed")
            return 1
        print("1 passed, 0 failed")
        return 0


if __name__ == "__main__":
    sys.exit(main())
