// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: how a broken invariant ends the run, and the
// line arithmetic of the data-file readers' errors ("line N: ...").
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace ombrel::fuzz {

// Prints the invariant and the first 300 bytes of what broke it, and aborts,
// which libFuzzer reports with the input.
[[noreturn]] inline void fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "invariant broken: %s: %.*s\n", what, int(detail.size() > 300 ? 300 : detail.size()),
               detail.data());
  std::abort();
}

// The lines of a text: its line feeds, and one more for a last line without one.
inline std::size_t linesIn(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
         (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// N of an error "line N: ...", or 0 where it has none.
inline std::size_t lineOf(const std::string& error) {
  if (error.compare(0, 5, "line ") != 0) return 0;
  std::size_t i = 5, n = 0;
  if (i >= error.size() || error[i] < '1' || error[i] > '9') return 0;
  for (; i < error.size() && error[i] >= '0' && error[i] <= '9' && n < 1000000000000; ++i) n = n * 10 + (error[i] - '0');
  return error.compare(i, 2, ": ") == 0 ? n : 0;
}

// The errors of a reader, "line N: ..." each, N a line of the text after its
// first `header` lines, in the order of their lines, one a line at most.
inline void checkErrorLines(const std::vector<std::string>& errors, std::string_view text, std::size_t header) {
  const std::size_t lines = linesIn(text);
  std::size_t last = header;
  for (const std::string& error : errors) {
    const std::size_t n = lineOf(error);
    if (n == 0) fail("error not starting with \"line N: \"", error);
    if (n <= last || n > lines) fail("error on no line of the file (after its header), or out of order", error);
    last = n;
  }
}

// A data file as shipped, whole; the run ends where it cannot be read.
inline std::string shippedFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) fail("cannot read", path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text with every line feed a carriage return and a line feed.
inline std::string withCrlf(std::string_view text) {
  std::string crlf;
  for (char ch : text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  return crlf;
}

}  // namespace ombrel::fuzz
