#!/usr/bin/env python3
"""A --lang the program does not know, or one without a value, ends it at once, before any window
or web engine: status 2, one line on standard error that names --lang and the languages it takes
(en or es), nothing on standard output.
Usage: check_bad_language.py PROGRAM"""
import re
import subprocess
import sys

program = sys.argv[1]
failures = []
for arguments in (["--lang", "fr"], ["--lang", ""], ["--lang"]):
    try:
        result = subprocess.run([program, *arguments], capture_output=True, text=True, timeout=60)
    except subprocess.TimeoutExpired:
        failures.append("%s: still running after 60 s" % arguments)
        continue
    if result.returncode != 2:
        failures.append("%s: status %d, not 2" % (arguments, result.returncode))
    one_line = re.fullmatch(r"quorvel: [^\n]*--lang[^\n]*\(en or es\)\n", result.stderr)
    if not one_line or result.stdout:
        failures.append("%s: stdout %r, stderr %r" % (arguments, result.stdout, result.stderr))
if failures:
    sys.exit("check_bad_language: FAILED:\n  " + "\n  ".join(failures))
print("check_bad_language: every bad --lang ends the program with status 2 and a message")
