// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/shape_file.h"

#include <algorithm>
#include <cmath>

#include "common/number.h"

namespace ombrel {

namespace {

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
    // Read by the number rules; a figure beyond the double range, or so
    // small that it would read as 0 though its digits are not all zero, is
    // refused rather than changed.
    const std::string_view figure = s_.substr(start, at_ - start);
    const double value = NumberFromText(figure);
    const bool lost = value == 0 && figure.substr(0, figure.find_first_of("eE")).find_first_of("123456789") !=
                                        std::string_view::npos;
    if (!std::isfinite(value) || lost) {
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

}  // namespace ombrel
