// One top-level window built from a window table: fields, captions, buttons,
// lines and pictures at their design rectangles, the focus chain, and the
// buttons' roles. Calculations run through press(); a fault is shown in one
// modal message box.
#pragma once

#include <QHash>
#include <QWidget>

#include "common/window_spec.h"

class QLineEdit;

namespace ombrel {

// The dialog frame every window of the program has: title bar with a close
// button only, no minimise or maximise.
Qt::WindowFlags dialogFrame();

// Design twips to pixels: 15 twips a pixel.
int pixels(int twips);

class CalcWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CalcWindow(const WindowSpec& spec);
  const WindowSpec& spec() const { return spec_; }
  QLineEdit* field(const QString& name) const { return fields_.value(name); }

 signals:
  void returnPressed(bool alsoShowMainForm);  // a 返回 button: hide this window
  void showWanted(QString window);
  void closing();            // title-bar close: the window is being discarded

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void buttonClicked(const Control& button);
  void calculate(const Control& button);

  const WindowSpec& spec_;
  QHash<QString, QLineEdit*> fields_;
  QHash<QObject*, QString> clickableLabels_;
};

}  // namespace ombrel
