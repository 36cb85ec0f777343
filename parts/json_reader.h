// SPDX-License-Identifier: GPL-3.0-or-later
// The house's reader of the data files' JSON, one line at a time: Qt-free
// (the engine's rooms are), one bounded pass front to back, members nested
// up to 32 deep skipped without recursion, strings decoded to UTF-8 and
// figures read by the number rules (NumberFromText), never the C library's
// locale. Every read either moves on or marks the line bad at the byte
// where it stopped:
//   JsonReader("{\"a\": 1.5}"): expect('{'), string(&k) -> "a", expect(':'), number(&v) -> 1.5, expect('}')
//   JsonReader("[1e999]"): take('['), number(&v) -> false, bad() at byte 2
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "common/number.h"

namespace ombrel {

class JsonReader {
 public:
  static constexpr std::size_t maxDepth = 32;

  explicit JsonReader(std::string_view text) : s_(text) {}

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

// Each line of a data file that holds anything but blanks, with its number
// from 1: "a\n\n b" -> (1, "a"), (3, " b").
template <class Line>
void forEachLine(std::string_view text, const Line& line) {
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view one = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ++number;
    if (one.find_first_not_of(" \t\r") != std::string_view::npos) line(number, one);
  }
}

// Each such line read by `read(line, item)`, which says why the line is no
// item ("" where it is one): the items kept in order, each line left out
// named, "line 3: E 5: A has no figure".
template <class Item, class Read>
void readLines(std::string_view text, std::vector<Item>& items, std::vector<std::string>& errors, const Read& read) {
  forEachLine(text, [&](std::size_t number, std::string_view line) {
    Item item;
    if (const std::string error = read(line, item); !error.empty())
      errors.push_back("line " + std::to_string(number) + ": " + error);
    else
      items.push_back(std::move(item));
  });
}

}  // namespace ombrel
