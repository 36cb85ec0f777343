// SPDX-License-Identifier: GPL-3.0-or-later
// Standard ferrite core shapes (data/core-shapes.ndjson, read by
// parts/shape_file.h) and the effective parameters of a set of two halves
// worked out from their dimensions by the rules of IEC 60205. The families
// computed are those of parts/core_families.h. Qt-free.
//
// The magnetic path of the set is cut into sections, each with a length l and
// a cross-section A: the legs, the yokes and the corners between them. Side
// branches that carry the flux in parallel (the two outer legs of an E core,
// the two sides of its yoke) count as one section of their summed area. Then
//
//   C1 = Σ l/A (mm⁻¹)   C2 = Σ l/A² (mm⁻³)
//   le = C1²/C2         Ae = C1/C2         Ve = le·Ae
//
// A corner is a quarter of the circle whose radius is the mean of the
// distances from the window's corner to the middles of the two sections it
// joins; its area is the mean of theirs ("mean circular path"). A yoke that
// carries the flux radially away from a round centre leg (PQ, RM, EP) is
// summed exactly: a yoke of height h over the angle φ has A(r) = φ·r·h, so
// the two halves give 2·ln(r2/r1)/(φh) to C1 and 2·(1/r1 − 1/r2)/(φh)² to C2,
// both times a factor f ≥ 1 for the paths that run slantwise.
//
// Letters are those of the IEC 63093 drawing of each family, for one half:
// A width, B height, C depth, D window height, E window width (or bore
// diameter), F centre leg width (or diameter); the others are named below.
// h = B − D is the yoke's height. All figures in mm.
//
// E (rectangular legs), p = (A − E)/2 the outer leg's width:
//   outer legs 2D over 2pC; yokes E − F over 2hC; centre leg 2D over FC;
//   outer corners π/4·(p + h); inner corners π/4·(F/2 + h).
//     E 13/7/4: A 12.65 B 6.4 C 3.55 D 4.65 E 9.2 F 3.55
//       -> C1 2.3945 C2 0.19277, le 29.74, Ae 12.42, Ve 369.5 (maker: 29.7, 12.4, 369)
//
// EFD (flat centre leg F wide, F2 deep, its corners cut by q at 45°, set K
// from the core's lower face): as E, but the centre leg is F·F2 − 2q², and
// the inner corner's path reaches the middle of the yoke across the depth
// offset δ = (C − F2 − 2K)/2 as well: π/2·(F/4 + √(δ² + h²/4)).
//     EFD 20/10/7: … F 8.9 F2 3.6 K 0.17 q 0.75 -> le 47.20, Ae 30.72, Ve 1450
//
// ETD (round centre leg of diameter F, outer legs hollowed by the bore E):
//   as E, but an outer leg is C·A/2 less the part of the bore inside it,
//   C/2·√(E²/4 − C²/4) + E²/4·asin(C/E), its width p that area over C; the
//   centre leg is πF²/4, and the half of it turning one way is centred
//   0.5959·F/2 inside its edge (the line that halves the half-disc's area),
//   so the inner corners are π/4·(0.5959·F + h).
//     ETD 34/17/11 -> C1 0.82329 C2 0.0084649, le 80.07, Ae 97.26, Ve 7788
//
// PQ (round centre leg F, outer legs between the bore E and the outline
// A × C, cut off square at the slot G; the base plate reaches into the slots
// as far as the points (±J/2, ±L/2)):
//   legs 2D over C(A − G) − βE²/2 + G·I/2, β = acos(G/E), I = √(E² − G²);
//   centre 2D over πF²/4; the yoke radial from F/2 to E/2 over the share K
//   of the circle that the plate covers, K = a7/a8, a8 = π(E² − F²)/16 a
//   quarter of the ring, a7 = (βE² − αF² + G·L − J·I)/8 its covered part,
//   α = atan(L/J); f = (lmin + lmax)/(2·lmin), lmin = (E − F)/2 and lmax =
//   ½√(E² + F² − 2EF·cos(α − β)) the path from the plate's corner to the leg's
//   tip; outer corners π/4·(h + A/2 − E/2) over ½(legs + 2βEh), inner corners
//   π/4·(h + (1 − 1/√2)·F) over ½(πF²/4 + 2αFh).
//   Without J and L the plate is taken to end where the legs do (α = β,
//   f = 1): Ae comes out 5 to 8 % smaller than with them. Without G the legs
//   run the full depth: G = √(E² − C²) (0 where C ≥ E).
//     PQ 20/16 -> C1 0.58053 C2 0.0090346, le 37.30, Ae 64.26, Ve 2397
//
// RM (square outline J rotated to put the legs on its diagonal, cut to A
// across the legs; bore E, centre leg F with hole H, slot G): legs 2D over
// J²/2·(1 + tan(β − π/4)) − βE²/2 − p²/2, β = π/2 − asin(G/E), p = √2·J − A;
// centre 2D over π(F² − H²)/4; the yoke as PQ's with a8 = π(E² − F²)/16 and
// a7 = βE²/8 − πF²/16 + T, where T, the plate's part on the slot side of the
// legs, depends on the drawing (familySubtype):
//   "1", "2": the plate cut in a right-angled notch from the legs' tips,
//             T = G²(tan β − 1)/8, lmax = ½√(E² + F² − 2EF·sin β)
//   "3":      the plate cut straight at C/2 from the centre,
//             T = C²/(8 tan β), lmax = G/2 + (1 − sin 45°)(E − C)/2
//   "4":      the plate cut from the legs' tips to the centre leg,
//             T = (G·F + (C − F)²)/8, lmax as "1"
// outer corners π/4·(h + J/2 − E/2) over ½(legs + 2βEh), inner corners
// π/4·(F + h − √((F² + H²)/2)) over ½(π(F² − H²)/4 + πFh).
//     RM 10/I: A 27.85 B 9.3 C 13.25 D 6.35 E 21.65 F 10.7 G 10.9 J 24.15
//       -> le 44.87, Ae 98.47, Ve 4418 (maker: 44, 98, 4310)
//
// EP (block A × C, the winding space a bore E closed by a half circle at the
// back and open to the front, its axis K behind the front face; round centre
// leg F): legs 2D over a1 = AC − πE²/8 − E·K; centre 2D over πF²/4 +
// (K − F/2)F; the yoke radial from r = (F/2 + K)/2 to E/2 over the angle
// 2θ, θ = π − atan(E/(2K)); outer corners π/2·(γ − E/2 + h/2) with γ² =
// E²/4 + a1/(2θ) (the radius that halves the legs), over ½(AC − πE²/8 −
// EF/2 + θEh); inner corners π/2·((1 − 1/√2)·r + h/2) over ½(πr² + 2πrh).
// Without K the centre leg touches the front: K = F/2.
//     EP 13 -> le 24.19, Ae 19.92, Ve 481.8 (maker: 24.2, 19.5, 472)
//
// Amin is the smallest of the uniform sections: the legs, the centre leg and,
// for E, EFD and ETD, the yoke.
#pragma once

