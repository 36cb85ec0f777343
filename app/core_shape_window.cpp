// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core_shape_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <set>

#include "app/calc_window.h"
#include "app/core_drawing.h"
#include "app/looks.h"
#include "parts/shipped.h"
#include "app/window_texts.h"
#include "common/calc.h"
#include "common/marks.h"
#include "parts/core_form.h"

namespace ombrel {

namespace {

const QString kOwnDimensions = QStringLiteral("（自行填写）");

}  // namespace

CoreShapeWindow::CoreShapeWindow()
    : SideWindow(dialogFrame(), QStringLiteral("coreshape"), QStringLiteral("磁芯有效参数")) {
  targetLabel_ = new QLabel(this);
  targetLabel_->setObjectName(QStringLiteral("target"));
  targetLabel_->setTextFormat(Qt::PlainText);
  targetLabel_->setWordWrap(true);
  QLayout* choose = makeChoosers();
  picture_ = new CoreDrawing(this);
  auto* body = new QHBoxLayout;
  body->addWidget(picture_, 1);
  body->addWidget(makeDimensions());
  body->addWidget(makeResults());
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(targetLabel_);
  whole->addLayout(choose);
  whole->addLayout(body, 1);
  whole->addLayout(makeButtons());
  chooseFamily(shapeFamilies().front().family);
}

QLayout* CoreShapeWindow::makeChoosers() {
  family_ = new QComboBox(this);
  family_->setObjectName(QStringLiteral("family"));
  for (const ShapeFamily& f : shapeFamilies()) family_->addItem(qs(f.caption), qs(f.family));
  shape_ = new QComboBox(this);
  shape_->setObjectName(QStringLiteral("shape"));
  shape_->setMaxVisibleItems(20);
  drawing_ = new QComboBox(this);
  drawing_->setObjectName(QStringLiteral("drawing"));
  for (const RmDrawing& d : rmDrawings()) drawing_->addItem(qs(d.caption), qs(d.subtype));
  drawingCaption_ = new QLabel(QStringLiteral("底板"), this);
  drawingCaption_->setBuddy(drawing_);
  drawing_->setAccessibleName(QStringLiteral("底板"));

  auto* choose = new QHBoxLayout;
  for (auto [text, box] : {std::pair{"磁芯类型", family_}, std::pair{"标准尺寸", shape_}}) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setBuddy(box);
    box->setAccessibleName(label->text());
    choose->addWidget(label);
    choose->addWidget(box);
  }
  choose->addWidget(drawingCaption_);
  choose->addWidget(drawing_);
  choose->addStretch(1);

  connect(family_, &QComboBox::currentIndexChanged, this,
          [this] { chooseFamily(family_->currentData().toString().toStdString()); });
  connect(shape_, &QComboBox::currentIndexChanged, this, [this](int k) {
    if (k > 0) chooseShape(shape_->itemText(k));
  });
  connect(drawing_, &QComboBox::currentIndexChanged, this, [this] {
    {
      const QSignalBlocker quiet(shape_);
      shape_->setCurrentIndex(0);
    }
    outOfDate();
  });
  return choose;
}

// One field a letter of any family; a family shows its own.
QWidget* CoreShapeWindow::makeDimensions() {
  auto* sizes = new QGroupBox(QStringLiteral("尺寸（半个磁芯，mm）"), this);
  letters_ = new QFormLayout(sizes);
  std::set<std::string> made;
  for (const ShapeFamily& f : shapeFamilies())
    for (const ShapeLetter& l : f.letters) {
      if (!made.insert(l.letter).second) continue;
      auto* edit = new QLineEdit(sizes);
      edit->setObjectName(qs(l.letter));
      edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(12, QLatin1Char('8'))) + 16);
      dimensions_.insert(qs(l.letter), edit);
      letters_->addRow(qs(l.letter), edit);
      connect(edit, &QLineEdit::textChanged, this, &CoreShapeWindow::outOfDate);
      // Typed over, the dimensions are the user's own, no standard shape's.
      connect(edit, &QLineEdit::textEdited, this, [this] {
        const QSignalBlocker quiet(shape_);
        shape_->setCurrentIndex(0);
      });
      connect(edit, &QLineEdit::returnPressed, this, &CoreShapeWindow::calculate);
    }
  return sizes;
}

QWidget* CoreShapeWindow::makeResults() {
  auto* found = new QGroupBox(QStringLiteral("有效参数（一副磁芯）"), this);
  auto* rows = new QFormLayout(found);
  for (std::size_t k = 0; k < shapeResultNames().size(); ++k) {
    QLineEdit* edit = makeResultField(qs(shapeResultNames()[k]), found);
    edit->setAccessibleName(qs(shapeResultCaptions()[k]));
    results_.insert(edit->objectName(), edit);
    rows->addRow(qs(shapeResultCaptions()[k]), edit);
  }
  return found;
}

// The status in words, then 计算, 填入 Ae and 返回.
QLayout* CoreShapeWindow::makeButtons() {
  auto* calculate = makeButton(QStringLiteral("计算"), QStringLiteral("calculate"));
  fill_ = makeButton(QStringLiteral("填入 Ae"), QStringLiteral("fillAe"));
  auto* back = makeBackButton();
  status_ = makeStatus();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  for (QPushButton* b : {calculate, fill_, back}) buttons->addWidget(b);
  connect(calculate, &QPushButton::clicked, this, &CoreShapeWindow::calculate);
  connect(fill_, &QPushButton::clicked, this, &CoreShapeWindow::fillAe);
  return buttons;
}

std::string CoreShapeWindow::family() const { return family_->currentData().toString().toStdString(); }

