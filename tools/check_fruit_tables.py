#!/usr/bin/env python3
"""Check the embedded fruit tables fruits.en.txt and fruits.es.txt.

Usage: check_fruit_tables.py [DATA_DIR]

DATA_DIR defaults to the data/ folder of the repository.  Prints every
difference found and exits with status 1 if there is any, 0 otherwise.
Only the Python 3 standard library is used.
"""

import os
import re
import sys
from decimal import Decimal

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
IDS_FILE = os.path.join(HERE, "usda-fruit-ids.tsv")

FRUITS = 145
LINES = FRUITS + 1
FIELDS = 33
ES_SHORT_FIELDS = 28  # fields on the last two lines of the Spanish table
LONGEST_NAME = 59
NAME_CHARS = re.compile(r"[A-Z0-9 &'(),\-]+\Z")
AMOUNT = re.compile(r"[0-9]+(\.[0-9]+)?\Z")

# Lines that must come out byte for byte (without their CR LF).
EXACT_LINES = {
    0: b"ACEROLA,(WEST INDIAN CHERRY),RAW;91.41;32;0.40;0.30;0.20;7.69;1.1;;"
       b"12;0.20;18;11;146;7;0.10;0.086;;0.6;1677.6;0.020;0.060;0.400;0.309;"
       b"0.009;14;767;0;0;0;0.068;0.082;0.090",
    2: b"APPLES,RAW,WITH SKIN;85.56;52;0.26;0.17;0.19;13.81;2.4;10.39;6;0.12;"
       b"5;11;107;1;0.04;0.027;0.035;0.0;4.6;0.017;0.026;0.091;0.061;0.041;3;"
       b"54;67;0.18;2.2;0.028;0.007;0.051",
    144: b"HORNED MELON (KIWANO);88.97;44;1.78;1.26;0.44;7.56;;;13;1.13;40;37;"
         b"123;2;0.48;0.020;0.039;;5.3;0.025;0.015;0.565;0.183;0.063;3;147;88;"
         b";;;;",
    145: b";;;;;;;;;;;;;;;;;;;;;;;;;;;0;;;;;",
}

# Per column over the 145 fruit lines: name, decimals written, smallest and
# largest non-zero amount as written, number of empty and of zero fields.
COLUMNS = {
    1: ("Water", 2, "3.00", "94.30", 0, 0),
    2: ("Energy", 0, "21", "346", 0, 0),
    3: ("Protein", 2, "0.07", "4.90", 0, 0),
    4: ("Total lipid (fat)", 2, "0.01", "15.41", 0, 0),
    5: ("Ash", 2, "0.08", "3.10", 0, 0),
    6: ("Carbohydrate", 2, "4.54", "88.28", 0, 0),
    7: ("Total dietary fiber", 1, "0.1", "14.5", 19, 0),
    8: ("Total sugars", 2, "0.30", "80.68", 46, 2),
    9: ("Calcium", 0, "1", "215", 0, 0),
    10: ("Iron", 2, "0.05", "5.40", 1, 1),
    11: ("Magnesium", 0, "3", "108", 3, 0),
    12: ("Phosphorus", 0, "2", "196", 0, 1),
    13: ("Potassium", 0, "8", "1491", 1, 0),
    14: ("Sodium", 0, "1", "735", 1, 16),
    15: ("Zinc", 2, "0.02", "0.68", 11, 0),
    16: ("Copper", 3, "0.010", "1.060", 9, 0),
    17: ("Manganese", 3, "0.008", "1.973", 27, 0),
    18: ("Selenium", 1, "0.1", "3.9", 40, 11),
    19: ("Vitamin C", 1, "0.2", "1677.6", 1, 3),
    20: ("Vitamin B1", 3, "0.002", "0.428", 5, 4),
    21: ("Vitamin B2", 3, "0.003", "0.570", 5, 4),
    22: ("Vitamin B3", 3, "0.004", "3.100", 4, 1),
    23: ("Vitamin B5", 3, "0.015", "1.463", 29, 0),
    24: ("Vitamin B6", 3, "0.004", "0.720", 17, 1),
    25: ("Folic acid", 0, "1", "89", 21, 16),
    26: ("Vitamin A", 0, "1", "3382", 4, 13),
    27: ("Carotenoids", 0, "1", "5578", 0, 49),
    28: ("Vitamin E", 2, "0.01", "2.66", 47, 1),
    29: ("Vitamin K", 1, "0.1", "40.3", 53, 15),
    30: ("Saturated fatty acids", 3, "0.001", "3.690", 21, 0),
    31: ("Monounsaturated fatty acids", 3, "0.002", "9.799", 25, 0),
    32: ("Polyunsaturated fatty acids", 3, "0.003", "2.697", 25, 0),
}

