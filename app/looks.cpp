// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/looks.h"

#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace ombrel {

namespace {

// Results are drawn on a light tint of the highlight colour over the field
// background, the same in every window, so that what to read stands apart
// from what to type. A result left from an earlier run has its text halfway
// to that background. With the usual palette: black on #E6F1F8, and #5C6063
// for a left-over result, a contrast above 5 : 1.
QColor resultBase(const QPalette& p) { return mixed(p.color(QPalette::Base), p.color(QPalette::Highlight), 0.12); }
QColor staleText(const QPalette& p) { return mixed(p.color(QPalette::Text), resultBase(p), 0.4); }
// An input read otherwise than it reads (underlined, dark amber) and an
// impossible result (bold, underlined, dark red): never colour alone, and
// above 5 : 1 on either ground.
const QColor kReadAsText(0x7a, 0x43, 0x00), kImpossibleText(0xa0, 0x10, 0x18), kOverLimitText(0x6a, 0x1b, 0x9a);
// A result typed by hand, or computed from one: dark blue on a pale paper
// yellow instead of the result tint, the ground a computed result never has.
// A result a check questions: dark teal, a line over it.
const QColor kManualText(0x1a, 0x3c, 0x8c), kManualBase(0xfb, 0xf3, 0xd0), kCheckedText(0x00, 0x5e, 0x5a);

}  // namespace

QString tipHtml(std::string_view plain) {
  return QStringLiteral("<p style=\"white-space:pre\">") + qs(plain).toHtmlEscaped() + QStringLiteral("</p>");
}

Qt::WindowFlags dialogFrame() {
  // Customised, so that the window manager is told exactly this: a title
  // with its close button (Windows draws that button only with the system
  // menu), of fixed size, no minimise or maximise button.
  return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QColor mixed(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                          static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                          static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

void showLook(QLineEdit* edit, Look look) {
  const QPalette window = edit->window()->palette();
  QFont font = edit->font();
  font.setItalic(look == Look::Stale);
  const bool alarm = look == Look::Impossible || look == Look::OverLimit;
  font.setUnderline(look == Look::ReadAs || alarm);
  font.setBold(alarm);
  font.setOverline(look == Look::Checked);
  if (font != edit->font()) edit->setFont(font);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, look == Look::Stale        ? staleText(window)
                                   : look == Look::ReadAs     ? kReadAsText
                                   : look == Look::Impossible ? kImpossibleText
                                   : look == Look::OverLimit  ? kOverLimitText
                                   : look == Look::Manual     ? kManualText
                                   : look == Look::Checked    ? kCheckedText
                                                              : window.color(QPalette::Text));
  // Only a result is ever typed by hand: its ground is the result tint again
  // once the mark goes.
  const bool manual = look == Look::Manual;
  if (manual != edit->property("manualGround").toBool()) {
    palette.setColor(QPalette::Base, manual ? kManualBase : resultBase(window));
    edit->setProperty("manualGround", manual);
  }
  if (palette != edit->palette()) edit->setPalette(palette);
}

void tintAsResult(QLineEdit* edit) {
  QPalette tinted = edit->palette();
  tinted.setColor(QPalette::Base, resultBase(tinted));
  edit->setPalette(tinted);
}

bool widerThanField(const QLineEdit* edit) {
  QStyleOptionFrame frame;
  frame.initFrom(edit);
  frame.rect = edit->rect();
  frame.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit) : 0;
  const QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit)
                         .marginsRemoved(edit->textMargins());
  // A line edit keeps two pixels free at either side of its text.
  return edit->fontMetrics().horizontalAdvance(edit->text()) > room.width() - 4;
}

}  // namespace ombrel
