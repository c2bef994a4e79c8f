#!/usr/bin/env python3
"""Check the embedded household-measure tables measures.en.txt and
measures.es.txt.

Usage: check_measure_tables.py [DATA_DIR]

DATA_DIR defaults to the data/ folder of the repository.  Prints every
difference found and exits with status 1 if there is any, 0 otherwise.
Only the Python 3 standard library is used.
"""

import os
import re
import sys

from check_fruit_tables import Report

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)

FRUITS = 145
MEASURES = 329
DISTINCT_NAMES = 135
MOST_PER_FRUIT = 11
# The fruits the USDA release gives no household measure: custard-apple, the
# two jujubes, rose-apples, candied fruit.
WITHOUT_MEASURES = {29, 52, 53, 119, 133}
# English names that may share their Spanish name with another one.
MOST_MERGED = 8
NUMBER = re.compile(r"(0|[1-9][0-9]*)(\.[0-9]*[1-9])?\Z")

# Lines that must come out byte for byte (without their CR LF), by position.
EXACT_LINES = {
    "measures.en.txt": {
        0: b"0;1;1;cup;98",
        1: b"0;2;1;fruit without refuse;4.8",
        MEASURES - 1: b'144;2;1;fruit (4-2/3" long x 2-3/4" dia);209',
    },
    "measures.es.txt": {
        0: b"0;1;1;taza;98",
        1: b"0;2;1;fruta sin desperdicio;4.8",
    },
}


def read_lines(path, encoding, report):
    where = os.path.basename(path)
    with open(path, "rb") as f:
        data = f.read()
    if not data.endswith(b"\r\n"):
        report.fail(where, "does not end with CR LF")
    raw = data.split(b"\r\n")[:-1] if data.endswith(b"\r\n") else data.split(b"\r\n")
    if any(b"\r" in line or b"\n" in line for line in raw):
        report.fail(where, "has a line end other than CR LF")
    for number, text in EXACT_LINES.get(where, {}).items():
        if number < len(raw) and raw[number] != text:
            report.fail("%s line %d" % (where, number),
                        "%r, expected %r" % (raw[number], text))
    try:
        return [line.decode(encoding).split(";") for line in raw]
    except UnicodeDecodeError as error:
        report.fail(where, "not %s (%s)" % (encoding, error))
        return []


def check_table(rows, where, report, distinct_names=None):
    if len(rows) != MEASURES:
        report.fail(where, "%d measures, expected %d" % (len(rows), MEASURES))
    per_fruit = {}
    previous = (-1, 0)
    for number, fields in enumerate(rows):
        at = "%s line %d" % (where, number)
        if len(fields) != 5:
            report.fail(at, "%d fields, expected 5" % len(fields))
            continue
        line, order, amount, name, grams = fields
        if not line.isdigit() or not order.isdigit():
            report.fail(at, "table line %r or order %r is no number"
                        % (line, order))
            continue
        key = (int(line), int(order))
        expected = ((previous[0], previous[1] + 1) if key[0] == previous[0]
                    else (key[0], 1))
        if key != expected or key[0] <= previous[0] - 1 or key[0] >= FRUITS:
            report.fail(at, "fruit %d measure %d follows fruit %d measure %d"
                        % (key + previous))
        previous = key
        per_fruit[key[0]] = key[1]
        for what, text in (("amount", amount), ("grams", grams)):
            if not NUMBER.match(text) or float(text) <= 0:
                report.fail(at, "%s %r is no plain positive number"
                            % (what, text))
        if not name or name != name.strip():
            report.fail(at, "name %r is empty or padded" % name)
    missing = set(range(FRUITS)) - set(per_fruit)
    if missing != WITHOUT_MEASURES:
        report.fail(where, "fruits without measures %s, expected %s"
                    % (sorted(missing), sorted(WITHOUT_MEASURES)))
    if per_fruit and max(per_fruit.values()) != MOST_PER_FRUIT:
        report.fail(where, "at most %d measures a fruit, expected %d"
                    % (max(per_fruit.values()), MOST_PER_FRUIT))
    names = {f[3] for f in rows if len(f) == 5}
    if distinct_names is not None and len(names) != distinct_names:
        report.fail(where, "%d distinct names, expected %d"
                    % (len(names), distinct_names))


def check_twins(english, spanish, report):
    """Same measures in the same order; one Spanish name per English name,
    never the English one left untranslated. English variants of one measure
    ("cup, sliced", "cup, slices") may share a Spanish name, but only a few."""
    translation = {}
    for number, (en, es) in enumerate(zip(english, spanish)):
        at = "measures.es.txt line %d" % number
        if len(en) != 5 or len(es) != 5:
            continue
        if en[:3] != es[:3] or en[4] != es[4]:
            report.fail(at, "line, order, amount or grams differ from "
                        "measures.en.txt")
        if en[3] == es[3]:
            report.fail(at, "name %r is not translated" % en[3])
        if translation.setdefault(en[3], es[3]) != es[3]:
            report.fail(at, "%r is translated as %r and as %r"
                        % (en[3], translation[en[3]], es[3]))
    if len(set(translation.values())) < len(translation) - MOST_MERGED:
        report.fail("measures.es.txt", "too many names translated alike")
    if not any(c in "áéíóúñ" for name in translation.values() for c in name):
        report.fail("measures.es.txt", "has no Spanish accented letters")


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "data")
    report = Report()
    english = read_lines(os.path.join(data_dir, "measures.en.txt"), "ascii",
                         report)
    spanish = read_lines(os.path.join(data_dir, "measures.es.txt"), "cp1252",
                         report)
    check_table(english, "measures.en.txt", report, DISTINCT_NAMES)
    check_table(spanish, "measures.es.txt", report)
    check_twins(english, spanish, report)
    if report.problems:
        print("%d difference(s) found" % report.problems)
        return 1
    print("measure tables OK: %d measures checked" % len(english))
    return 0


if __name__ == "__main__":
    sys.exit(main())
