#!/usr/bin/env python3
"""Write the embedded fruit tables data/fruits.en.txt and data/fruits.es.txt,
and the household measures data/measures.en.txt and data/measures.es.txt.

The amounts come from the USDA National Nutrient Database for Standard
Reference, release 24 (public domain), as shipped in Debian's package
"cronometer": the jar usr/share/cronometer/usda_sr24.jar holds one XML file
per food (usda_sr24/NNNNN.xml) with <nutrient amount="..." name="..."/>
entries, all per 100 g, and <measure amount="1.0" name="cup, sliced"
grams="165.0"/> entries, the household measures in the USDA's order.

Inputs, beside this script:
  usda-fruit-ids.tsv   table line -> table name (field 0) and USDA food number
  fruit-names-es.tsv   table line -> Spanish name (UTF-8)
  measure-names-es.tsv English measure name -> Spanish measure name (UTF-8)

Usage:
  make_fruit_tables.py [--jar PATH] [--out-dir DIR]

Without --jar the script runs "apt-get download cronometer" in a temporary
folder and unpacks the jar from the package with dpkg-deb.  --out-dir defaults
to the data/ folder of the repository.

Only the Python 3 standard library is used.
"""

import argparse
import decimal
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zipfile
from decimal import Decimal

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
IDS_FILE = os.path.join(HERE, "usda-fruit-ids.tsv")
ES_NAMES_FILE = os.path.join(HERE, "fruit-names-es.tsv")
ES_MEASURES_FILE = os.path.join(HERE, "measure-names-es.tsv")
JAR_IN_PACKAGE = "usr/share/cronometer/usda_sr24.jar"

# Columns 1..32 of a table line: (USDA nutrient name, decimals written).
# The USDA names are those of the jar's XML files.  "Vitamin A" is in IU,
# "Folate" is total folate in micrograms, "Vitamin E" is alpha-tocopherol,
# "Vitamin K" is phylloquinone, "B3 (Niacin)" is preformed niacin.
CAROTENOIDS = "carotenoids"
COLUMNS = [
    ("Water", 2),                  # 1  g
    ("Energy", 0),                 # 2  kcal
    ("Protein", 2),                # 3  g
    ("Fat", 2),                    # 4  g, total lipid
    ("Ash", 2),                    # 5  g
    ("Carbs", 2),                  # 6  g, carbohydrate by difference
    ("Fiber", 1),                  # 7  g, total dietary fibre
    ("Sugars", 2),                 # 8  g, total sugars
    ("Calcium", 0),                # 9  mg
    ("Iron", 2),                   # 10 mg
    ("Magnesium", 0),              # 11 mg
    ("Phosphorus", 0),             # 12 mg
    ("Potassium", 0),              # 13 mg
    ("Sodium", 0),                 # 14 mg
    ("Zinc", 2),                   # 15 mg
    ("Copper", 3),                 # 16 mg
    ("Manganese", 3),              # 17 mg
    ("Selenium", 1),               # 18 ug
    ("Vitamin C", 1),              # 19 mg
    ("B1 (Thiamine)", 3),          # 20 mg
    ("B2 (Riboflavin)", 3),        # 21 mg
    ("B3 (Niacin)", 3),            # 22 mg
    ("B5 (Pantothenic Acid)", 3),  # 23 mg
    ("B6 (Pyridoxine)", 3),        # 24 mg
    ("Folate", 0),                 # 25 ug, total folate
    ("Vitamin A", 0),              # 26 IU
    (CAROTENOIDS, 0),              # 27 ug, sum of CAROTENOID_PARTS
    ("Vitamin E", 2),              # 28 mg, alpha-tocopherol
    ("Vitamin K", 1),              # 29 ug
    ("Saturated", 3),              # 30 g
    ("Monounsaturated", 3),        # 31 g
    ("Polyunsaturated", 3),        # 32 g
]
CAROTENOID_PARTS = ["Alpha-carotene", "Beta-carotene", "Beta-cryptoxanthin",
                    "Lycopene", "Lutein+Zeaxanthin"]

