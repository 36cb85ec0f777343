// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for every calculator handler of the registry, the
// winding check's on the standard shapes as shipped among them.
//
// The first byte picks a window of the registry, the second one of its calculate buttons; the rest, split at line
// feeds, are the texts of the window's fields in table order (fields without
// a piece keep their design texts). A list takes the item its piece's length
// picks, or, for a piece starting with "!", the rest as it stands. Checked
// after every press:
// - the inputs are never written;
// - the press writes a prefix of the button's declared outputs, in order:
//   all of them without a fault, and exactly those before the faulting one
//   with a fault, so the faulting output and all later ones keep their texts;
// - every written text is one TextFromNumber writes for a finite value, and
//   reads back to itself (but for the top of the range, which reads back as
//   an overflow), or empty in a window whose rows count only when given
//   (the winding check: a row that does not count);
// - every field's mark gives a role the copied table knows, and no output
//   the press wrote is marked as left over; a written result typed over is
//   typed by hand exactly when it is not blank;
// - what 取自 offers from the window is a plain finite text, shown as it stands;
// - from the flyback window, the right-half-plane zero the frequency
//   response takes (flybackRhpZero): a positive finite frequency, its text
//   the last figure of its tooltip, while 次级电感量 is a current result, and
//   words why not otherwise;
// - no crash, no sanitizer report, no program error (std::logic_error).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/registry.h"
#include "common/calc.h"
#include "common/marks.h"
#include "common/offers.h"
#include "common/number.h"
#include "loop/loop_response.h"
#include "transformer/flyback_zero.h"
#include "transformer/flyback_fields.h"

using namespace ombrel;

