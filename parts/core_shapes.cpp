// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/core_shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>

#include "common/elementary.h"

namespace ombrel {

namespace {

constexpr double pi = std::numbers::pi;

// The letters of a shape in mm (x * 1 is x itself). A missing letter reads as NaN and is
// remembered, so a family's formulas can be written straight on.
class Dims {
 public:
  explicit Dims(const CoreShape& shape) : shape_(shape) {}
  bool has(const char* letter) const { return shape_.dimensions.count(letter) > 0; }
  double operator()(const char* letter) {
    if (has(letter)) return shape_.dimensions.at(letter) * shape_.mmPerUnit;
    if (missing.empty()) missing = letter;
    return std::numeric_limits<double>::quiet_NaN();
  }
  double operator()(const char* letter, double otherwise) { return has(letter) ? (*this)(letter) : otherwise; }
  std::string missing;

 private:
  const CoreShape& shape_;
};

// The sections of the set's path, summed as they are added. A section of no
// length or area, or not finite, makes the path void.
struct Path {
  double c1 = 0, c2 = 0, amin = std::numeric_limits<double>::infinity();
  bool valid = true;

  void add(double l, double a) {
    if (!(l > 0 && a > 0 && std::isfinite(l / a) && std::isfinite(l / (a * a)))) valid = false;
    c1 += l / a;
    c2 += l / (a * a);
  }
  // A leg or yoke of uniform section; it counts for Amin.
  void uniform(double l, double a) {
    add(l, a);
    amin = std::min(amin, a);
  }
  // A corner joining sections of areas a1 and a2.
  void corner(double l, double a1, double a2) { add(l, (a1 + a2) / 2); }
  // The yokes of both halves, the flux spreading from r1 to r2 over `angle`
  // in a plate of height h; f lengthens the slanting paths.
  void radial(double r1, double r2, double angle, double h, double f) {
    const double k = angle * h;
    if (!(r1 > 0 && r2 > r1 && k > 0 && f > 0 && std::isfinite(f))) valid = false;
    c1 += 2 * f * cr::log(r2 / r1) / k;
    c2 += 2 * f * (1 / r1 - 1 / r2) / (k * k);
  }
};

Path eCore(Dims& d, const std::string& /*drawing*/) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F");
  const double p = (A - E) / 2, h = B - D;
  const double legs = 2 * p * C, yoke = 2 * h * C, centre = F * C;
  Path path;
  path.uniform(2 * D, legs);
  path.uniform(E - F, yoke);
  path.uniform(2 * D, centre);
  path.corner(pi / 4 * (p + h), legs, yoke);
  path.corner(pi / 4 * (F / 2 + h), yoke, centre);
  return path;
}

Path efdCore(Dims& d, const std::string& /*drawing*/) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F"), F2 = d("F2");
  const double K = d("K", 0), q = d("q", 0);
  const double p = (A - E) / 2, h = B - D, depthOffset = (C - F2 - 2 * K) / 2;
  const double legs = 2 * p * C, yoke = 2 * h * C, centre = F * F2 - 2 * q * q;
  Path path;
  path.uniform(2 * D, legs);
  path.uniform(E - F, yoke);
  path.uniform(2 * D, centre);
  path.corner(pi / 4 * (p + h), legs, yoke);
  path.corner(pi / 2 * (F / 4 + std::sqrt(depthOffset * depthOffset + h * h / 4)), yoke, centre);
  return path;
}

Path etdCore(Dims& d, const std::string& /*drawing*/) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F");
  const double R = E / 2, h = B - D;
  const double leg = C * A / 2 - (C / 2 * std::sqrt(R * R - C * C / 4) + R * R * cr::asin(C / E));
  const double legs = 2 * leg, yoke = 2 * h * C, centre = pi * F * F / 4;
  Path path;
  path.uniform(2 * D, legs);
  path.uniform(E - F, yoke);
  path.uniform(2 * D, centre);
  path.corner(pi / 4 * (leg / C + h), legs, yoke);
  path.corner(pi / 4 * (0.5959 * F + h), yoke, centre);
  return path;
}

Path pqCore(Dims& d, const std::string& /*drawing*/) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F");
  const double G = d("G", std::sqrt(std::max(0.0, E * E - C * C)));
  const double h = B - D, beta = cr::acos(G / E), I = std::sqrt(E * E - G * G);
  const bool plate = d.has("J") && d.has("L");
  const double alpha = plate ? cr::atan(d("L") / d("J")) : beta;
  double covered = beta * E * E - alpha * F * F;
  if (plate) covered = covered + G * d("L") - d("J") * I;
  const double share = covered / 8 / (pi * (E * E - F * F) / 16);
  const double lmin = (E - F) / 2, lmax = std::sqrt(E * E + F * F - 2 * E * F * cr::cos(alpha - beta)) / 2;
  const double legs = C * (A - G) - beta * E * E / 2 + G * I / 2, centre = pi * F * F / 4;
  Path path;
  path.uniform(2 * D, legs);
  path.uniform(2 * D, centre);
  path.radial(F / 2, E / 2, 2 * pi * share, h, plate ? (lmin + lmax) / (2 * lmin) : 1);
  path.corner(pi / 4 * (h + A / 2 - E / 2), legs, 2 * beta * E * h);
  path.corner(pi / 4 * (h + (1 - 1 / std::numbers::sqrt2) * F), centre, 2 * alpha * F * h);
  return path;
}

