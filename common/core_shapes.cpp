// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core_shapes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

namespace ombrel {

namespace {

constexpr double pi = std::numbers::pi;
constexpr std::size_t maxDepth = 32;

// One line of JSON, read front to back. Every read either moves on or marks
// the line bad at the byte where it stopped; nothing recurses.
class Reader {
 public:
  explicit Reader(std::string_view text) : s_(text) {}

  bool bad() const { return bad_; }
  std::size_t where() const { return at_ + 1; }
  bool atEnd() {
    space();
    return at_ == s_.size();
  }
  bool take(char c) {
    space();
    if (bad_ || at_ >= s_.size() || s_[at_] != c) return false;
    ++at_;
    return true;
  }
  bool expect(char c) { return take(c) || fail(); }
  bool fail() {
    bad_ = true;
    return false;
  }

  // A string; `out` may be null to skip it. Escapes are decoded to UTF-8;
  // other bytes are kept as they are, control characters refused.
  bool string(std::string* out) {
    if (!expect('"')) return false;
    std::string text;
    while (at_ < s_.size()) {
      const unsigned char c = static_cast<unsigned char>(s_[at_++]);
      if (c == '"') {
        if (out) *out = std::move(text);
        return true;
      }
      if (c < 0x20) {
        --at_;
        return fail();
      }
      if (c != '\\') {
        text += static_cast<char>(c);
        continue;
      }
      if (at_ >= s_.size()) return fail();
      const char e = s_[at_++];
      const std::string_view plain = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
      if (const auto k = plain.find(e); k != std::string_view::npos) {
        text += meant[k];
      } else if (e != 'u' || !unicode(text)) {
        return fail();
      }
    }
    return fail();
  }

