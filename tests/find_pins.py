#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds the inputs that pin the order of a formula.

A press is evaluated as the program evaluates it: IEEE doubles, left to
right, every earlier result read back through its 15-digit text.  For one
step and a few named reorderings of it, the script searches a grid of
plausible inputs for those where every reordering shows another text than
the written order, and prints each as a row: the fields typed and every
write of the press, in order, then what each reordering would show.

  python3 tests/find_pins.py                       the formulas it knows
  python3 tests/find_pins.py huanlu.Text1          search the grid
  python3 tests/find_pins.py huanlu.Text1 huanlu.Text12 Text3=350
                                                   one row for both, Text3 kept at 350
  python3 tests/find_pins.py huanlu.Text1 Text3=350 --show
                                                   that one input: each reordering's text
  --bits compares doubles instead of texts; --samples N sets the search size.

A reordering that no grid input separates is named, and the search asks only
for the others.  A new formula: its window's steps, defaults and grid in
WINDOWS, its reorderings in PINS.
"""
import decimal
import itertools
import math
import random
import sys


def text(x):
    """TextFromNumber: the exact double rounded half-even to 15 digits, no trailing zeros."""
    if x == 0:
        return "0"
    d = decimal.Context(prec=15, rounding=decimal.ROUND_HALF_EVEN).plus(decimal.Decimal(x)).normalize()
    e = d.adjusted()
    if e >= 15 or e < -4:
        digits = str(abs(d.scaleb(-e)))
        return "%s%sE%s%02d" % ("-" if d < 0 else "", digits, "-" if e < 0 else "+", abs(e))
    return format(d, "f")


def root(x):
    return math.pow(x, 0.5)  # raises on a negative argument, as the program faults


class Fields:
    """Field texts; reading one is NumberFromText of a plain number."""
    def __init__(self, texts):
        self.texts = texts

    def __getattr__(self, name):
        return float(self.texts[name])


def corner(f):  # the choke windows' corner before it is rounded to its text
    return f.Text1 * math.pow(10, f.Text2 / 40)


def drop(f):  # the loop window's Vin − Vout
    return f.Text3 - f.Text4


def span(first, last, scale):
    """The texts first/scale, (first+1)/scale, ... last/scale, each as short as it reads."""
    return " ".join("%g" % (k / scale) for k in range(first, last + 1))


# Each window: its defaults, its calculate button's steps in order, and a grid
# of plausible texts for the inputs.
WINDOWS = {
    "huanlu": dict(
        defaults=dict(Text3="300", Text4="5", Text5="2.5", Text6="50", Text7="60", Text8="3", Text9="150",
                      Text10="2", Text11="470", Text13="4.7"),
        steps=[
            ("Text14", lambda f: (f.Text3 - f.Text4) * (f.Text3 - f.Text4) * f.Text8 / f.Text3 / f.Text7 / f.Text5),
            ("Text15", lambda f: f.Text6 * 0.2),
            ("Text17", lambda f: f.Text4 / f.Text10),
            ("Text16", lambda f: 1000 / f.Text17 / f.Text11 / 6.28),
            ("Text18", lambda f: f.Text15 / f.Text16 / f.Text14),
            ("Text19", lambda f: 1000000 / f.Text11 / f.Text9 / 6.28),
            ("Text12", lambda f: 1000 / f.Text13 / f.Text18 / 6.28 / f.Text19),
            ("Text2", lambda f: f.Text18 * f.Text13),
            ("Text1", lambda f: 1000 / f.Text16 / f.Text2 / 6.28),
        ],
        grid=dict(Text3="100 150 200 250 300 310 350 380 400",
                  Text4="1.8 2.5 3.3 5 6 7.5 9 12 13.5 15 18 19 20 24 28 30 36 42 48 54",
                  Text5="1.24 1.25 2.5", Text6="40 50 60 65 66 80 100 120 132 150",
                  Text7="20 24 30 36 40 45 48 50 60 72 80", Text8="2 3 4 5 6 7 8 9 10 12", Text9=span(5, 300, 1),
                  Text10="0.3 0.5 0.8 1 1.2 1.5 2 2.5 3 3.5 4 5 6 7 8 10 12 15 20",
                  Text11="47 56 68 82 100 120 150 180 220 270 330 390 470 560 680 820 1000 1200 1500 1800 2200 "
                         "2700 3300 3900 4700 5600 6800 8200 10000",
                  Text13="1 2.2 3.3 4.7 10 22 33")),
    "FlybackForm": dict(
        defaults=dict(Text1="20", Text2="12", Text3="0.8", Text4="175", Text20="264", Text21="150", Text5="0.6",
                      Text6="0.3", Text7="83", Text8="50", Text9="0.4", Text27="100", Text22="3"),
        steps=[
            ("Text15", lambda f: f.Text1 / f.Text3 / f.Text4 / 1.414),
            ("Text16", lambda f: f.Text15 / f.Text9 / (1 - f.Text5 * 0.5)),
            ("Text17", lambda f: f.Text9 / f.Text8 * 1000),
            ("Text10", lambda f: f.Text17 * f.Text4 * 1.414 / f.Text16),
            ("Text12", lambda f: f.Text4 * f.Text17 * 1.414 / f.Text7 / f.Text6),
            ("Text13", lambda f: f.Text12 * f.Text2 * (1 - f.Text9) / 1.414 / f.Text4 / f.Text9),
            ("Text11", lambda f: f.Text13 * f.Text13 * f.Text10 / f.Text12 / f.Text12),
            ("Text14", lambda f: f.Text12 * f.Text12 * f.Text7 / f.Text10 * 0.4 * 3.14 * 0.001),
            ("Text19", lambda f: f.Text12 * f.Text2 / f.Text13),
            ("Text18", lambda f: (f.Text19 + f.Text21) + f.Text20 * 1.4),
            ("Text23", lambda f: f.Text16 * f.Text12 / f.Text13),
            ("Text24", lambda f: root(((f.Text5 * f.Text5 / 3 - f.Text5) + 1) * f.Text9) * f.Text16),
            ("Text25", lambda f: root(((f.Text5 * f.Text5 / 3 - f.Text5) + 1) * (1 - f.Text9)) * f.Text23),
            ("Text26", lambda f: root(f.Text25 * f.Text25 - f.Text1 * f.Text1 / f.Text2 / f.Text2)),
            ("Text28", lambda f: f.Text27 * f.Text23),
        ],
        grid=dict(Text1="10 12 15 18 20 24 30 36 40 45 50 60 65 75 90 100 120 150",
                  Text2="3.3 5 9 12 13.5 15 18 19 24 28 36 48", Text3="0.75 0.78 0.8 0.82 0.83 0.85 0.86 0.88 0.9",
                  Text4="80 85 88 90 93 95 98 100 105 110 150 170 175 176 180 190",
                  Text20="230 240 250 253 260 264 265 270 276 280 300",
                  Text21="25 30 40 50 60 70 75 80 90 100 120 150", Text5=span(300, 900, 1000),
                  Text6="0.2 0.22 0.25 0.28 0.3 0.32 0.35", Text7="21.2 26 32 40 52 65 83 107 119 173",
                  Text8="40 45 50 60 65 66 100 110 120 130", Text9=span(25, 55, 100),
                  Text27="20 30 50 60 80 100 150")),
    "lout": dict(
        defaults=dict(Text6="8", Text1="280", Text3="5", Text4="20", Text5="0.44"),
        steps=[("Text7", lambda f: f.Text1 / f.Text6 * 5000 * f.Text5 / f.Text4 / f.Text3)],
        grid=dict(Text6="2 3 4 5 6 7 8 9 10 12 15 16 20", Text1="200 250 280 300 340 370 380 400",
                  Text3="1 2 3 4 5 6 8 10 12 15 20 25 30", Text4="20 25 30 40 50 65 80 100 120 150 200",
                  Text5="0.3 0.35 0.4 0.42 0.44 0.45 0.46 0.48 0.8 0.84 0.88 0.9")),
    "gongm": dict(
        defaults=dict(Text1="20", Text2="-24", Text3="50", Text4="0.707"),
        steps=[("Text5", lambda f: f.Text1 * math.pow(10, f.Text2 / 40)),
               ("Text6", lambda f: f.Text4 * 0.5 * f.Text3 * 1000 / 3.14 / f.Text5)],
        grid=dict(Text1="10 15 20 25 30 40 50 60 65 66 75 100 120 132 150",
                  Text2="-12 -16 -18 -20 -22 -24 -26 -28 -30 -32 -34 -36 -40 -44 -48 -50 -60",
                  Text3="10 20 25 33 47 50 68 75 100 150 200", Text4=span(500, 1000, 1000))),
    "lg": dict(
        defaults=dict(Text1="20", Text2="144", Text3="560"),
        steps=[("Text4", lambda f: f.Text1 * 1.27 * 0.001 * f.Text1 * f.Text2 / f.Text3)],
        grid=dict(Text1="5 6 8 9 10 12 14 15 16 18 20 22 24 25 28 30 32 36 40 45 50 60",
                  Text2="19 25 32 40 52 64 83 100 118 144 160 200 230 300",
                  Text3="50 68 100 150 220 330 470 560 680 820 1000 1500 2200")),
}
WINDOWS["chamo"] = dict(
    WINDOWS["gongm"],
    steps=[WINDOWS["gongm"]["steps"][0],
           ("Text6", lambda f: f.Text4 * f.Text3 * 1000 / 3.14 / f.Text5),
           ("Text7", lambda f: 1e6 / 3.14 / 3.14 / 4 / f.Text5 / f.Text5 / f.Text6)])


def divisions(numerator, divisors):
    """Every other order of dividing numerator by the divisors, each a (symbol, field or constant)."""
    out = {}
    for order in list(itertools.permutations(divisors))[1:]:
        def divide(f, order=order):
            x = numerator
            for _, d in order:
                x = x / (getattr(f, d) if isinstance(d, str) else d)
            return x
        out["÷ " + " ÷ ".join(sym for sym, _ in order)] = divide
    return out


# "window.Output": the reorderings that should each show another text.
PINS = {
    "huanlu.Text14": {
        "Ns first": lambda f: f.Text8 * drop(f) * drop(f) / f.Text3 / f.Text7 / f.Text5,
        "÷ (Vin·Np·Vref)": lambda f: drop(f) * drop(f) * f.Text8 / (f.Text3 * f.Text7 * f.Text5),
        "÷ (Np·Vref)": lambda f: drop(f) * drop(f) * f.Text8 / f.Text3 / (f.Text7 * f.Text5),
        "÷ Np before ÷ Vin": lambda f: drop(f) * drop(f) * f.Text8 / f.Text7 / f.Text3 / f.Text5,
        "÷ Vin before × Ns": lambda f: drop(f) * drop(f) / f.Text3 * f.Text8 / f.Text7 / f.Text5,
        "square grouped with Ns": lambda f: drop(f) * (drop(f) * f.Text8) / f.Text3 / f.Text7 / f.Text5,
        "÷ Vref before ÷ Np": lambda f: drop(f) * drop(f) * f.Text8 / f.Text3 / f.Text5 / f.Text7,
    },
    "huanlu.Text16": {
        "6.28 first (1000 ÷ 6.28 folded)": lambda f: 1000 / 6.28 / f.Text17 / f.Text11,
        "÷ (Rload·Cout·6.28)": lambda f: 1000 / (f.Text17 * f.Text11 * 6.28),
        "÷ Cout before ÷ Rload": lambda f: 1000 / f.Text11 / f.Text17 / 6.28,
        "÷ (Rload·Cout)": lambda f: 1000 / (f.Text17 * f.Text11) / 6.28,
        "÷ (Cout·6.28)": lambda f: 1000 / f.Text17 / (f.Text11 * 6.28),
    },
    "huanlu.Text19": dict(divisions(1000000.0, [("Cout", "Text11"), ("ESR", "Text9"), ("6.28", 6.28)]), **{
        "÷ (Cout·ESR·6.28)": lambda f: 1000000 / (f.Text11 * f.Text9 * 6.28),
        "÷ (Cout·ESR)": lambda f: 1000000 / (f.Text11 * f.Text9) / 6.28,
        "÷ (ESR·6.28)": lambda f: 1000000 / f.Text11 / (f.Text9 * 6.28),
    }),
    "huanlu.Text12": dict(divisions(1000.0, [("R1", "Text13"), ("K", "Text18"), ("6.28", 6.28), ("fz", "Text19")]),
                          **{
        "÷ (R1·K·6.28·fz)": lambda f: 1000 / (f.Text13 * f.Text18 * 6.28 * f.Text19),
        "÷ (R1·K)": lambda f: 1000 / (f.Text13 * f.Text18) / 6.28 / f.Text19,
        "÷ (6.28·fz)": lambda f: 1000 / f.Text13 / f.Text18 / (6.28 * f.Text19),
    }),
    "huanlu.Text1": dict(divisions(1000.0, [("fp", "Text16"), ("R3", "Text2"), ("6.28", 6.28)]), **{
        "÷ (fp·R3·6.28)": lambda f: 1000 / (f.Text16 * f.Text2 * 6.28),
        "÷ (fp·R3)": lambda f: 1000 / (f.Text16 * f.Text2) / 6.28,
        "÷ (R3·6.28)": lambda f: 1000 / f.Text16 / (f.Text2 * 6.28),
    }),
    "FlybackForm.Text10": {
        "1.414 first": lambda f: 1.414 * f.Text17 * f.Text4 / f.Text16,
        "Vin·1.414 paired": lambda f: f.Text17 * (f.Text4 * 1.414) / f.Text16,
        "÷ Ipk before × 1.414": lambda f: f.Text17 * f.Text4 / f.Text16 * 1.414,
        "÷ Ipk first": lambda f: f.Text17 / f.Text16 * f.Text4 * 1.414,
    },
    "FlybackForm.Text11": {
        "÷ (Np·Np)": lambda f: f.Text13 * f.Text13 * f.Text10 / (f.Text12 * f.Text12),
        "ratio squared": lambda f: f.Text13 / f.Text12 * (f.Text13 / f.Text12) * f.Text10,
        "Lp first": lambda f: f.Text10 * f.Text13 * f.Text13 / f.Text12 / f.Text12,
        "Lp last": lambda f: f.Text13 * f.Text13 / f.Text12 / f.Text12 * f.Text10,
    },
    "FlybackForm.Text12": {
        "÷ (Ae·Bmax)": lambda f: f.Text4 * f.Text17 * 1.414 / (f.Text7 * f.Text6),
        "÷ Bmax before ÷ Ae": lambda f: f.Text4 * f.Text17 * 1.414 / f.Text6 / f.Text7,
        "1.414 first": lambda f: 1.414 * f.Text4 * f.Text17 / f.Text7 / f.Text6,
        "ton·1.414 paired": lambda f: f.Text4 * (f.Text17 * 1.414) / f.Text7 / f.Text6,
    },
    "FlybackForm.Text18": {
        "margin added last": lambda f: (f.Text19 + f.Text20 * 1.4) + f.Text21,
        "reflected voltage added last": lambda f: (f.Text21 + f.Text20 * 1.4) + f.Text19,
    },
    "FlybackForm.Text24": {
        "K(K ÷ 3 − 1) + 1": lambda f: root((f.Text5 * (f.Text5 / 3 - 1) + 1) * f.Text9) * f.Text16,
        "K ÷ 3 × K": lambda f: root(((f.Text5 / 3 * f.Text5 - f.Text5) + 1) * f.Text9) * f.Text16,
        "(1 − K) + K·K ÷ 3": lambda f: root(((1 - f.Text5) + f.Text5 * f.Text5 / 3) * f.Text9) * f.Text16,
        "root split": lambda f: root((f.Text5 * f.Text5 / 3 - f.Text5) + 1) * root(f.Text9) * f.Text16,
    },
    "FlybackForm.Text25": {
        "K(K ÷ 3 − 1) + 1": lambda f: root((f.Text5 * (f.Text5 / 3 - 1) + 1) * (1 - f.Text9)) * f.Text23,
        "K ÷ 3 × K": lambda f: root(((f.Text5 / 3 * f.Text5 - f.Text5) + 1) * (1 - f.Text9)) * f.Text23,
        "(1 − K) + K·K ÷ 3": lambda f: root(((1 - f.Text5) + f.Text5 * f.Text5 / 3) * (1 - f.Text9)) * f.Text23,
        "root split": lambda f: root((f.Text5 * f.Text5 / 3 - f.Text5) + 1) * root(1 - f.Text9) * f.Text23,
    },
    "FlybackForm.Text26": {
        "÷ (Vout·Vout)": lambda f: root(f.Text25 * f.Text25 - f.Text1 * f.Text1 / (f.Text2 * f.Text2)),
        "(Pout ÷ Vout) squared": lambda f: root(f.Text25 * f.Text25 - f.Text1 / f.Text2 * (f.Text1 / f.Text2)),
        "(Is − Io)(Is + Io)": lambda f: root((f.Text25 - f.Text1 / f.Text2) * (f.Text25 + f.Text1 / f.Text2)),
    },
    "lout.Text7": {
        "5000 after the duty cycle": lambda f: f.Text1 / f.Text6 * f.Text5 * 5000 / f.Text4 / f.Text3,
        "÷ (f·Iout)": lambda f: f.Text1 / f.Text6 * 5000 * f.Text5 / (f.Text4 * f.Text3),
        "× 1000 ÷ 0.2 written out": lambda f: f.Text1 / f.Text6 * 1000 / 0.2 * f.Text5 / f.Text4 / f.Text3,
        "÷ (0.2·Iout) × 1000 last": lambda f: f.Text1 / f.Text6 * f.Text5 / f.Text4 / (0.2 * f.Text3) * 1000,
        "duty cycle last": lambda f: f.Text1 / f.Text6 * 5000 / f.Text4 / f.Text3 * f.Text5,
        "÷ n after × 5000": lambda f: f.Text1 * 5000 / f.Text6 * f.Text5 / f.Text4 / f.Text3,
    },
    "gongm.Text6": {
        "÷ (3.14·fc)": lambda f: f.Text4 * 0.5 * f.Text3 * 1000 / (3.14 * f.Text5),
        "÷ fc first": lambda f: f.Text4 * 0.5 * f.Text3 * 1000 / f.Text5 / 3.14,
        "× 1000 last": lambda f: f.Text4 * 0.5 * f.Text3 / 3.14 / f.Text5 * 1000,
        "ζR ÷ (6.28·fc) × 1000": lambda f: f.Text4 * f.Text3 / (6.28 * f.Text5) * 1000,
        "500 ÷ 3.14 folded": lambda f: f.Text4 * f.Text3 * (500 / 3.14) / f.Text5,
        "R·ζ first": lambda f: f.Text3 * f.Text4 * 0.5 * 1000 / 3.14 / f.Text5,
        "R × 1000 first": lambda f: f.Text4 * 0.5 * (f.Text3 * 1000) / 3.14 / f.Text5,
        "ζ × 1000 first": lambda f: f.Text4 * 1000 * 0.5 * f.Text3 / 3.14 / f.Text5,
        "unrounded corner": lambda f: f.Text4 * 0.5 * f.Text3 * 1000 / 3.14 / corner(f),
    },
    "chamo.Text6": {
        "÷ (3.14·fc)": lambda f: f.Text4 * f.Text3 * 1000 / (3.14 * f.Text5),
        "÷ fc first": lambda f: f.Text4 * f.Text3 * 1000 / f.Text5 / 3.14,
        "× 1000 last": lambda f: f.Text4 * f.Text3 / 3.14 / f.Text5 * 1000,
        "1000 ÷ 3.14 folded": lambda f: f.Text4 * f.Text3 * (1000 / 3.14) / f.Text5,
        "R × 1000 first": lambda f: f.Text4 * (f.Text3 * 1000) / 3.14 / f.Text5,
        "ζ × 1000 first": lambda f: f.Text4 * 1000 * f.Text3 / 3.14 / f.Text5,
        "unrounded corner": lambda f: f.Text4 * f.Text3 * 1000 / 3.14 / corner(f),
    },
    "chamo.Text7": {
        "÷ (4·3.14·3.14·fc·fc·L)": lambda f: 1e6 / (4 * 3.14 * 3.14 * f.Text5 * f.Text5 * f.Text6),
        "39.4384 folded": lambda f: 1e6 / 39.4384 / f.Text5 / f.Text5 / f.Text6,
        "9.8596 folded": lambda f: 1e6 / 9.8596 / 4 / f.Text5 / f.Text5 / f.Text6,
        "÷ (fc·fc)": lambda f: 1e6 / 3.14 / 3.14 / 4 / (f.Text5 * f.Text5) / f.Text6,
        "÷ L before ÷ fc": lambda f: 1e6 / 3.14 / 3.14 / 4 / f.Text6 / f.Text5 / f.Text5,
        "÷ L between the corners": lambda f: 1e6 / 3.14 / 3.14 / 4 / f.Text5 / f.Text6 / f.Text5,
        "÷ L first": lambda f: 1e6 / f.Text6 / 3.14 / 3.14 / 4 / f.Text5 / f.Text5,
        "÷ (3.14·3.14)": lambda f: 1e6 / (3.14 * 3.14) / 4 / f.Text5 / f.Text5 / f.Text6,
        "÷ (fc·fc·L)": lambda f: 1e6 / 3.14 / 3.14 / 4 / (f.Text5 * f.Text5 * f.Text6),
        "÷ 4 first": lambda f: 1e6 / 4 / 3.14 / 3.14 / f.Text5 / f.Text5 / f.Text6,
        "unrounded corner": lambda f: 1e6 / 3.14 / 3.14 / 4 / corner(f) / corner(f) / f.Text6,
        "unrounded inductance": lambda f: 1e6 / 3.14 / 3.14 / 4 / f.Text5 / f.Text5 / (
            f.Text4 * f.Text3 * 1000 / 3.14 / f.Text5),
    },
    "lg.Text4": {
        "turns multiplied first": lambda f: f.Text1 * f.Text1 * 1.27 * 0.001 * f.Text2 / f.Text3,
        "0.00127 folded": lambda f: f.Text1 * 0.00127 * f.Text1 * f.Text2 / f.Text3,
        "÷ 1000 last": lambda f: f.Text1 * 1.27 * f.Text1 * f.Text2 / f.Text3 / 1000,
        "Ae ÷ L first": lambda f: f.Text1 * 1.27 * 0.001 * f.Text1 * (f.Text2 / f.Text3),
        "1.27 × 0.001 computed first": lambda f: f.Text1 * (1.27 * 0.001) * f.Text1 * f.Text2 / f.Text3,
        "Ae ÷ L leading": lambda f: f.Text2 / f.Text3 * f.Text1 * 1.27 * 0.001 * f.Text1,
        "turns × Ae paired": lambda f: f.Text1 * 1.27 * 0.001 * (f.Text1 * f.Text2) / f.Text3,
        "right to left": lambda f: f.Text1 * (1.27 * (0.001 * (f.Text1 * (f.Text2 / f.Text3)))),
    },
}


class Fault(Exception):
    pass


def run(window, typed):
    """The press: the field texts after it and every write in order; raises Fault at a faulting step."""
    w = WINDOWS[window]
    texts = dict(w["defaults"], **typed)
    written = []
    for out, step in w["steps"]:
        try:
            value = step(Fields(texts))
        except (ZeroDivisionError, ValueError, OverflowError):
            raise Fault(out)
        if not math.isfinite(value):
            raise Fault(out)
        texts[out] = text(value)
        written.append("%s=%s" % (out, texts[out]))
    return texts, written


def shown(formula, texts, bits):
    try:
        value = formula(Fields(texts))
    except (ZeroDivisionError, ValueError, OverflowError):
        return "fault"
    return value.hex() if bits else text(value)


def separated(names, texts, bits):
    """For each formula, the set of reorderings that show another text than the written order."""
    out = {}
    for name in names:
        mine = shown(dict(WINDOWS[name.split(".")[0]]["steps"])[name.split(".")[1]], texts, bits)
        out[name] = {k for k, g in PINS[name].items() if shown(g, texts, bits) != mine}
    return out


def show(names, typed, bits):
    try:
        texts, written = run(names[0].split(".")[0], typed)
    except Fault as fault:
        print("  the press faults at %s" % fault)
        return
    quote = lambda items: "{" + ", ".join('"%s"' % s for s in items) + "}"
    print("  typed:   " + quote("%s=%s" % kv for kv in typed.items()))
    print("  written: " + quote(written))
    for name in names:
        step = dict(WINDOWS[name.split(".")[0]]["steps"])[name.split(".")[1]]
        print("  %s in the written order: %s" % (name, shown(step, texts, bits)))
        for k, g in PINS[name].items():
            print("    %-34s %s" % (k + ":", shown(g, texts, bits)))


def search(names, fixed, samples, bits):
    """Random inputs from the grid, the fixed fields kept: those where every reordering shows another text."""
    w = WINDOWS[names[0].split(".")[0]]
    rng = random.Random(16)
    grid = {k: v.split() for k, v in w["grid"].items() if k not in fixed}
    seen, results = set(), []
    for _ in range(samples):
        typed = dict(fixed, **{k: rng.choice(v) for k, v in grid.items() if rng.random() < 0.5})
        typed = {k: v for k, v in typed.items() if v != w["defaults"][k] or k in fixed}
        key = tuple(sorted(typed.items()))
        if key in seen:
            continue
        seen.add(key)
        try:
            results.append((typed, separated(names, run(names[0].split(".")[0], typed)[0], bits)))
        except Fault:
            pass
    print("%d inputs tried" % len(results))
    separable = {}
    for name in names:
        separable[name] = set().union(*(d[name] for _, d in results))
        for k in PINS[name]:
            n = sum(k in d[name] for _, d in results)
            print("  %s %-34s separated by %d%s" % (name, k + ":", n, "" if n else "  (never on this grid)"))
    hits = sorted((t for t, d in results if all(separable.values()) and all(d[n] == separable[n] for n in names)),
                  key=len)
    print("%d pin every reordering that the grid separates" % len(hits))
    for typed in hits[:3]:
        print()
        show(names, typed, bits)


def main(argv):
    bits = "--bits" in argv
    samples = int(argv[argv.index("--samples") + 1]) if "--samples" in argv else 100000
    names = [a for a in argv if a in PINS]
    fixed = dict(a.split("=", 1) for a in argv if "=" in a)
    if not names or len({n.split(".")[0] for n in names}) > 1:
        print("formulas (several of one window may be searched together): " + " ".join(PINS))
        return 2
    if "--show" in argv:
        show(names, fixed, bits)
    else:
        search(names, fixed, samples, bits)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