namespace {

[[noreturn]] void fail(const WindowSpec& spec, const Control& button, const std::string& what) {
  std::fprintf(stderr, "invariant broken in %s %s: %s\n", spec.name.c_str(), button.name.c_str(), what.c_str());
  std::abort();
}

// A window whose rows count only when an input is given (a blank input
// with a meaning of its own) empties the results of a row that does not.
bool rowsCount(const WindowSpec& spec) {
  return std::any_of(spec.controls.begin(), spec.controls.end(), [](const Control& c) { return !c.blank.empty(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<const WindowSpec*> windows = builtWindows();
  if (size < 2 || windows.empty()) return 0;
  const WindowSpec& spec = *windows[data[0] % windows.size()];
  std::vector<const Control*> buttons;
  std::vector<std::string> fields;
  for (const Control& c : spec.controls) {
    if (c.kind == ControlKind::Button && c.buttonRole == ButtonRole::Calculate) buttons.push_back(&c);
    if (c.kind == ControlKind::Field) fields.push_back(c.name);
  }
  if (buttons.empty()) return 0;
  const Control& button = *buttons[data[1] % buttons.size()];

  FieldStore store(spec);
  const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  std::size_t start = 0;
  for (std::size_t i = 0; i < fields.size() && start <= rest.size(); ++i) {
    const std::size_t end = std::min(rest.find('\n', start), rest.size());
    std::string piece(rest.substr(start, end - start));
    start = end + 1;
    if (const Control* c = spec.find(fields[i]); c->isChoice()) {
      const ChoiceList& list = *c->choices;
      const std::vector<std::string>& items = list.itemsFor(list.follows.empty() ? "" : store.text(list.follows));
      if (piece.empty()) continue;
      piece = piece[0] == '!' ? piece.substr(1) : items.empty() ? piece : items[piece.size() % items.size()];
    }
    store.setText(fields[i], piece);
  }
  std::map<std::string, std::string> before;
  for (const std::string& f : fields) before[f] = store.text(f);
  const std::size_t firstWrite = store.written().size();

  std::vector<Step> steps;
  const std::optional<Fault> fault = press(button, store, &steps);

  const std::vector<std::string> writes(store.written().begin() + firstWrite, store.written().end());
  std::size_t expected = button.writes.size();
  if (fault) {
    expected = 0;
    while (expected < button.writes.size() && button.writes[expected] != fault->output) ++expected;
    if (expected == button.writes.size()) fail(spec, button, "fault names no declared output: " + fault->output);
  }
  if (writes.size() != expected) fail(spec, button, "wrote " + std::to_string(writes.size()) + " outputs");
  for (std::size_t i = 0; i < writes.size(); ++i) {
    if (writes[i] != button.writes[i]) fail(spec, button, "wrote " + writes[i] + " out of order");
    const std::string shown = store.text(writes[i]);
    // The top of the double range is written correctly rounded, a text that reads back as an overflow.
    const bool top = shown == "1.79769313486232E+308" || shown == "-1.79769313486232E+308";
    if (shown.empty() && rowsCount(spec)) continue;
    if (shown == "inf" || shown == "-inf" || shown == "nan" || (!top && TextFromNumber(NumberFromText(shown)) != shown))
      fail(spec, button, writes[i] + " shows " + shown);
  }
  // The marks of every field after the press: a known role; what the press
  // wrote is never left over.
  ResultMarks marks;
  marks.pressed(button, fault, steps);
  static const std::set<std::string> bare = {"输入",         "结果",           "结果（上次计算）",
                                             "结果（已过时）", "结果（不合理）", "结果（超限）",
                                             "结果（验算）",   "结果（手动输入）", "结果（由手动输入算出）"};
  // One written result then typed over by the user (picked by the button
  // byte): typed by hand while it holds anything but blanks.
  if (!writes.empty()) {
    const std::string typed = writes[data[1] / buttons.size() % writes.size()];
    marks.edited(typed);
    const bool manual = marks.mark(spec, store, typed).look == Look::Manual;
    if (manual == IsBlank(store.text(typed))) fail(spec, button, typed + " typed over, manual " + std::to_string(manual));
  }
  for (const std::string& f : fields) {
    const FieldMark m = marks.mark(spec, store, f);
    if (!bare.count(m.role) && m.role.rfind("输入（", 0) != 0) fail(spec, button, f + " marked " + m.role);
  }
  for (const std::string& w : writes)
    if (marks.stale(w)) fail(spec, button, w + " written and left over");
  // What 取自 would offer from this window for the quantity of one field
  // (picked by the button byte): plain finite texts, shown as they stand.
  {
    const Quantity& quantity = spec.find(fields[data[1] / buttons.size() % fields.size()])->quantity;
    for (const OfferGroup& g : offersFor(quantity, {{&spec, &store, &marks}}))
      for (const Offer& o : g.offers) {
        const std::string field = o.label.substr(0, o.label.find('\t'));
        if (!IsPlainNumber(o.text) || !std::isfinite(NumberFromText(o.text)) ||
            o.label.compare(field.size() + 1, o.text.size(), o.text) != 0)
          fail(spec, button, "offered " + o.label);
      }
  }
  if (spec.name == flyback_fields::kWindow) {
    const auto zero = flybackRhpZero({&spec, &store, &marks});
    const Look look = marks.mark(spec, store, flyback_fields::kSecondaryInductance).look;
    const bool current = !IsBlank(store.text(flyback_fields::kSecondaryInductance)) && look != Look::Stale &&
                         look != Look::Impossible;
    if (const FlybackZero* z = std::get_if<FlybackZero>(&zero)) {
      const std::string end = "fr = " + TextFromNumber(z->fr) + " kHz";
      if (!current || !(z->fr > 0 && std::isfinite(z->fr)) || z->figures.size() < end.size() ||
          z->figures.compare(z->figures.size() - end.size(), end.size(), end) != 0)
        fail(spec, button, "a right-half-plane zero " + z->figures);
    } else if (std::get<std::string>(zero).empty()) {
      fail(spec, button, "no right-half-plane zero, and no words why");
    }
  }
  for (const std::string& f : fields) {
    bool written = false;
    for (const std::string& w : writes) written = written || w == f;
    if (!written && store.text(f) != before[f]) fail(spec, button, f + " changed without a write");
  }
  return 0;
}
