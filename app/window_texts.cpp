// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <stdexcept>

#include "app/calc_window.h"
#include "app/looks.h"
#include "common/results_table.h"

namespace ombrel {

std::string WidgetFields::text(const std::string& name) const {
  if (const QComboBox* list = window_.choice(qs(name))) return list->currentText().toStdString();
  return box(name)->text().toStdString();
}

void WidgetFields::setText(const std::string& name, const std::string& text) {
  // A list takes only one of its items.
  if (QComboBox* list = window_.choice(qs(name))) {
    if (const int at = list->findText(qs(text), Qt::MatchExactly); at >= 0) list->setCurrentIndex(at);
    return;
  }
  QLineEdit* edit = box(name);
  if (writing_ == AsUser) return typeAsUser(edit, qs(text));
  edit->setText(qs(text));
  edit->setCursorPosition(0);  // a long result shows its leading digits
}

QLineEdit* WidgetFields::box(const std::string& name) const {
  QLineEdit* edit = window_.field(qs(name));
  if (!edit) throw std::logic_error("no field " + name);
  return edit;
}

WindowsAsTexts::WindowsAsTexts(const QList<CalcWindow*>& windows) {
  for (CalcWindow* w : windows) texts_.push_back({&w->spec(), &fields_.emplace_back(*w), &w->marks(), w->titleIfOwn()});
}

std::map<std::string, std::string> fieldTexts(const CalcWindow& window) {
  std::map<std::string, std::string> texts;
  for (const Control& c : window.spec().controls)
    if (c.kind == ControlKind::Field) texts[c.name] = window.text(qs(c.name)).toStdString();
  return texts;
}

void typeAsUser(QLineEdit* field, const QString& text) {
  field->selectAll();
  field->insert(text);
  field->setCursorPosition(0);
}

QString allWindowsTable(const QList<CalcWindow*>& windows) { return qs(allTables(WindowsAsTexts(windows).all())); }

}  // namespace ombrel
