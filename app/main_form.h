// SPDX-License-Identifier: GPL-3.0-or-later
// MainForm: the start-up window. Its menu bar is the only way into the
// calculators; its client area holds nothing but a context menu with
// "关于 Ombrel…", the about box: the version, the licence and the libraries.
#pragma once

#include <QMainWindow>
#include <QPointer>

class QMessageBox;

namespace ombrel {

class MainForm : public QMainWindow {
  Q_OBJECT

 public:
  MainForm();

 signals:
  void commandChosen(QString window);  // a menu command: show that window
  void closing();                      // the title-bar close button

 public slots:
  void showAbout();  // the about box, not modal; one at a time

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPointer<QMessageBox> about_;
};

}  // namespace ombrel