# The one place where the table does not follow the USDA record: line 0
# (acerola) carries vitamin E and vitamin K as "0" although release 24 lists
# neither for it.  Keys: (table line, field number) -> text written.
OVERRIDES = {
    (0, 28): "0",
    (0, 29): "0",
}

FIELDS = 33
CLOSING_FIELDS = [""] * FIELDS
CLOSING_FIELDS[27] = "0"
# The Spanish table's last two lines stop after field 27.
ES_SHORT_FIELDS = 28
CRLF = b"\r\n"


def format_amount(text, decimals):
    """Round the decimal text of the XML to DECIMALS places, half away from
    zero (amounts are never negative), and write it with "." and no
    exponent."""
    value = Decimal(text)
    quantum = Decimal(1).scaleb(-decimals)
    rounded = value.quantize(quantum, rounding=decimal.ROUND_HALF_UP)
    return format(rounded, "f")


def read_tsv(path, columns):
    rows = []
    with open(path, encoding="utf-8", newline="") as f:
        header = f.readline().rstrip("\r\n").split("\t")
        if header[:len(columns)] != columns:
            sys.exit("%s: unexpected header %r" % (path, header))
        for number, raw in enumerate(f, start=2):
            raw = raw.rstrip("\r\n")
            if not raw:
                continue
            parts = raw.split("\t")
            if len(parts) < len(columns):
                sys.exit("%s:%d: too few columns" % (path, number))
            rows.append(parts)
    for expected, parts in enumerate(rows):
        if parts[0] != str(expected):
            sys.exit("%s: line numbers must run 0, 1, 2, ... (found %s)"
                     % (path, parts[0]))
    return rows


def read_food(jar, food_id):
    """Nutrient name -> amount text of one food of the jar, and its household
    measures as (amount, name, grams) texts in the USDA's order."""
    member = "usda_sr24/%s.xml" % food_id
    try:
        data = jar.read(member)
    except KeyError:
        sys.exit("%s is not in the jar" % member)
    root = ET.fromstring(data)
    measures = []
    for node in root.iter("measure"):
        fields = [node.get("amount"), node.get("name"), node.get("grams")]
        if None in fields or any(";" in f or not f for f in fields):
            sys.exit("%s has a measure the table cannot hold: %r" % (member, fields))
        measures.append((plain_number(fields[0]), fields[1],
                         plain_number(fields[2])))
    amounts = {}
    for node in root.iter("nutrient"):
        name = node.get("name")
        if name in amounts:
            sys.exit("%s lists %s twice" % (member, name))
        amounts[name] = node.get("amount")
    return amounts, measures


def plain_number(text):
    """A measure's amount or grams without trailing zeros: "1.0" -> "1",
    "0.50" -> "0.5"; a text that is no positive number stops the script."""
    value = Decimal(text)
    if not value > 0:
        sys.exit("measure number %r is not positive" % text)
    return format(value.normalize(), "f")


def amount_fields(amounts):
    """Fields 1..32 of a table line from the nutrients of one food."""
    fields = []
    for name, decimals in COLUMNS:
        if name == CAROTENOIDS:
            total = sum((Decimal(amounts[p]) for p in CAROTENOID_PARTS
                         if p in amounts), Decimal(0))
            fields.append(format_amount(total, decimals))
        elif name in amounts:
            fields.append(format_amount(amounts[name], decimals))
        else:
            fields.append("")
    return fields


def build_rows(jar_path):
    """The fruit lines, and per fruit line its household measures."""
    ids = read_tsv(IDS_FILE, ["line", "table_name", "usda_id"])
    rows = []
    measures = []
    with zipfile.ZipFile(jar_path) as jar:
        for parts in ids:
            line, name, food_id = int(parts[0]), parts[1], parts[2]
            amounts, food_measures = read_food(jar, food_id)
            fields = [name] + amount_fields(amounts)
            for (where, field), text in OVERRIDES.items():
                if where == line:
                    fields[field] = text
            rows.append(fields)
            measures.append(food_measures)
    return rows, measures