#include <map>
#include <string>

namespace ombrel {

struct CoreShape {
  std::string family;   // "pq": one of shapeFamilies() is computed, others are read, not computed
  std::string name;     // "PQ 20/16"
  std::string subtype;  // familySubtype, "" where the line has none
  // Letter -> metres, one half. The mean of minimum and maximum; else the
  // nominal; else the one limit given: the drawings give a single limit for
  // clearances such as the slot G (minimum) or a radius R (maximum), and the
  // shape is drawn at that limit.
  std::map<std::string, double> dimensions;
  // The dimensions' unit in mm: 1000 for the data file's metres, 1 for
  // dimensions typed in mm.
  double mmPerUnit = 1000;
};

// The set's effective parameters, or `error` (the figures 0) when the family
// is not computed, a letter it needs is missing, or the dimensions draw no
// core (a section of no length or area):
//   E 13/7/4            -> le 29.74 mm, Ae 12.42 mm², Ve 369.5 mm³, Amin 12.25 mm²
//   E without D         -> error "E 13/7/4: no dimension D"
//   family "t"          -> error "T 10: family t is not computed"
struct EffectiveParameters {
  double c1 = 0;    // mm⁻¹
  double c2 = 0;    // mm⁻³
  double le = 0;    // mm
  double ae = 0;    // mm²
  double ve = 0;    // mm³
  double amin = 0;  // mm²
  std::string error;
};
EffectiveParameters effectiveParameters(const CoreShape& shape);

}  // namespace ombrel
