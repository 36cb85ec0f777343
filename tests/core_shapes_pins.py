#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The C1, C2 and Amin that tests/test_core_shapes.cpp pins, worked out here
# from the shapes' dimensions on their own, one family at a time, and printed
# as the test's rows:
#
#   python3 tests/core_shapes_pins.py data/core-shapes.ndjson
#
# The test compares them bit for bit, so every figure is evaluated as
# parts/core_shapes.cpp evaluates it: the formulas of its header, read left
# to right (a - b + c is (a - b) + c, a·b/c is (a·b)/c), the same constants,
# the sections summed in the same order, squares as x * x, never x ** 2.
# Python floats are IEEE doubles and its json reads numbers correctly
# rounded, as std::from_chars does.
#
# + - * / and sqrt are correctly rounded everywhere, so the E and EFD pins
# hold on any IEEE machine. The other families call asin, acos, atan, tan,
# sin, cos or log, which the program takes correctly rounded, the same on
# every platform (common/elementary.h); Python's math is the C library's,
# glibc's, which rounds every argument these pins use correctly (were it one
# unit off anywhere, the test would fail on every platform alike).
#
# Printed with repr(): 17 significant digits at most, read back to the same
# double.
import json
import math
import sys

PI = math.pi                  # std::numbers::pi
SQRT2 = math.sqrt(2)          # std::numbers::sqrt2, sqrt being correctly rounded


def metres(limits):
    """The letter as read: the mean of the limits, the nominal, or the one limit."""
    if "minimum" in limits and "maximum" in limits:
        return (limits["minimum"] + limits["maximum"]) / 2
    if "nominal" in limits:
        return limits["nominal"]
    return limits["minimum"] if "minimum" in limits else limits["maximum"]


class Path:
    """C1 and C2 summed section by section, in the order they are added."""

    def __init__(self):
        self.c1 = 0.0
        self.c2 = 0.0
        self.amin = math.inf

    def add(self, length, area):
        self.c1 += length / area
        self.c2 += length / (area * area)

    def uniform(self, length, area):
        """A leg or yoke of uniform section: it counts for Amin."""
        self.add(length, area)
        self.amin = min(self.amin, area)

    def corner(self, length, area1, area2):
        self.add(length, (area1 + area2) / 2)

    def radial(self, r1, r2, angle, h, f):
        k = angle * h
        self.c1 += 2 * f * math.log(r2 / r1) / k
        self.c2 += 2 * f * (1 / r1 - 1 / r2) / (k * k)


def e(d):
    A, B, C, D, E, F = d["A"], d["B"], d["C"], d["D"], d["E"], d["F"]
    p, h = (A - E) / 2, B - D
    legs, yoke, centre = 2 * p * C, 2 * h * C, F * C
    path = Path()
    path.uniform(2 * D, legs)
    path.uniform(E - F, yoke)
    path.uniform(2 * D, centre)
    path.corner(PI / 4 * (p + h), legs, yoke)
    path.corner(PI / 4 * (F / 2 + h), yoke, centre)
    return path


def efd(d):
    A, B, C, D, E, F, F2 = d["A"], d["B"], d["C"], d["D"], d["E"], d["F"], d["F2"]
    K, q = d.get("K", 0.0), d.get("q", 0.0)
    p, h, delta = (A - E) / 2, B - D, (C - F2 - 2 * K) / 2
    legs, yoke, centre = 2 * p * C, 2 * h * C, F * F2 - 2 * q * q
    path = Path()
    path.uniform(2 * D, legs)
    path.uniform(E - F, yoke)
    path.uniform(2 * D, centre)
    path.corner(PI / 4 * (p + h), legs, yoke)
    path.corner(PI / 2 * (F / 4 + math.sqrt(delta * delta + h * h / 4)), yoke, centre)
    return path


def etd(d):
    A, B, C, D, E, F = d["A"], d["B"], d["C"], d["D"], d["E"], d["F"]
    R, h = E / 2, B - D
    # one outer leg: C·A/2 less the part of the bore inside it
    leg = C * A / 2 - (C / 2 * math.sqrt(R * R - C * C / 4) + R * R * math.asin(C / E))
    legs, yoke, centre = 2 * leg, 2 * h * C, PI * F * F / 4
    path = Path()
    path.uniform(2 * D, legs)
    path.uniform(E - F, yoke)
    path.uniform(2 * D, centre)
    path.corner(PI / 4 * (leg / C + h), legs, yoke)
    path.corner(PI / 4 * (0.5959 * F + h), yoke, centre)
    return path


def pq(d):
    A, B, C, D, E, F = d["A"], d["B"], d["C"], d["D"], d["E"], d["F"]
    G = d["G"] if "G" in d else math.sqrt(max(0.0, E * E - C * C))
    h, beta, I = B - D, math.acos(G / E), math.sqrt(E * E - G * G)
    plate = "J" in d and "L" in d
    alpha = math.atan(d["L"] / d["J"]) if plate else beta
    a7 = beta * E * E - alpha * F * F
    if plate:
        a7 = a7 + G * d["L"] - d["J"] * I
    covered = a7 / 8
    share = covered / (PI * (E * E - F * F) / 16)
    lmin = (E - F) / 2
    lmax = math.sqrt(E * E + F * F - 2 * E * F * math.cos(alpha - beta)) / 2
    legs, centre = C * (A - G) - beta * E * E / 2 + G * I / 2, PI * F * F / 4
    path = Path()
    path.uniform(2 * D, legs)
    path.uniform(2 * D, centre)
    path.radial(F / 2, E / 2, 2 * PI * share, h, (lmin + lmax) / (2 * lmin) if plate else 1.0)
    path.corner(PI / 4 * (h + A / 2 - E / 2), legs, 2 * beta * E * h)
    path.corner(PI / 4 * (h + (1 - 1 / SQRT2) * F), centre, 2 * alpha * F * h)
    return path