# Amounts written with other decimals than their column: acerola's vitamin E
# and vitamin K (a deliberate override in the generator).
DECIMALS_EXCEPTIONS = {(0, 28), (0, 29)}

# The table name (field 0) of every fruit line, in table order.
TABLE_NAMES = [
    "ACEROLA,(WEST INDIAN CHERRY),RAW",  # 0
    "ACEROLA JUICE,RAW",  # 1
    "APPLES,RAW,WITH SKIN",  # 2
    "APPLES,RAW,WITHOUT SKIN",  # 3
    "APPLES,DRIED,WITHOUT SUGAR",  # 4
    "APPLES,DRIED,WITH SUGAR",  # 5
    "APRICOTS,RAW",  # 6
    "APRICOTS,DRIED,WITHOUT SUGAR",  # 7
    "APRICOTS,DRIED,WITH SUGAR",  # 8
    "APRICOTS,FROZEN,SWEETENED",  # 9
    "APRICOT NECTAR",  # 10
    "AVOCADOS,RAW,CALIFORNIA",  # 11
    "AVOCADOS,RAW,FLORIDA",  # 12
    "BANANAS,RAW",  # 13
    "BANANAS,DEHYD,OR BANANA PDR",  # 14
    "BLACKBERRIES,RAW",  # 15
    "BLUEBERRIES,RAW",  # 16
    "BREADFRUIT,RAW",  # 17
    "CARAMBOLA,(STARFRUIT),RAW",  # 18
    "CARISSA,(NATAL-PLUM),RAW",  # 19
    "CHERIMOYA,RAW",  # 20
    "CHERRIES,SOUR,RED,RAW",  # 21
    "CHERRIES,SWEET,RAW",  # 22
    "CRABAPPLES,RAW",  # 23
    "CRANBERRIES,RAW",  # 24
    "CRANBERRIES,DRIED",  # 25
    "CURRANTS,EUROPEAN BLACK,RAW",  # 26
    "CURRANTS,RED&WHITE,RAW",  # 27
    "CURRANTS,ZANTE,DRIED",  # 28
    "CUSTARD-APPLE,(BULLOCK'S-HEART),RAW",  # 29
    "DATES,DEGLET NOOR",  # 30
    "ELDERBERRIES,RAW",  # 31
    "FIGS,RAW",  # 32
    "FIGS,DRIED,UNCOOKED",  # 33
    "FIGS,DRIED,STEWED",  # 34
    "GOOSEBERRIES,RAW",  # 35
    "GRAPEFRUIT,RAW,PINK&RED&WHITE,ALL AREAS",  # 36
    "GRAPEFRUIT,RAW,PINK&RED,ALL AREAS",  # 37
    "GRAPEFRUIT,RAW,PINK&RED,CALIFORNIA&ARIZONA",  # 38
    "GRAPEFRUIT,RAW,PINK & RED,FLORIDA",  # 39
    "GRAPEFRUIT,RAW,WHITE,ALL AREAS",  # 40
    "GRAPEFRUIT,RAW,WHITE,CALIFORNIA",  # 41
    "GRAPEFRUIT,RAW,WHITE,FLORIDA",  # 42
    "GRAPES,MUSCADINE,RAW",  # 43
    "GRAPES,AMERICAN TYPE (SLIP SKN),RAW",  # 44
    "GRAPES,RED OR GRN (EURO TYPE,SUCH AS THOMPSON SEEDLESS),RAW",  # 45
    "GROUNDCHERRIES,(CAPE-GOOSEBERRIES OR POHA),RAW",  # 46
    "GUAVAS,COMMON,RAW",  # 47
    "GUAVAS,STRAWBERRY,RAW",  # 48
    "GUAVA SAUCE,COOKED",  # 49
    "JACKFRUIT,RAW",  # 50
    "JAVA-PLUM,(JAMBOLAN),RAW",  # 51
    "JUJUBE,RAW",  # 52
    "JUJUBE,DRIED",  # 53
    "KIWIFRUIT,GRN,RAW",  # 54
    "KUMQUATS,RAW",  # 55
    "LEMONS,RAW,WITHOUT PEEL",  # 56
    "LEMON JUICE,RAW",  # 57
    "LEMON PEEL,RAW",  # 58
    "LIMES,RAW",  # 59
    "LIME JUICE,RAW",  # 60
    "LITCHIS,RAW",  # 61
    "LITCHIS,DRIED",  # 62
    "LOGANBERRIES,FROZEN",  # 63
    "LONGANS,RAW",  # 64
    "LONGANS,DRIED",  # 65
    "LOQUATS,RAW",  # 66
    "MAMMY-APPLE,(MAMEY),RAW",  # 67
    "MANGOS,RAW",  # 68
    "MELONS,CANTALOUPE,RAW",  # 69
    "MELONS,CASABA,RAW",  # 70
    "MELONS,HONEYDEW,RAW",  # 71
    "MELON BALLS,FROZEN",  # 72
    "MULBERRIES,RAW",  # 73
    "NECTARINES,RAW",  # 74
    "OHELOBERRIES,RAW",  # 75
    "OLIVES,RIPE,(SMALL-EXTRA LARGE)",  # 76
    "OLIVES,RIPE,(JUMBO-SUPER COLOSSAL)",  # 77
    "ORANGES,RAW,CALIFORNIA,VALENCIAS",  # 78
    "ORANGES,RAW,NAVELS",  # 79
    "ORANGES,RAW,FLORIDA",  # 80
    "ORANGES,RAW,WITH PEEL",  # 81
    "ORANGE JUICE,RAW",  # 82
    "ORANGE PEEL,RAW",  # 83
    "TANGERINES,(MANDARIN ORANGES),RAW",  # 84
    "TANGERINE JUICE,RAW",  # 85
    "PAPAYAS,RAW",  # 86
    "PAPAYA NECTAR,CANNED",  # 87
    "PASSION-FRUIT,(GRANADILLA),PURPLE,RAW",  # 88
    "PEACHES,RAW",  # 89
    "PEACHES,DRIED,SULFURED,WITHOUT SUGAR",  # 90
    "PEACHES,DRIED,SULFURED,WITH SUGAR",  # 91
    "PEACH NECTAR",  # 92
    "PEARS,RAW",  # 93
    "PEARS,DRIED,WITHOUT SUGAR",  # 94
    "PEARS,DRIED,WITH SUGAR",  # 95
    "PEAR NECTAR",  # 96
    "PERSIMMONS,JAPANESE,RAW",  # 97
    "PERSIMMONS,JAPANESE,DRIED",  # 98
    "PERSIMMONS,NATIVE,RAW",  # 99
    "PINEAPPLE,RAW,ALL VAR",  # 100
    "PITANGA,(SURINAM-CHERRY),RAW",  # 101
    "PLANTAINS,RAW",  # 102
    "PLANTAINS,COOKED",  # 103
    "PLUMS,RAW",  # 104
    "POMEGRANATES,RAW",  # 105
    "PRICKLY PEARS,RAW",  # 106
    "PLUMS,DRIED (PRUNES),WITHOUT ADDED SUGAR",  # 107
    "PLUMS,DRIED (PRUNES),WITH ADDED SUGAR",  # 108
    "PRUNE JUICE,CANNED",  # 109
    "PUMMELO,RAW",  # 110
    "QUINCES,RAW",  # 111
    "RAISINS,GOLDEN SEEDLESS",  # 112
    "RAISINS,SEEDLESS",  # 113
    "RAISINS,SEEDED",  # 114
    "RASPBERRIES,RAW",  # 115
    "RHUBARB,RAW",  # 116
    "RHUBARB,FROZEN,UNCOOKED",  # 117
    "ROSELLE,RAW",  # 118
    "ROSE-APPLES,RAW",  # 119
    "SAPODILLA,RAW",  # 120
    "SAPOTE,MAMEY,RAW",  # 121
    "SOURSOP,RAW",  # 122
    "STRAWBERRIES,RAW",  # 123
    "SUGAR-APPLES,(SWEETSOP),RAW",  # 124
    "TAMARINDS,RAW",  # 125
    "WATERMELON,RAW",  # 126
    "MARASCHINO CHERRIES",  # 127
    "FEIJOA,RAW",  # 128
    "PEARS,ASIAN,RAW",  # 129
    "GRAPEFRUIT JUICE,PINK,RAW",  # 130
    "DURIAN,RAW OR FROZEN",  # 131
    "PRUNE PUREE",  # 132
    "CANDIED FRUIT",  # 133
    "ABIYUCH,RAW",  # 134
    "ROWAL,RAW",  # 135
    "PINEAPPLE,RAW",  # 136
    "CLEMENTINES,RAW",  # 137
    "GUANABANA NECTAR",  # 138
    "GUAVA NECTAR",  # 139
    "MANGO NECTAR",  # 140
    "TAMARIND NECTAR",  # 141
    "KIWIFRUIT,GOLD,RAW",  # 142
    "PLANTAINS,FRIED",  # 143
    "HORNED MELON (KIWANO)",  # 144
]