def measure_bytes(measures, encoding, names=None):
    """The measure table: one CR LF line per measure, "line;order;amount;
    name;grams", fruits in table order and each fruit's measures in the USDA's
    order (from 1). NAMES translates the English measure names."""
    out = []
    for line, food_measures in enumerate(measures):
        for order, (amount, name, grams) in enumerate(food_measures, start=1):
            if names is not None:
                if name not in names:
                    sys.exit("%s has no translation of %r"
                             % (ES_MEASURES_FILE, name))
                name = names[name]
            fields = [str(line), str(order), amount, name, grams]
            out.append(";".join(fields).encode(encoding) + CRLF)
    return b"".join(out)


def spanish_measure_names(measures):
    names = {}
    with open(ES_MEASURES_FILE, encoding="utf-8", newline="") as f:
        header = f.readline().rstrip("\r\n").split("\t")
        if header != ["name", "name_es"]:
            sys.exit("%s: unexpected header %r" % (ES_MEASURES_FILE, header))
        for number, raw in enumerate(f, start=2):
            parts = raw.rstrip("\r\n").split("\t")
            if len(parts) != 2 or not all(parts) or parts[0] in names:
                sys.exit("%s:%d: expected a new name and its translation"
                         % (ES_MEASURES_FILE, number))
            names[parts[0]] = parts[1]
    used = {m[1] for food in measures for m in food}
    unused = sorted(set(names) - used)
    if unused:
        sys.exit("%s translates names no fruit uses: %r"
                 % (ES_MEASURES_FILE, unused))
    return names


def table_bytes(rows, encoding, short_tail=False):
    lines = [list(r) for r in rows] + [list(CLOSING_FIELDS)]
    if short_tail:
        for fields in lines[-2:]:
            if any(fields[ES_SHORT_FIELDS:]):
                sys.exit("line %r has amounts past field %d"
                         % (fields[0], ES_SHORT_FIELDS - 1))
            del fields[ES_SHORT_FIELDS:]
    return b"".join(";".join(f).encode(encoding) + CRLF for f in lines)


def spanish_rows(rows):
    names = read_tsv(ES_NAMES_FILE, ["line", "name_es"])
    if len(names) != len(rows):
        sys.exit("%s: %d names for %d fruits"
                 % (ES_NAMES_FILE, len(names), len(rows)))
    return [[n[1]] + r[1:] for n, r in zip(names, rows)]


def fetch_jar(workdir):
    """Download Debian's cronometer package into WORKDIR and unpack it."""
    subprocess.run(["apt-get", "download", "cronometer"], cwd=workdir,
                   check=True)
    debs = [f for f in os.listdir(workdir) if f.endswith(".deb")]
    if len(debs) != 1:
        sys.exit("expected one downloaded package, found %r" % debs)
    tree = os.path.join(workdir, "pkg")
    subprocess.run(["dpkg-deb", "-x", os.path.join(workdir, debs[0]), tree],
                   check=True)
    return os.path.join(tree, JAR_IN_PACKAGE)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--jar", help="path of usda_sr24.jar (default: "
                        "download Debian's cronometer package)")
    parser.add_argument("--out-dir", default=os.path.join(REPO, "data"),
                        help="folder for the four tables")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as tmp:
        jar_path = args.jar or fetch_jar(tmp)
        rows, measures = build_rows(jar_path)

    outputs = {
        "fruits.en.txt": table_bytes(rows, "ascii"),
        "fruits.es.txt": table_bytes(spanish_rows(rows), "cp1252",
                                     short_tail=True),
        "measures.en.txt": measure_bytes(measures, "ascii"),
        "measures.es.txt": measure_bytes(measures, "cp1252",
                                         spanish_measure_names(measures)),
    }
    os.makedirs(args.out_dir, exist_ok=True)
    for name, data in outputs.items():
        path = os.path.join(args.out_dir, name)
        with open(path, "wb") as f:
            f.write(data)
        print("wrote %s (%d bytes)" % (path, len(data)))


if __name__ == "__main__":
    main()
