#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The texts tests/test_core_shapes.cpp expects of the core list and of the
# core shape window, worked out here apart from the program with the
# formulas of tests/core_shapes_pins.py:
#
#   python3 tests/core_list_pins.py data/core-shapes.ndjson
#
# A list entry offers the computed Ae to three significant figures ("%.2e",
# correctly rounded from the double, as the program rounds). The window reads
# the texts it shows for a standard shape, each letter's mean in metres times
# 1000 written to 15 significant digits, and works from those figures in mm.
# Texts are written as the number rules write them: "%.15g" gives the same
# digits for every figure here (none needs an exponent).
import json
import sys

import core_shapes_pins as pins


def text(x):
    return "%.15g" % x


def three(x):
    return text(float("%.2e" % x))


def results(family, d, drawing=""):
    path = pins.rm(d, drawing) if family == "rm" else getattr(pins, family)(d)
    le, ae = path.c1 * path.c1 / path.c2, path.c1 / path.c2
    return [text(v) for v in (path.c1, path.c2, le, ae, le * ae, path.amin)]


if __name__ == "__main__":
    shapes = {}
    with open(sys.argv[1] if len(sys.argv) > 1 else "data/core-shapes.ndjson") as f:
        for line in f:
            if line.strip():
                s = json.loads(line)
                shapes.setdefault(s["name"], s)
    for name in ["PQ 20/16", "EFD 25/13/9", "RM 14/I", "EP 20", "E 25/13/7", "ETD 19/14/8"]:
        c1, c2, amin = pins.parameters(shapes[name])
        le, ae = c1 * c1 / c2, c1 / c2
        print(name, "Ae", three(ae), "le", three(le), "Ve", three(le * ae), "Amin", three(amin))
    for name, drop in [("E 25/13/7", []), ("PQ 20/16", []), ("PQ 20/16", ["G", "J", "L"]), ("RM 10/I", [])]:
        s = shapes[name]
        texts = {k: text(pins.metres(v) * 1000) for k, v in s["dimensions"].items() if k not in drop}
        print(name, "without " + "".join(drop) if drop else "", texts)
        d = {k: float(v) for k, v in texts.items()}
        print("   ", results(s["family"], d, s.get("familySubtype", "")))