class Report:
    def __init__(self):
        self.problems = 0

    def fail(self, where, message):
        self.problems += 1
        print("%s: %s" % (where, message))


def split_lines(data, where, report):
    """Split DATA at CR LF, reporting a missing final CR LF and any lone CR
    or LF.  Returns the lines without their line ends."""
    if not data.endswith(b"\r\n"):
        report.fail(where, "does not end with CR LF")
    lines = data.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    for number, line in enumerate(lines):
        if b"\r" in line or b"\n" in line:
            report.fail("%s line %d" % (where, number),
                        "holds a CR or LF that is not part of CR LF")
    if len(lines) != LINES:
        report.fail(where, "%d lines, expected %d" % (len(lines), LINES))
    return lines


def decimals_of(text):
    return len(text.split(".")[1]) if "." in text else 0


def check_english(data, report):
    where = "fruits.en.txt"
    try:
        data.decode("ascii")
    except UnicodeDecodeError as error:
        report.fail(where, "not ASCII (byte %d)" % error.start)
    lines = split_lines(data, where, report)

    for number, expected in EXACT_LINES.items():
        got = lines[number] if number < len(lines) else None
        if got != expected:
            report.fail("%s line %d" % (where, number),
                        "differs\n  expected %r\n  found    %r"
                        % (expected, got))

    rows = []
    for number, line in enumerate(lines):
        fields = line.decode("latin-1").split(";")
        if len(fields) != FIELDS:
            report.fail("%s line %d" % (where, number),
                        "%d fields, expected %d" % (len(fields), FIELDS))
            fields = (fields + [""] * FIELDS)[:FIELDS]
        rows.append(fields)
    fruits = rows[:FRUITS]

    # Names.
    ids = read_ids()
    for number, fields in enumerate(fruits):
        name = fields[0]
        at = "%s line %d" % (where, number)
        if number < len(TABLE_NAMES) and name != TABLE_NAMES[number]:
            report.fail(at, "name %r, expected %r"
                        % (name, TABLE_NAMES[number]))
        if ids.get(number) != name:
            report.fail(at, "name %r, usda-fruit-ids.tsv has %r"
                        % (name, ids.get(number)))
        if not NAME_CHARS.match(name):
            report.fail(at, "name %r holds a character not allowed" % name)
    names = [f[0] for f in fruits]
    longest = max((len(n) for n in names), default=0)
    if longest != LONGEST_NAME:
        report.fail(where, "longest name has %d characters, expected %d"
                    % (longest, LONGEST_NAME))
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        report.fail(where, "names given twice: %r" % duplicates)
    if len(ids) != FRUITS:
        report.fail("usda-fruit-ids.tsv", "%d lines, expected %d"
                    % (len(ids), FRUITS))

    # Amounts.
    for number, fields in enumerate(rows):
        for column in range(1, FIELDS):
            text = fields[column]
            if text and not AMOUNT.match(text):
                report.fail("%s line %d field %d" % (where, number, column),
                            "amount %r is not digits[.digits]" % text)
            elif (text and number < FRUITS
                  and (number, column) not in DECIMALS_EXCEPTIONS
                  and decimals_of(text) != COLUMNS[column][1]):
                report.fail("%s line %d field %d" % (where, number, column),
                            "amount %r should have %d decimals"
                            % (text, COLUMNS[column][1]))

    # Column statistics.
    for column, (label, _, smallest, largest, empty, zero) in COLUMNS.items():
        texts = [f[column] for f in fruits]
        numbers = [t for t in texts if AMOUNT.match(t)]
        nonzero = [t for t in numbers if Decimal(t) != 0]
        got = (
            min(nonzero, key=Decimal) if nonzero else None,
            max(nonzero, key=Decimal) if nonzero else None,
            texts.count(""),
            sum(1 for t in numbers if Decimal(t) == 0),
        )
        expected = (smallest, largest, empty, zero)
        for what, g, e in zip(("smallest", "largest", "empty", "zero"),
                              got, expected):
            if g != e:
                report.fail("%s field %d (%s)" % (where, column, label),
                            "%s is %s, expected %s" % (what, g, e))
    return rows


