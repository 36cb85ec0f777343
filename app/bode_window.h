// SPDX-License-Identifier: GPL-3.0-or-later
// The loop window's frequency response ("环路频率响应"): the Bode plot of
// its design by the model of loop/loop_response.h, its crossover and phase
// margin, and the same with R3, C1 and C2 replaced by standard values of a
// chosen E series. It follows the loop window: after each 计算 there, and
// each edit of a value it reads, it draws again; its own field and series
// take effect at once, without a 计算 button. Two of the sweep's charts, one
// for the gain and one for the phase.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>

#include "app/side_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace ombrel {

class CalcWindow;
class Chart;

class BodeWindow : public SideWindow {
  Q_OBJECT

 public:
  BodeWindow();

  // Follows the loop window `source` from now on; `flyback` finds the
  // flyback window, where one is open, for the right-half-plane zero.
  void start(CalcWindow* source, std::function<CalcWindow*()> flyback);
  // The right-half-plane zero's context menu: Qt's own entries, then
  // "由「反激变压器」算出", which types the flyback design's zero in kHz and
  // shows its figures in its tooltip, or, disabled, says why it cannot.
  // The caller owns it.
  QMenu* zeroMenu();
  // Reads the loop window and the window's own choices, and draws.
  void redraw();
  // The points drawn as a table for a spreadsheet, or the header alone.
  QString table() const { return table_; }
  Chart* gain() const { return gain_; }
  Chart* phase() const { return phase_; }

 private:
  void clear(const QString& why);

  QPointer<CalcWindow> source_;
  std::function<CalcWindow*()> flyback_;
  QMetaObject::Connection follow_, closing_;
  QString table_;

  QLineEdit *frhp_, *r3_, *c1_, *c2_, *fc_, *pm_;
  QComboBox* series_;
  QLabel* status_;
  Chart *gain_, *phase_;
};

}  // namespace ombrel
