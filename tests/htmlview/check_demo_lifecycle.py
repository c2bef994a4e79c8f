"""Runs the view demo from set-up to shut-down and checks what a user would see of it: a picture
of the page, standard error free of the engine's complaints about pages left alive, and as root
exactly one line saying that the sandbox is off."""
import os
import struct
import subprocess
import sys
import tempfile


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
            with open(picture, "rb") as f:
                head = f.read(24)
            if head[:8] != b"\x89PNG\r\n\x1a\n":
                failures.append("picture is no PNG")
            else:
                width, height = struct.unpack(">II", head[16:24])
                if (width, height) != (640, 480):
                    failures.append(f"picture is {width}x{height}")
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
