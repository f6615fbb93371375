#!/usr/bin/env python3
"""Writes the four Zi Wei tables that follow a rule into the folder given (data/ by default):
KING.DAT (紫微 by bureau and lunar day), 火星.DAT and 鈴星.DAT (by year branch and hour) and
PLACE.DAT (the fourteen slot points of every cell). Values in the record form of the other
tables: a blank before each number, "," between them, CR LF line ends."""
import pathlib
import sys


def wrap(n):
    """Any whole number brought into 1..12."""
    return (n - 1) % 12 + 1


def field(tenths):
    """A number given in tenths, as the tables write it: " 26", " 42.5"."""
    whole, tenth = divmod(tenths, 10)
    return f" {whole}" + (f".{tenth}" if tenth else "")


def king():
    """紫微 of bureau n and lunar day d: the smallest k >= 0 with n dividing d + k gives
    q = (d + k) / n; counting q from 寅 gives the base cell, from which k steps are taken back
    for an odd k and forward for an even k."""
    rows = []
    for n in range(2, 7):
        row = []
        for d in range(1, 31):
            k = -d % n
            base = 3 + (d + k) // n - 1
            row.append(wrap(base - k if k % 2 else base + k))
        rows.append(row)
    return rows


# The start cell of each year branch's group (寅午戌, 申子辰, 巳酉丑, 亥卯未) for each star.
FIRE_START = {3: 2, 7: 2, 11: 2, 9: 3, 1: 3, 5: 3, 6: 4, 10: 4, 2: 4, 12: 10, 4: 10, 8: 10}
BELL_START = {3: 4, 7: 4, 11: 4, 9: 11, 1: 11, 5: 11, 6: 11, 10: 11, 2: 11, 12: 11, 4: 11, 8: 11}


def counted_from(start):
    """From the year branch group's start cell, counting the hour forward (子 hour on it)."""
    return [[wrap(start[y] + h - 1) for h in range(1, 13)] for y in range(1, 13)]


# Left and top border of each cell 子 .. 亥, in tenths.
CORNERS = [(410, 250), (210, 250), (10, 250), (10, 180), (10, 110), (10, 40),
           (210, 40), (410, 40), (610, 40), (610, 110), (610, 180), (610, 250)]


def place():
    """Slots 1-9 along the cell's top text line, 10 and 11 at its right end, 12 and 13 under
    them and 14 left of 12: one line of y and x per slot."""
    rows = []
    for left, top in CORNERS:
        points = [(top + 10, left + 15 + 16 * (s - 1)) for s in range(1, 10)]
        points += [(top + 10, left + 161), (top + 10, left + 177), (top + 29, left + 161),
                   (top + 29, left + 177), (top + 33, left + 143)]
        rows += [[y, x] for y, x in points]
    return rows


def write(folder, name, rows, tenths=False):
    text = "".join(",".join(field(v if tenths else v * 10) for v in row) + "\r\n" for row in rows)
    (folder / name).write_bytes(text.encode("utf-8"))


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "data")
    write(folder, "KING.DAT", king())
    write(folder, "火星.DAT", counted_from(FIRE_START))
    write(folder, "鈴星.DAT", counted_from(BELL_START))
    write(folder, "PLACE.DAT", place(), tenths=True)


if __name__ == "__main__":
    main()
