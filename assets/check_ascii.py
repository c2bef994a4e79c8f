"""Fails when a chart script holds a byte outside ASCII.

The program reads the script files as Windows-1252 bytes and hands them to the page, so any
non-ASCII byte (a UTF-8 sequence in particular) would arrive garbled. Usage: check_ascii.py FILE...
"""
import sys

bad = 0
for path in sys.argv[1:]:
    data = open(path, "rb").read()
    for offset, byte in enumerate(data):
        if byte > 0x7F:
            line = data.count(b"\n", 0, offset) + 1
            print("%s:%d: byte 0x%02X at offset %d is not ASCII" % (path, line, byte, offset),
                  file=sys.stderr)
            bad += 1
            break
sys.exit(1 if bad else 0)
