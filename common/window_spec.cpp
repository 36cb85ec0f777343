// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/window_spec.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace ombrel {

namespace {

constexpr std::string_view kOpen = "「", kClose = "」", kPlaceOpen = "（", kPlaceClose = "）";

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<CaptionName> captionNames(const std::string& formula) {
  std::vector<CaptionName> names;
  std::size_t at = 0;
  while ((at = formula.find(kOpen, at)) != std::string::npos) {
    const std::size_t start = at + kOpen.size();
    const std::size_t end = formula.find(kClose, start);
    if (end == std::string::npos) {
      names.push_back({formula.substr(start), std::string(kOpen)});
      break;
    }
    CaptionName name{formula.substr(start, end - start), {}};
    at = end + kClose.size();
    if (formula.compare(at, kPlaceOpen.size(), kPlaceOpen) == 0) {
      const std::size_t placeStart = at + kPlaceOpen.size();
      const std::size_t placeEnd = formula.find(kPlaceClose, placeStart);
      if (placeEnd != std::string::npos) {
        name.place = formula.substr(placeStart, placeEnd - placeStart);
        at = placeEnd + kPlaceClose.size();
      }
    }
    names.push_back(std::move(name));
  }
  return names;
}

const Control* WindowSpec::fieldNamed(const CaptionName& name) const {
  std::vector<const Control*> candidates;
  for (const Control& c : controls)
    if (c.kind == ControlKind::Label && !c.buddy.empty() && trimmed(c.text) == trimmed(name.caption))
      candidates.push_back(&c);
  const Control* chosen = nullptr;
  if (name.place.empty()) {
    if (candidates.size() == 1) chosen = candidates.front();
  } else if (candidates.size() > 1) {
    if (name.place == "左列" || name.place == "右列") {
      const bool left = name.place == "左列";
      const auto byX = [](const Control* a, const Control* b) { return a->rect.x < b->rect.x; };
      const Control* edge = left ? *std::min_element(candidates.begin(), candidates.end(), byX)
                                 : *std::max_element(candidates.begin(), candidates.end(), byX);
      const auto sameX = std::count_if(candidates.begin(), candidates.end(),
                                       [edge](const Control* c) { return c->rect.x == edge->rect.x; });
      if (sameX == 1) chosen = edge;
    } else {
      for (const Control* c : candidates) {
        const Control* heading = headingOf(*c);
        if (!heading || trimmed(heading->text) != trimmed(name.place)) continue;
        if (chosen) return nullptr;
        chosen = c;
      }
    }
  }
  return chosen ? find(chosen->buddy) : nullptr;
}

namespace {

// Lines from the top, each left to right (see fieldsInScreenOrder).
std::vector<const Control*> inReadingOrder(std::vector<const Control*> rest) {
  std::stable_sort(rest.begin(), rest.end(), [](const Control* a, const Control* b) {
    return a->rect.y != b->rect.y ? a->rect.y < b->rect.y : a->rect.x < b->rect.x;
  });
  std::vector<const Control*> ordered;
  while (!rest.empty()) {
    // rest is sorted by top edge: the line is a prefix of it.
    const Rect& first = rest.front()->rect;
    const auto lineEnd = std::find_if(rest.begin() + 1, rest.end(), [&first](const Control* c) {
      return 2 * (c->rect.y - first.y) >= first.h;
    });
    std::vector<const Control*> line(rest.begin(), lineEnd);
    std::stable_sort(line.begin(), line.end(),
                     [](const Control* a, const Control* b) { return a->rect.x < b->rect.x; });
    ordered.insert(ordered.end(), line.begin(), line.end());
    rest.erase(rest.begin(), lineEnd);
  }
  return ordered;
}

bool isHeading(const Control& c) { return c.kind == ControlKind::Label && c.group.w > 0; }

// Twice the centre, so that odd sizes stay in integers.
bool centreInside(const Rect& field, const Rect& area) {
  const int cx = 2 * field.x + field.w, cy = 2 * field.y + field.h;
  return cx >= 2 * area.x && cx <= 2 * (area.x + area.w) && cy >= 2 * area.y && cy <= 2 * (area.y + area.h);
}

}  // namespace

std::vector<const Control*> WindowSpec::fieldsInScreenOrder() const {
  std::vector<const Control*> fields;
  for (const Control& c : controls)
    if (c.kind == ControlKind::Field) fields.push_back(&c);
  return inReadingOrder(std::move(fields));
}

std::vector<FieldGroup> WindowSpec::fieldGroups() const {
  std::vector<const Control*> headings;
  for (const Control& c : controls)
    if (isHeading(c)) headings.push_back(&c);
  std::vector<std::vector<const Control*>> members(headings.size());
  std::vector<const Control*> loose;
  for (const Control& c : controls) {
    if (c.kind != ControlKind::Field) continue;
    const auto in = std::find_if(headings.begin(), headings.end(),
                                 [&c](const Control* h) { return centreInside(c.rect, h->group); });
    if (in == headings.end())
      loose.push_back(&c);
    else
      members[static_cast<std::size_t>(in - headings.begin())].push_back(&c);
  }
  std::vector<FieldGroup> groups;
  if (!loose.empty()) groups.push_back({{}, inReadingOrder(std::move(loose))});
  for (std::size_t i = 0; i < headings.size(); ++i)
    groups.push_back({headings[i]->text, inReadingOrder(std::move(members[i]))});
  return groups;
}

std::string WindowSpec::placedCaption(const std::string& fieldName, const std::string& open,
                                      const std::string& close) const {
  std::string name = open + std::string(trimmed(captionOf(fieldName))) + close;
  const std::string place = placeOf(fieldName);
  if (!place.empty()) name += "（" + place + "）";
  return name;
}

std::vector<std::string> WindowSpec::usedBy(const std::string& fieldName) const {
  std::vector<std::string> outputs;
  for (const Control& button : controls) {
    if (button.kind != ControlKind::Button || button.buttonRole != ButtonRole::Calculate) continue;
    for (const std::string& out : button.writes) {
      const Control* output = find(out);
      if (!output || std::find(outputs.begin(), outputs.end(), out) != outputs.end()) continue;
      const std::vector<CaptionName> names = captionNames(output->formula);
      // The first name is the output's own.
      if (std::any_of(names.begin() + (names.empty() ? 0 : 1), names.end(), [&](const CaptionName& n) {
            const Control* field = fieldNamed(n);
            return field && field->name == fieldName;
          }))
        outputs.push_back(out);
    }
  }
  return outputs;
}

std::vector<std::string> WindowSpec::reach(const std::string& fieldName) const {
  std::vector<std::string> reached, next{fieldName};
  while (!next.empty()) {
    const std::string field = next.back();
    next.pop_back();
    for (const std::string& out : usedBy(field))
      if (std::find(reached.begin(), reached.end(), out) == reached.end()) {
        reached.push_back(out);
        next.push_back(out);
      }
  }
  // In the order the buttons write them.
  std::vector<std::string> ordered;
  for (const Control& b : controls)
    if (b.kind == ControlKind::Button && b.buttonRole == ButtonRole::Calculate)
      for (const std::string& out : b.writes)
        if (std::find(reached.begin(), reached.end(), out) != reached.end() &&
            std::find(ordered.begin(), ordered.end(), out) == ordered.end())
          ordered.push_back(out);
  return ordered;
}

std::vector<std::string> WindowSpec::results() const {
  std::vector<std::string> all;
  for (const FieldGroup& g : fieldGroups())
    for (const Control* f : g.fields)
      if (f->fieldRole == FieldRole::Output) all.push_back(f->name);
  return all;
}

const Control* WindowSpec::find(const std::string& controlName) const {
  for (const Control& c : controls)
    if (c.name == controlName) return &c;
  return nullptr;
}

std::string WindowSpec::captionOf(const std::string& fieldName) const {
  for (const Control& c : controls)
    if (c.kind == ControlKind::Label && c.buddy == fieldName) return c.text;
  return fieldName;
}

const Control* WindowSpec::headingOf(const Control& caption) const {
  const Control* nearest = nullptr;
  for (const Control& h : controls)
    if (h.kind == ControlKind::Label && h.buddy.empty() && h.rect.x == caption.rect.x && h.rect.y < caption.rect.y &&
        (!nearest || h.rect.y > nearest->rect.y))
      nearest = &h;
  return nearest;
}

std::string WindowSpec::placeOf(const std::string& fieldName) const {
  const std::string text = captionOf(fieldName);
  if (fieldNamed({text, {}})) return {};
  const Control* field = find(fieldName);
  std::vector<std::string> places;
  for (const Control& h : controls)
    if (h.kind == ControlKind::Label && h.buddy.empty()) places.push_back(h.text);
  places.push_back("左列");
  places.push_back("右列");
  for (const std::string& place : places)
    if (fieldNamed({text, std::string(trimmed(place))}) == field) return std::string(trimmed(place));
  return {};
}

const std::vector<std::string>& ChoiceList::itemsFor(const std::string& by) const {
  static const std::vector<std::string> none;
  const auto it = items.find(follows.empty() ? std::string() : by);
  return it == items.end() ? none : it->second;
}

Control label(std::string name, std::string text, Rect r) {
  Control c;
  c.kind = ControlKind::Label;
  c.name = std::move(name);
  c.text = std::move(text);
  c.rect = r;
  return c;
}

Control caption(std::string name, std::string text, Rect r, std::string field) {
  Control c = label(std::move(name), std::move(text), r);
  c.buddy = std::move(field);
  return c;
}

Control input(std::string name, std::string defaultText, Rect r) {
  Control c;
  c.kind = ControlKind::Field;
  c.name = std::move(name);
  c.text = std::move(defaultText);
  c.rect = r;
  c.fieldRole = FieldRole::Input;
  return c;
}

Control output(std::string name, Rect r, std::string designText) {
  Control c = input(std::move(name), std::move(designText), r);
  c.fieldRole = FieldRole::Output;
  return c;
}

Control button(std::string name, std::string text, Rect r, ButtonRole role) {
  Control c;
  c.kind = ControlKind::Button;
  c.name = std::move(name);
  c.text = std::move(text);
  c.rect = r;
  c.buttonRole = role;
  return c;
}

Control calculate(std::string name, std::string text, Rect r, std::vector<std::string> writes,
                  Handler handler) {
  Control c = button(std::move(name), std::move(text), r, ButtonRole::Calculate);
  c.writes = std::move(writes);
  c.handler = std::move(handler);
  return c;
}

Control line(std::string name, int x1, int y1, int x2, int y2) {
  Control c;
  c.kind = ControlKind::Line;
  c.name = std::move(name);
  c.rect = {x1, y1, x2 - x1, y2 - y1};
  return c;
}

void group(std::vector<Control>& controls, const std::string& heading, int firstLine, int x1, int y1, int x2,
           int y2) {
  const auto label = std::find_if(controls.begin(), controls.end(), [&heading](const Control& c) {
    return c.kind == ControlKind::Label && c.name == heading;
  });
  if (label == controls.end()) throw std::logic_error("no heading " + heading);
  label->group = {x1, y1, x2 - x1, y2 - y1};
  const auto name = [firstLine](int i) { return "Line" + std::to_string(firstLine + i); };
  controls.push_back(line(name(0), x1, y1, x2, y1));
  controls.push_back(line(name(1), x2, y1, x2, y2));
  controls.push_back(line(name(2), x2, y2, x1, y2));
  controls.push_back(line(name(3), x1, y2, x1, y1));
}

Control picture(std::string name, std::string resource, Rect r, bool stretch) {
  Control c;
  c.kind = ControlKind::Picture;
  c.name = std::move(name);
  c.text = std::move(resource);
  c.rect = r;
  c.stretch = stretch;
  return c;
}

}  // namespace ombrel