def rm(d, drawing):
    A, B, C, D, E, F, G, J = d["A"], d["B"], d["C"], d["D"], d["E"], d["F"], d["G"], d["J"]
    H = d.get("H", 0.0)
    h, p, beta = B - D, SQRT2 * J - A, PI / 2 - math.asin(G / E)
    lmax = math.sqrt(E * E + F * F - 2 * E * F * math.sin(beta)) / 2
    if drawing in ("1", "2"):
        slot_side = G * G * (math.tan(beta) - 1) / 8
    elif drawing == "3":
        slot_side = C * C / (8 * math.tan(beta))
        lmax = G / 2 + (1 - math.sin(PI / 4)) * (E - C) / 2
    elif drawing == "4":
        slot_side = (G * F + (C - F) * (C - F)) / 8
    else:
        raise ValueError(f"no RM drawing {drawing!r}")
    share = (beta * E * E / 8 - PI * F * F / 16 + slot_side) / (PI * (E * E - F * F) / 16)
    lmin = (E - F) / 2
    legs = J * J / 2 * (1 + math.tan(beta - PI / 4)) - beta * E * E / 2 - p * p / 2
    centre = PI * (F * F - H * H) / 4
    path = Path()
    path.uniform(2 * D, legs)
    path.uniform(2 * D, centre)
    path.radial(F / 2, E / 2, 2 * PI * share, h, (lmin + lmax) / (2 * lmin))
    path.corner(PI / 4 * (h + J / 2 - E / 2), legs, 2 * beta * E * h)
    path.corner(PI / 4 * (F + h - math.sqrt((F * F + H * H) / 2)), centre, PI * F * h)
    return path


def ep(d):
    A, B, C, D, E, F = d["A"], d["B"], d["C"], d["D"], d["E"], d["F"]
    K = d.get("K", F / 2)
    h, theta, r = B - D, PI - math.atan(E / (2 * K)), (F / 2 + K) / 2
    legs, centre = A * C - PI * E * E / 8 - E * K, PI * F * F / 4 + (K - F / 2) * F
    gamma = math.sqrt(E * E / 4 + legs / (2 * theta))
    path = Path()
    path.uniform(2 * D, legs)
    path.uniform(2 * D, centre)
    path.radial(r, E / 2, 2 * theta, h, 1.0)
    path.corner(PI / 2 * (gamma - E / 2 + h / 2), A * C - PI * E * E / 8 - E * F / 2, theta * E * h)
    path.corner(PI / 2 * ((1 - 1 / SQRT2) * r + h / 2), PI * r * r, 2 * PI * r * h)
    return path


def parameters(shape, scale=1.0):
    """C1, C2 and Amin of the shape with every letter (in metres) times scale."""
    d = {letter: metres(limits) * scale * 1000 for letter, limits in shape["dimensions"].items()}
    family = shape["family"]
    path = rm(d, shape.get("familySubtype", "")) if family == "rm" else globals()[family](d)
    return path.c1, path.c2, path.amin


# The test's rows: one shape of each drawing, and shapes, some drawn larger or
# smaller, in which a change in the order of the operations of any formula
# shows in the last bit of C1, C2 or Amin. (row, shape, scale)
PINNED = [("E", "E 25/13/7", 1.0),
          ("E 42/21/15", "E 42/21/15", 1.0),
          ("EFD", "EFD 20/10/7", 1.0),
          ("EFD 15/8/5 x1.7", "EFD 15/8/5", 1.7),
          ("EFD 10/5/3 x1.01", "EFD 10/5/3", 1.01),
          ("ETD", "ETD 34/17/11", 1.0),
          ("ETD 44/22/15 x1.3", "ETD 44/22/15", 1.3),
          ("PQ", "PQ 20/16", 1.0),
          ("PQ without J and L", "PQ 32/20", 1.0),
          ("PQ 20/16 x1.9", "PQ 20/16", 1.9),
          ("PQ 20/20 x2.9", "PQ 20/20", 2.9),
          ("RM, straight cut, centre hole", "RM 8", 1.0),
          ("RM, cut to the centre leg", "RM 6/I-R", 1.0),
          ("RM, notched", "RM 7/I", 1.0),
          ("RM 8/11 x1.3", "RM 8/11", 1.3),
          ("RM 14/I x1.1", "RM 14/I", 1.1),
          ("RM 14 x1.3", "RM 14", 1.3),
          ("RM 6-S x2.9", "RM 6-S", 2.9),
          ("RM 6-R x1.01", "RM 6-R", 1.01),
          ("EP", "EP 13", 1.0),
          ("EP 20 x1.1", "EP 20", 1.1),
          ("EP 30 x0.7", "EP 30", 0.7),
          ("EP 10 x1.1", "EP 10", 1.1)]

if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "data/core-shapes.ndjson") as f:
        shapes = {}
        for line in f:
            if line.strip():
                shape = json.loads(line)
                shapes.setdefault(shape["name"], shape)
    for row, name, scale in PINNED:
        c1, c2, amin = parameters(shapes[name], scale)
        le, ae = c1 * c1 / c2, c1 / c2
        print(f'  QTest::newRow("{row}") << "{name}" << {scale!r} << {c1!r} << {c2!r} << {amin!r};'
              f'  // le {le:.6g} Ae {ae:.6g} Ve {le * ae:.6g}')
