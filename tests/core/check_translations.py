#!/usr/bin/env python3
"""Every window text has a Spanish translation: lupdate collects the tr() texts of app/ afresh,
and each of them must stand in the kept .ts file with a finished, non-empty translation.
Usage: check_translations.py LUPDATE APP_DIR TS_FILE"""
import glob
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, app_dir, ts_file = sys.argv[1:4]


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.find("translation")
    return found


with tempfile.TemporaryDirectory() as tmp:
    fresh = os.path.join(tmp, "fresh_es.ts")
    sources = sorted(glob.glob(os.path.join(app_dir, "**", "*.cpp"), recursive=True) +
                     glob.glob(os.path.join(app_dir, "**", "*.h"), recursive=True))
    subprocess.run([lupdate, "-silent", "-locations", "none", *sources, "-ts", fresh],
                   check=True, capture_output=True)
    wanted = messages(fresh)

kept = messages(ts_file)
failures = []
for key in sorted(wanted):
    translation = kept.get(key)
    if translation is None:
        failures.append(f"{key}: not in {ts_file}")
    elif not (translation.text or "").strip() or translation.get("type") is not None:
        failures.append(f"{key}: no finished translation")
if len(wanted) < 40:
    failures.append(f"only {len(wanted)} texts found: lupdate did not read the window's sources")
if failures:
    print("\n".join(failures))
    sys.exit(1)
print(f"translations: all {len(wanted)} window texts have a Spanish translation")
