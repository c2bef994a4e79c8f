#!/usr/bin/env python3
"""Checks quorvel-pages: its usage errors and the shape of every page it prints."""
import subprocess
import sys

tool = sys.argv[1]
failures = []


def run(*args):
    return subprocess.run([tool, *args], capture_output=True)


def check(cond, what):
    if not cond:
        failures.append(what)


for bad in [[], ["nope"], ["fruit"], ["fruit", "145"], ["fruit", "-1"], ["fruit", "1x"],
            ["compare", "3"], ["compare", "1", "1"], ["compare"] + [str(i) for i in range(10)],
            ["list", "extra"], ["placeholder", "x"], ["fruit", "007", "8"], ["rank"], ["rank", "0"],
            ["rank", "33"], ["rank", "-1"], ["rank", "1.5"], ["rank", "x"], ["rank", "19", "20"],
            ["rank", ""], ["rank", "019"]]:
    r = run(*bad)
    check(r.returncode == 2, f"{bad}: exit {r.returncode}")
    check(r.stdout == b"", f"{bad}: printed to stdout")
    check(r.stderr.count(b"\n") == 1 and r.stderr.startswith(b"usage:"), f"{bad}: usage line")

names = run("list").stdout
check(names.endswith(b"\r\n") and names.count(b"\r\n") == 145, "list: 145 CR LF lines")
check(names.split(b"\r\n")[27] == b"Currants,red&white,raw", "list: line 27")

placeholder = run("placeholder").stdout
check(len(placeholder) == 230 and placeholder.endswith(b"</html>\r\n"), "placeholder: 228 + CR LF")

for n in range(145):
    page = run("fruit", str(n)).stdout
    lines = page.split(b"\r\n")
    check(len(lines) == 20 and lines[-1] == b"", f"fruit {n}: 19 lines")
    check(b"\xb5" not in page and b"\n" not in page.replace(b"\r\n", b""), f"fruit {n}: bytes")

for fruits in (["0", "2"], ["144", "27", "0"], [str(i) for i in range(136, 145)]):
    page = run("compare", *fruits).stdout
    check(page.count(b"\r\n") == 44 + 62 * len(fruits), f"compare {fruits}: line count")
    rows = [l for l in page.split(b"\r\n") if l.startswith(b'<th scope="row">')]
    check(len(rows) == 10 * len(fruits), f"compare {fruits}: rows")

for column in range(1, 33):
    page = run("rank", str(column)).stdout
    rows = [l for l in page.split(b"\r\n") if b'<th scope="row"' in l]
    check(len(rows) == 145 and page.endswith(b"</BODY></HTML>\r\n"), f"rank {column}: rows")
    check(b"\n" not in page.replace(b"\r\n", b""), f"rank {column}: line ends")
check(run("rank", "18").stdout.count(b"\xb5g</td>") > 0, "rank 18: selenium in \xb5g")

# --lang: English as without the option, Spanish the same pages' shape with the Spanish table.
for bad in [["--lang"], ["--lang", "fr", "list"], ["--lang", "es"], ["list", "--lang", "es"]]:
    r = run(*bad)
    check(r.returncode == 2 and r.stdout == b"", f"{bad}: usage")
for args in (["list"], ["fruit", "0"], ["compare", "0", "144"], ["rank", "19"], ["placeholder"]):
    check(run("--lang", "en", *args).stdout == run(*args).stdout, f"--lang en {args}: as English")
spanish_names = run("--lang", "es", "list").stdout.split(b"\r\n")
check(len(spanish_names) == 146 and spanish_names[2] == b"Manzanas, en crudo, con la piel",
      "--lang es list: Spanish names")
for fruits in (["0", "2"], ["144", "27", "0"]):
    page = run("--lang", "es", "compare", *fruits).stdout
    check(page.count(b"\r\n") == 44 + 62 * len(fruits), f"--lang es compare {fruits}: lines")
    check(page.startswith(b'<!DOCTYPE html><HTML lang="es">'), f"--lang es compare {fruits}")
check(b"<td>0,40g</td>" in run("--lang", "es", "fruit", "0").stdout, "--lang es fruit 0: comma")
check(b"<td>1677,6mg</td>" in run("--lang", "es", "rank", "19").stdout, "--lang es rank 19")

# Portions, amounts and pages on a basis: bad input is a message and status 2, never output.
for bad in [["amounts", "29", "--per", "portion"], ["amounts", "13", "--per", "portion:9"],
            ["amounts", "0", "--per", "50g"], ["amounts", "0", "--dv", "fr"],
            ["amounts", "0", "--per", "portion:0"], ["amounts", "0", "--dv", "us", "--dv", "eu"],
            ["fruit", "0", "--per"], ["rank", "19", "--dv", "us"], ["rank", "19", "--per", "portion:2"],
            ["list", "--per", "portion"], ["portions", "0", "--dv", "us"], ["portions", "145"],
            ["compare", "13", "29", "--per", "portion:9"]]:
    r = run(*bad)
    check(r.returncode == 2 and r.stdout == b"" and r.stderr.count(b"\n") == 1, f"{bad}: refused")

counts = {}
for n in range(145):
    measures = [l.split(b"\t") for l in run("portions", str(n)).stdout.split(b"\r\n")[:-1]]
    counts[n] = len(measures)
    spanish = [l.split(b"\t") for l in run("--lang", "es", "portions", str(n)).stdout.split(b"\r\n")[:-1]]
    check([m[2].replace(b".", b",") for m in measures] == [m[2] for m in spanish], f"portions {n}")
    table = [l.split(b"\t") for l in run("amounts", str(n)).stdout.split(b"\r\n")[:-1]]
    check(len(table) == 32 and all(t[2] == b"" for t in table), f"amounts {n}: 32, no percent")
    if not measures:
        continue
    # Each measure's amounts are the 100 g amounts scaled by its weight, to three figures (both
    # rounded, so within 1 %); the
    # unknown ones stay unknown, and a standard gives percentages only to known amounts.
    grams = float(measures[-1][2])
    scaled = [l.split(b"\t") for l in run("amounts", str(n), "--per", f"portion:{len(measures)}",
                                          "--dv", "eu").stdout.split(b"\r\n")[:-1]]
    for per100, there in zip(table, scaled):
        check((per100[1] == b"") == (there[1] == b""), f"amounts {n} {per100[0]}: unknown kept")
        if per100[1] and there[1]:
            want = float(per100[1]) * grams / 100
            check(abs(float(there[1]) - want) <= max(abs(want) * 0.01, 1e-12),
                  f"amounts {n} {per100[0]}: {there[1]} for {want}")
        check(there[2] == b"" or there[1] != b"", f"amounts {n} {per100[0]}: percent of nothing")
check(sum(counts.values()) == 329 and sorted(k for k, v in counts.items() if v == 0)
      == [29, 52, 53, 119, 133], "portions: 329 measures, five fruits without")
check(run("--lang", "es", "amounts", "0", "--per", "100kcal").stdout.split(b"\r\n")[1]
      == b"2\t100\t", "--lang es amounts per 100 kcal: energy 100")
for args in (["fruit", "144"], ["compare", "13", "29", "144"], ["rank", "13"]):
    check(run(*args, "--per", "100g").stdout == run(*args).stdout, f"{args} --per 100g: as before")
    page = run(*args, "--per", "portion").stdout
    check(b"data-qv-per=\"per " in page and b"\n" not in page.replace(b"\r\n", b""),
          f"{args} --per portion: says its basis")

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("quorvel-pages: all checks passed")
