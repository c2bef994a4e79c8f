#!/usr/bin/env python3
"""Fails when a library includes a header of a library above it, or the core includes Qt.

The layers, lowest first: data; reports; compare (the core, plain C++); htmlview (knows nothing of
fruits); app (may use everything).
"""
import pathlib
import re
import sys

ALLOWED = {
    "data": {"data"},
    "reports": {"data", "reports"},
    "compare": {"data", "reports", "compare"},
    "htmlview": {"htmlview"},
    "app": {"data", "reports", "compare", "htmlview", "app"},
}
CORE = {"data", "reports", "compare"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def problems(root):
    found = []
    for layer, allowed in ALLOWED.items():
        for path in sorted((root / layer).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for kind, name in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                top = name.split("/")[0] if "/" in name else None
                if kind == '"' and top is not None and top not in allowed:
                    found.append(f"{path.relative_to(root)}: includes {name}, above {layer}")
                if layer in CORE and re.match(r"Q[A-Za-z]*$|Qt", name.split("/")[0]):
                    found.append(f"{path.relative_to(root)}: includes {name}; the core has no Qt")
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    found = problems(root)
    for line in found:
        print(line)
    print(f"layers: {len(found)} include(s) across layers")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
