#!/usr/bin/env python3
"""Writes the sequence files that the CSV tests read, with Python's csv module
and as a spreadsheet exports them. Run from this folder; the outputs are kept
in the repository. Frame r, LED k holds (r + k) % 3 == 0 (a diagonal pattern),
and frame 1 LED 5 holds 7 to check that values are taken as they stand."""
import csv

FRAMES = 3
LEDS = 192


def frames():
    rows = []
    for r in range(FRAMES):
        row = [1 if (r + k) % 3 == 0 else 0 for k in range(LEDS)]
        rows.append(row)
    rows[1][5] = 7
    return rows


def write(name, **kwargs):
    with open(name, "w", newline="") as f:
        w = csv.writer(f, **kwargs)
        w.writerow(range(LEDS))
        w.writerows(frames())


write("python_minimal_crlf.csv")
write("python_minimal_lf.csv", lineterminator="\n")
write("python_quoted_crlf.csv", quoting=csv.QUOTE_ALL)
write("python_quoted_lf.csv", quoting=csv.QUOTE_ALL, lineterminator="\n")
write("python_nonnumeric_lf.csv", quoting=csv.QUOTE_NONNUMERIC, lineterminator="\n")

# A spreadsheet's export: a byte order mark, CRLF line ends and a trailing
# empty line.
with open("spreadsheet_bom.csv", "w", newline="", encoding="utf-8-sig") as f:
    w = csv.writer(f)
    w.writerow(range(LEDS))
    w.writerows(frames())
    f.write("\r\n")