Path rmCore(Dims& d, const std::string& drawing) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F"), G = d("G"), J = d("J");
  const double H = d("H", 0);
  const double h = B - D, p = std::numbers::sqrt2 * J - A, beta = pi / 2 - cr::asin(G / E);
  double slotSide = 0, lmax = std::sqrt(E * E + F * F - 2 * E * F * cr::sin(beta)) / 2;
  if (drawing == "1" || drawing == "2") {
    slotSide = G * G * (cr::tan(beta) - 1) / 8;
  } else if (drawing == "3") {
    slotSide = C * C / (8 * cr::tan(beta));
    lmax = G / 2 + (1 - cr::sin(pi / 4)) * (E - C) / 2;
  } else if (drawing == "4") {
    slotSide = (G * F + (C - F) * (C - F)) / 8;
  } else {
    return Path{0, 0, 0, false};
  }
  const double share = (beta * E * E / 8 - pi * F * F / 16 + slotSide) / (pi * (E * E - F * F) / 16);
  const double lmin = (E - F) / 2;
  const double legs = J * J / 2 * (1 + cr::tan(beta - pi / 4)) - beta * E * E / 2 - p * p / 2;
  const double centre = pi * (F * F - H * H) / 4;
  Path path;
  path.uniform(2 * D, legs);
  path.uniform(2 * D, centre);
  path.radial(F / 2, E / 2, 2 * pi * share, h, (lmin + lmax) / (2 * lmin));
  path.corner(pi / 4 * (h + J / 2 - E / 2), legs, 2 * beta * E * h);
  path.corner(pi / 4 * (F + h - std::sqrt((F * F + H * H) / 2)), centre, pi * F * h);
  return path;
}

Path epCore(Dims& d, const std::string& /*drawing*/) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F");
  const double K = d("K", F / 2);
  const double h = B - D, theta = pi - cr::atan(E / (2 * K)), r = (F / 2 + K) / 2;
  const double legs = A * C - pi * E * E / 8 - E * K, centre = pi * F * F / 4 + (K - F / 2) * F;
  const double gamma = std::sqrt(E * E / 4 + legs / (2 * theta));
  Path path;
  path.uniform(2 * D, legs);
  path.uniform(2 * D, centre);
  path.radial(r, E / 2, 2 * theta, h, 1);
  path.corner(pi / 2 * (gamma - E / 2 + h / 2), A * C - pi * E * E / 8 - E * F / 2, theta * E * h);
  path.corner(pi / 2 * ((1 - 1 / std::numbers::sqrt2) * r + h / 2), pi * r * r, 2 * pi * r * h);
  return path;
}

// Each family's path by the name the data file gives it, one for every
// family of shapeFamilies(); only RM's depends on its drawing.
using PathOf = Path (*)(Dims&, const std::string& drawing);
const std::map<std::string, PathOf> paths = {
    {"e", eCore},
    {"efd", efdCore},
    {"etd", etdCore},
    {"pq", pqCore},
    {"rm", rmCore},
    {"ep", epCore},
};

}  // namespace

EffectiveParameters effectiveParameters(const CoreShape& shape) {
  EffectiveParameters result;
  Dims dims(shape);
  const std::string& f = shape.family;
  const auto formula = paths.find(f);
  const Path path = formula == paths.end() ? Path{0, 0, 0, false} : formula->second(dims, shape.subtype);
  if (formula == paths.end()) {
    result.error = shape.name + ": family " + f + " is not computed";
  } else if (!dims.missing.empty()) {
    result.error = shape.name + ": no dimension " + dims.missing;
  } else if (f == "rm" && shape.subtype != "1" && shape.subtype != "2" && shape.subtype != "3" && shape.subtype != "4") {
    result.error = shape.name + ": no RM drawing \"" + shape.subtype + "\"";
  } else {
    const double le = path.c1 * path.c1 / path.c2, ae = path.c1 / path.c2, ve = le * ae;
    if (!path.valid || !(le > 0 && ae > 0 && ve > 0 && std::isfinite(ve) && path.amin > 0)) {
      result.error = shape.name + ": the dimensions draw no core";
    } else {
      result = {path.c1, path.c2, le, ae, ve, path.amin, {}};
    }
  }
  return result;
}

}  // namespace ombrel