def check_spanish(data, english_rows, report):
    where = "fruits.es.txt"
    try:
        text = data.decode("cp1252")
    except UnicodeDecodeError as error:
        report.fail(where, "not Windows-1252 (byte %d)" % error.start)
        return
    if any(b >= 0x80 for b in data):
        try:
            data.decode("utf-8")
            report.fail(where, "is valid UTF-8; expected Windows-1252 bytes")
        except UnicodeDecodeError:
            pass
    else:
        report.fail(where, "has no accented letters")
    lines = split_lines(data, where, report)
    names = []
    for number, line in enumerate(lines):
        at = "%s line %d" % (where, number)
        fields = line.decode("cp1252").split(";")
        wanted = ES_SHORT_FIELDS if number >= LINES - 2 else FIELDS
        if len(fields) != wanted:
            report.fail(at, "%d fields, expected %d" % (len(fields), wanted))
        if number < len(english_rows):
            english = english_rows[number]
            if number >= LINES - 2 and any(english[ES_SHORT_FIELDS:]):
                report.fail(at, "English line has amounts after field %d"
                            % (ES_SHORT_FIELDS - 1))
            count = min(len(fields), wanted)
            if fields[1:count] != english[1:count]:
                report.fail(at, "amounts differ from fruits.en.txt")
        if number < FRUITS:
            name = fields[0]
            names.append(name)
            if not name.strip() or name != name.strip():
                report.fail(at, "name %r is empty or padded" % name)
            if not any(c.isupper() for c in name):
                report.fail(at, "name %r has no capital letter" % name)
        elif fields[0]:
            report.fail(at, "closing line has a name")
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        report.fail(where, "names given twice: %r" % duplicates)
    if not any(c.islower() for n in names for c in n):
        report.fail(where, "names are not in mixed case")
    if not any(c in "áéíóúñÁÉÍÓÚÑü" for c in text):
        report.fail(where, "has no Spanish accented letters")


def read_ids():
    ids = {}
    with open(IDS_FILE, encoding="utf-8") as f:
        next(f)
        for raw in f:
            parts = raw.rstrip("\r\n").split("\t")
            if len(parts) >= 2 and parts[0].isdigit():
                ids[int(parts[0])] = parts[1]
    return ids


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "data")
    report = Report()
    with open(os.path.join(data_dir, "fruits.en.txt"), "rb") as f:
        english_rows = check_english(f.read(), report)
    with open(os.path.join(data_dir, "fruits.es.txt"), "rb") as f:
        check_spanish(f.read(), english_rows, report)
    if report.problems:
        print("%d difference(s) found" % report.problems)
        return 1
    print("fruit tables OK: %d lines, %d columns checked" % (LINES, FIELDS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
