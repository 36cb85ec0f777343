// SPDX-License-Identifier: GPL-3.0-or-later
// MainForm: the start-up window. Its menu bar is the only way into the
// calculators; its client area holds nothing.
#pragma once

#include <QMainWindow>

namespace ombrel {

class MainForm : public QMainWindow {
  Q_OBJECT

 public:
  MainForm();

 signals:
  void commandChosen(QString window);  // a menu command: show that window
  void closing();                      // the title-bar close button

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace ombrel