  // A JSON number; beyond the double range it is refused.
  bool number(double* out) {
    space();
    const std::size_t start = at_;
    auto digits = [&] {
      const std::size_t from = at_;
      while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') ++at_;
      return at_ > from;
    };
    if (at_ < s_.size() && s_[at_] == '-') ++at_;
    if (at_ < s_.size() && s_[at_] == '0') {
      ++at_;
    } else if (!digits()) {
      return fail();
    }
    if (at_ < s_.size() && s_[at_] == '.' && (++at_, !digits())) return fail();
    if (at_ < s_.size() && (s_[at_] == 'e' || s_[at_] == 'E')) {
      ++at_;
      if (at_ < s_.size() && (s_[at_] == '+' || s_[at_] == '-')) ++at_;
      if (!digits()) return fail();
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(s_.data() + start, s_.data() + at_, value);
    if (ec != std::errc() || end != s_.data() + at_ || !std::isfinite(value)) {
      at_ = start;
      return fail();
    }
    if (out) *out = value;
    return true;
  }

  // Any value, containers nested up to maxDepth, without recursion: `open`
  // holds the closing brackets still owed.
  bool skipValue() {
    std::string open;
    for (;;) {
      space();
      const char c = at_ < s_.size() ? s_[at_] : '\0';
      bool closed = false;
      if (c == '{' || c == '[') {
        ++at_;
        if (open.size() == maxDepth) return fail();
        open += c == '{' ? '}' : ']';
        if (take(open.back())) {
          open.pop_back();
          closed = true;
        } else if (c == '{' && !(string(nullptr) && expect(':'))) {
          return false;
        }
      } else if (c == '"') {
        if (!string(nullptr)) return false;
        closed = true;
      } else if (c == 't' || c == 'f' || c == 'n') {
        if (!literal()) return false;
        closed = true;
      } else if (!number(nullptr)) {
        return false;
      } else {
        closed = true;
      }
      while (closed) {  // a value ended: close containers or go on after a comma
        if (open.empty()) return true;
        if (take(',')) {
          if (open.back() == '}' && !(string(nullptr) && expect(':'))) return false;
          closed = false;
        } else if (take(open.back())) {
          open.pop_back();
        } else {
          return fail();
        }
      }
    }
  }

 private:
  void space() {
    while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\r' || s_[at_] == '\n')) ++at_;
  }
  bool literal() {
    for (const std::string_view word : {"true", "false", "null"})
      if (s_.substr(at_, word.size()) == word) {
        at_ += word.size();
        return true;
      }
    return fail();
  }
  bool hex4(unsigned& unit) {
    unit = 0;
    for (int k = 0; k < 4; ++k, ++at_) {
      if (at_ >= s_.size()) return false;
      const char h = s_[at_];
      const int v = h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10 : h >= 'A' && h <= 'F' ? h - 'A' + 10 : -1;
      if (v < 0) return false;
      unit = unit * 16 + static_cast<unsigned>(v);
    }
    return true;
  }
  // \uXXXX (after the u), a surrogate pair as one code point; a lone
  // surrogate is refused.
  bool unicode(std::string& text) {
    unsigned cp = 0, low = 0;
    if (!hex4(cp) || (cp >= 0xDC00 && cp < 0xE000)) return false;
    if (cp >= 0xD800 && cp < 0xDC00) {
      if (s_.substr(at_, 2) != "\\u") return false;
      at_ += 2;
      if (!hex4(low) || low < 0xDC00 || low >= 0xE000) return false;
      cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
    }
    auto byte = [&](unsigned b) { text += static_cast<char>(b); };
    if (cp < 0x80) {
      byte(cp);
    } else if (cp < 0x800) {
      byte(0xC0 | cp >> 6), byte(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      byte(0xE0 | cp >> 12), byte(0x80 | (cp >> 6 & 0x3F)), byte(0x80 | (cp & 0x3F));
    } else {
      byte(0xF0 | cp >> 18), byte(0x80 | (cp >> 12 & 0x3F)), byte(0x80 | (cp >> 6 & 0x3F)), byte(0x80 | (cp & 0x3F));
    }
    return true;
  }

  std::string_view s_;
  std::size_t at_ = 0;
  bool bad_ = false;
};

// {"minimum": .., "maximum": .., "nominal": ..}: the mean of the limits, the
// nominal, or the one limit there is. False (and no error) when it holds no
// figure; the reader is marked bad on broken JSON.
bool dimension(Reader& in, double& value) {
  double limit[3];
  bool given[3] = {false, false, false};
  const std::string_view keys[3] = {"minimum", "maximum", "nominal"};
  if (!in.expect('{')) return false;
  if (!in.take('}')) {
    do {
      std::string key;
      if (!in.string(&key) || !in.expect(':')) return false;
      const auto k = std::find(keys, keys + 3, key) - keys;
      if (k < 3 ? !in.number(&limit[k]) : !in.skipValue()) return false;
      if (k < 3) given[k] = true;
    } while (in.take(','));
    if (!in.expect('}')) return false;
  }
  if (given[0] && given[1]) {
    value = (limit[0] + limit[1]) / 2;
  } else if (given[2] || given[0] || given[1]) {
    value = limit[given[2] ? 2 : given[0] ? 0 : 1];
  } else {
    return false;
  }
  return true;
}

// One line: the shape, or the reason it is none.
std::string readShape(std::string_view line, CoreShape& shape) {
  Reader in(line);
  std::string noFigure;
  bool hasDimensions = false;
  if (in.expect('{') && !in.take('}')) {
    do {
      std::string key;
      if (!in.string(&key) || !in.expect(':')) break;
      if (key == "family" || key == "name" || key == "familySubtype") {
        in.string(key == "family" ? &shape.family : key == "name" ? &shape.name : &shape.subtype);
      } else if (key != "dimensions") {
        in.skipValue();
      } else if (in.expect('{') && !in.take('}')) {
        hasDimensions = true;
        do {
          std::string letter;
          double value = 0;
          if (!in.string(&letter) || !in.expect(':')) break;
          if (dimension(in, value)) {
            shape.dimensions[letter] = value;
          } else if (noFigure.empty()) {
            noFigure = letter;
          }
        } while (!in.bad() && in.take(','));
        in.expect('}');
      }
    } while (!in.bad() && in.take(','));
    in.expect('}');
  }
  const std::string who = shape.name.empty() ? "" : shape.name + ": ";
  if (in.bad() || !in.atEnd()) return who + "bad JSON at byte " + std::to_string(in.where());
  if (shape.family.empty()) return who + "no family";
  if (shape.name.empty()) return "no name";
  if (!noFigure.empty()) return who + noFigure + " has no figure";
  if (!hasDimensions) return who + "no dimensions";
  return {};
}

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
    c1 += 2 * f * std::log(r2 / r1) / k;
    c2 += 2 * f * (1 / r1 - 1 / r2) / (k * k);
  }
};

Path eCore(Dims& d) {
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

Path efdCore(Dims& d) {
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

Path etdCore(Dims& d) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F");
  const double R = E / 2, h = B - D;
  const double leg = C * A / 2 - (C / 2 * std::sqrt(R * R - C * C / 4) + R * R * std::asin(C / E));
  const double legs = 2 * leg, yoke = 2 * h * C, centre = pi * F * F / 4;
  Path path;
  path.uniform(2 * D, legs);
  path.uniform(E - F, yoke);
  path.uniform(2 * D, centre);
  path.corner(pi / 4 * (leg / C + h), legs, yoke);
  path.corner(pi / 4 * (0.5959 * F + h), yoke, centre);
  return path;
}

Path pqCore(Dims& d) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F");
  const double G = d("G", std::sqrt(std::max(0.0, E * E - C * C)));
  const double h = B - D, beta = std::acos(G / E), I = std::sqrt(E * E - G * G);
  const bool plate = d.has("J") && d.has("L");
  const double alpha = plate ? std::atan(d("L") / d("J")) : beta;
  double covered = beta * E * E - alpha * F * F;
  if (plate) covered = covered + G * d("L") - d("J") * I;
  const double share = covered / 8 / (pi * (E * E - F * F) / 16);
  const double lmin = (E - F) / 2, lmax = std::sqrt(E * E + F * F - 2 * E * F * std::cos(alpha - beta)) / 2;
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
  const double h = B - D, p = std::numbers::sqrt2 * J - A, beta = pi / 2 - std::asin(G / E);
  double slotSide = 0, lmax = std::sqrt(E * E + F * F - 2 * E * F * std::sin(beta)) / 2;
  if (drawing == "1" || drawing == "2") {
    slotSide = G * G * (std::tan(beta) - 1) / 8;
  } else if (drawing == "3") {
    slotSide = C * C / (8 * std::tan(beta));
    lmax = G / 2 + (1 - std::sin(pi / 4)) * (E - C) / 2;
  } else if (drawing == "4") {
    slotSide = (G * F + (C - F) * (C - F)) / 8;
  } else {
    return Path{0, 0, 0, false};
  }
  const double share = (beta * E * E / 8 - pi * F * F / 16 + slotSide) / (pi * (E * E - F * F) / 16);
  const double lmin = (E - F) / 2;
  const double legs = J * J / 2 * (1 + std::tan(beta - pi / 4)) - beta * E * E / 2 - p * p / 2;
  const double centre = pi * (F * F - H * H) / 4;
  Path path;
  path.uniform(2 * D, legs);
  path.uniform(2 * D, centre);
  path.radial(F / 2, E / 2, 2 * pi * share, h, (lmin + lmax) / (2 * lmin));
  path.corner(pi / 4 * (h + J / 2 - E / 2), legs, 2 * beta * E * h);
  path.corner(pi / 4 * (F + h - std::sqrt((F * F + H * H) / 2)), centre, pi * F * h);
  return path;
}

Path epCore(Dims& d) {
  const double A = d("A"), B = d("B"), C = d("C"), D = d("D"), E = d("E"), F = d("F");
  const double K = d("K", F / 2);
  const double h = B - D, theta = pi - std::atan(E / (2 * K)), r = (F / 2 + K) / 2;
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

}  // namespace

CoreShapeTable parseCoreShapes(std::string_view ndjson) {
  CoreShapeTable table;
  std::size_t number = 0;
  while (!ndjson.empty()) {
    const std::size_t end = std::min(ndjson.find('\n'), ndjson.size());
    const std::string_view line = ndjson.substr(0, end);
    ndjson.remove_prefix(std::min(end + 1, ndjson.size()));
    ++number;
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
    CoreShape shape;
    if (const std::string error = readShape(line, shape); !error.empty()) {
      table.errors.push_back("line " + std::to_string(number) + ": " + error);
    } else {
      table.shapes.push_back(std::move(shape));
    }
  }
  return table;
}

EffectiveParameters effectiveParameters(const CoreShape& shape) {
  EffectiveParameters result;
  Dims dims(shape);
  const std::string& f = shape.family;
  const Path path = f == "e"     ? eCore(dims)
                    : f == "efd" ? efdCore(dims)
                    : f == "etd" ? etdCore(dims)
                    : f == "pq"  ? pqCore(dims)
                    : f == "rm"  ? rmCore(dims, shape.subtype)
                    : f == "ep"  ? epCore(dims)
                                 : Path{0, 0, 0, false};
  const bool known = f == "e" || f == "efd" || f == "etd" || f == "pq" || f == "rm" || f == "ep";
  if (!known) {
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
