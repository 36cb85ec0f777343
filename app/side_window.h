// SPDX-License-Identifier: GPL-3.0-or-later
// A window of its own beside the calculators (the sweep window, the core
// shape window and those to come): one for the program, created by the
// Navigator at its first use, placed beside the calculator it was opened
// from, and kept with what it holds when 返回 or the title-bar close hides
// it. While shown it counts as shown when the program decides whether to
// end; hidden() tells the Navigator that it went.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ombrel {

class SideWindow : public QWidget {
  Q_OBJECT

 public:
  // Its frame, and the object name and caption it is found and shown by.
  SideWindow(Qt::WindowFlags frame, const QString& name, const QString& caption = {});
  // 返回: hidden, kept for the next time.
  void goBack();

 signals:
  void hidden();  // by 返回 or the title-bar close

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A push button of this window, found by its object name; Enter presses
  // none. "返回" is made with goBack() connected.
  QPushButton* makeButton(const QString& text, const QString& name);
  QPushButton* makeBackButton(const QString& name = QStringLiteral("back"));
  // The status line in words, "status": plain text, wrapped.
  QLabel* makeStatus();
  // A read-only field that shows a whole result, found by its object name:
  // tinted as a result, wide enough for 15 digits, a point, and "0.00" before
  // or an exponent after them; in `parent` (this window where none), with
  // `tip` as its tooltip where one is given.
  QLineEdit* makeResultField(const QString& name, QWidget* parent = nullptr, const QString& tip = {});
};

}  // namespace ombrel