void CoreShapeWindow::start(CalcWindow* source, const QString& field) {
  source_ = source;
  field_ = field;
  // Closed with its title-bar button, that window is discarded: say at once
  // that Ae has nowhere to go.
  disconnect(sourceClosing_);
  if (source)
    sourceClosing_ = connect(source, &CalcWindow::closing, this, [this] {
      source_ = nullptr;
      refresh();
    });
  target_.clear();
  if (source && source->field(field))
    target_ = qs(source->spec().placedCaption(field.toStdString(), "「", "」") + "（" + source->spec().caption + "）");
  status_->clear();
  refresh();
}

void CoreShapeWindow::chooseFamily(const std::string& family) {
  const ShapeFamily* f = shapeFamily(family);
  if (!f) return;
  {
    const QSignalBlocker quiet(family_);
    family_->setCurrentIndex(family_->findData(qs(family)));
  }
  picture_->setFamily(qs(family));
  std::set<std::string> own;
  for (const ShapeLetter& l : f->letters) {
    own.insert(l.letter);
    QLineEdit* edit = dimensions_.value(qs(l.letter));
    if (auto* label = qobject_cast<QLabel*>(letters_->labelForField(edit))) label->setText(qs(letterCaption(l)));
    edit->setAccessibleName(qs(letterCaption(l)));
  }
  for (auto it = dimensions_.begin(); it != dimensions_.end(); ++it)
    letters_->setRowVisible(it.value(), own.count(it.key().toStdString()) > 0);
  drawingCaption_->setVisible(family == "rm");
  drawing_->setVisible(family == "rm");
  {
    const QSignalBlocker quiet(shape_);
    shape_->clear();
    shape_->addItem(kOwnDimensions);
    for (const CoreChoice& c : coreChoiceList())
      if (c.shape && c.shape->family == family) shape_->addItem(qs(c.name));
  }
  for (QLineEdit* r : results_) r->clear();
  current_ = false;
  status_->clear();
  chooseShape(qs(f->usualShape));
}

void CoreShapeWindow::chooseShape(const QString& name) {
  const CoreShape* shape = standardShape(family(), name.toStdString());
  if (!shape) return;
  const std::map<std::string, std::string> texts = dimensionTexts(*shape);
  for (const ShapeLetter& l : shapeFamily(family())->letters) {
    const auto t = texts.find(l.letter);
    dimensions_.value(qs(l.letter))->setText(t == texts.end() ? QString() : qs(t->second));
  }
  const QSignalBlocker quietShape(shape_), quietDrawing(drawing_);
  shape_->setCurrentIndex(shape_->findText(name));
  if (family() == "rm") drawing_->setCurrentIndex(std::max(0, drawing_->findData(qs(rmDrawingOf(*shape)))));
  outOfDate();
}

void CoreShapeWindow::calculate() {
  std::map<std::string, std::string> texts;
  for (const ShapeLetter& l : shapeFamily(family())->letters)
    texts[l.letter] = dimensions_.value(qs(l.letter))->text().toStdString();
  const ShapeOutcome outcome = computeShape(family(), drawing_->currentData().toString().toStdString(), texts);
  if (!outcome.fault.empty()) {
    refresh();
    QMessageBox::warning(this, qs(faultTitle()), qs(outcome.fault));
    return;
  }
  for (std::size_t k = 0; k < outcome.results.size(); ++k) {
    QLineEdit* r = results_.value(qs(shapeResultNames()[k]));
    r->setText(qs(outcome.results[k]));
    r->setCursorPosition(0);
  }
  current_ = true;
  status_->clear();
  refresh();
}

void CoreShapeWindow::fillAe() {
  QLineEdit* field = source_ ? source_->field(field_) : nullptr;
  const QString ae = results_.value(QStringLiteral("Ae"))->text();
  if (!field || !current_ || ae.isEmpty()) return;
  typeAsUser(field, ae);
  status_->setText(QStringLiteral("已将 Ae %1 填入%2").arg(ae, target_));
}

void CoreShapeWindow::outOfDate() {
  current_ = false;
  refresh();
}

void CoreShapeWindow::refresh() {
  const ShapeFamily* f = shapeFamily(family());
  for (const ShapeLetter& l : f->letters) {
    QLineEdit* edit = dimensions_.value(qs(l.letter));
    const std::string text = edit->text().toStdString();
    const std::optional<std::string> note = leftOut(l, text) ? std::nullopt : readNote(text);
    showLook(edit, note ? Look::ReadAs : Look::Plain);
    edit->setToolTip(qs(l.meaning) + (note ? QStringLiteral("\n") + qs(*note) : QString()));
    edit->setAccessibleDescription(note ? qs(*note) : QString());
  }
  const bool any = !results_.value(QStringLiteral("Ae"))->text().isEmpty();
  for (QLineEdit* r : results_) {
    showLook(r, any && !current_ ? Look::Stale : Look::Plain);
    const QString words = any && !current_ ? QStringLiteral("（已过时：尺寸已改变，请重新计算）") : QString();
    r->setToolTip(r->text().isEmpty() ? QString() : r->text() + words);
    r->setAccessibleDescription(words);
  }
  const bool reachable = source_ && source_->field(field_);
  targetLabel_->setText(reachable ? QStringLiteral("「填入 Ae」填到：") + target_
                        : target_.isEmpty() ? QStringLiteral("本窗口不是从计算窗口的磁芯截面积处打开的，「填入 Ae」无处可填")
                                            : QStringLiteral("打开本窗口的计算窗口已关闭，「填入 Ae」无处可填"));
  fill_->setEnabled(reachable && current_ && any);
}

}  // namespace ombrel
