#!/usr/bin/env python3
"""Writes the comma-separated files the import is tried on, as other programs write them:
Python's csv module for the well-formed ones, raw bytes for the broken ones. Run it in this
folder; the files are checked in, so the tests never need Python."""

import csv
import io


def write_csv(name, rows, encoding="utf-8", final_newline=True, **dialect):
    buffer = io.StringIO(newline="")
    csv.writer(buffer, **dialect).writerows(rows)
    text = buffer.getvalue()
    if not final_newline:
        text = text.rstrip("\r\n")
    with open(name, "wb") as out:
        out.write(text.encode(encoding))


def write_bytes(name, data):
    with open(name, "wb") as out:
        out.write(data)


# First name, last name, amount, note.
people = [
    ["Zoë", "Müller", "12.50", "Costs 5 €, ask “Zoë” — today"],
    ["José", "Ñúñez", "-3", "Señor's note"],
    ["Ann", "O'Hara", "0", ""],
]

write_csv("utf8_without_mark.csv", people)
write_csv("utf8_with_mark.csv", people, encoding="utf-8-sig")
write_csv("windows1252.csv", people, encoding="cp1252")
write_csv("quote_all_lf.csv", people, quoting=csv.QUOTE_ALL, lineterminator="\n")
write_csv("no_final_line_end.csv", people, final_newline=False)
write_csv(
    "embedded.csv",
    [
        ["Smith, Jr", 'Say "hi"', "1", "line one\nline two, \"quoted\"\r\nthree"],
        ["Lee", "Ray", "2", "plain"],
    ],
)
write_csv(
    "numbers.csv",
    [
        ["Ann", "Lee", "1,234.50", "$12.50"],
        ["Bob", "Ray", "-$1,234.56", "$0.25"],
        ["Cy", "Oz", "  7 ", "$***12.50"],
    ],
    quoting=csv.QUOTE_NONNUMERIC,
)
write_csv("dates.csv", [["Ann", "12/31/99"], ["Bob", "01/05/26"]])

# Broken files.
lines = ["Ann,Lee", "Bob,Ray", "Cy,\"O'Hara"] + ["Name%d,Last%d" % (n, n) for n in range(4, 1001)]
write_bytes("unclosed_quote.csv", ("\r\n".join(lines) + "\r\n").encode("ascii"))
write_csv("too_long.csv", [["Ann", "Lee"], ["Maximilian Alexand", "Lee"], ["Bo", "x" * 1500]])
write_csv("outside_code_page.csv", [["Ann", "Lee"], ["Łukasz", "Dąbrowski"], ["Bo", "日本語"]])
write_csv("not_a_number.csv", [["Ann", "1e3"], ["Bob", "abc"], ["Cy", "12.345"]])
write_bytes("ctrl_z.csv", b"Ann,Lee\r\nBob,Ray\x1a\r\nCy,Oz\r\n")
write_bytes("mark_only.csv", b"\xef\xbb\xbf")
write_csv("utf16.csv", people, encoding="utf-16")
write_bytes("binary.csv", b"PK\x03\x04\x14\x00\x00\x00\x08\x00Ann,Lee\r\n")
