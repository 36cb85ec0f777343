#include "common/window_spec.h"

namespace ombrel {

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
