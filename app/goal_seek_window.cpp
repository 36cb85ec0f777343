// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/goal_seek_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/calc_window.h"
#include "app/looks.h"
#include "app/window_texts.h"
#include "common/marks.h"
#include "sweep/goal_seek.h"
#include "sweep/sweep.h"

namespace ombrel {

namespace {

std::string fieldName(const QComboBox* box) { return box->currentData().toString().toStdString(); }

}  // namespace

GoalSeekWindow::GoalSeekWindow() : SideWindow(dialogFrame(), QStringLiteral("goalseek"), QStringLiteral("反算")) {
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("title"));
  title_->setTextFormat(Qt::PlainText);
  firstResult_ = new QLabel(this);
  firstResult_->setTextFormat(Qt::PlainText);
  target_ = new QLineEdit(this);
  target_->setObjectName(QStringLiteral("target"));
  target2_ = new QLineEdit(this);
  target2_->setObjectName(QStringLiteral("target2"));
  input_ = makeInputs("input");
  result2_ = makeInputs("result2");
  input2_ = makeInputs("input2");
  solved1_ = makeResultField(QStringLiteral("solved"));
  solved2_ = makeResultField(QStringLiteral("solved2"));
  achieved1_ = makeResultField(QStringLiteral("achieved"));
  achieved2_ = makeResultField(QStringLiteral("achieved2"));
  status_ = makeStatus();
  status_->setMinimumHeight(3 * status_->fontMetrics().height());
  QPushButton* solve = makeButton(QStringLiteral("求解"), QStringLiteral("Command1"));
  fill_ = makeButton(QStringLiteral("填入"), QStringLiteral("Command2"));
  QPushButton* back = makeBackButton(QStringLiteral("Command3"));

  // Two columns, one a condition; the rows name what each field holds.
  auto* grid = new QGridLayout;
  const auto caption = [this, grid](int row, const char* text, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setBuddy(buddy);
    grid->addWidget(label, row, 0);
  };
  grid->addWidget(new QLabel(QStringLiteral("条件一"), this), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("条件二（可选）"), this), 0, 2);
  const std::pair<const char*, std::pair<QWidget*, QWidget*>> rows[] = {
      {"结果", {firstResult_, result2_}},      {"目标值", {target_, target2_}},
      {"调整的输入", {input_, input2_}},       {"求得的输入值", {solved1_, solved2_}},
      {"达到的结果", {achieved1_, achieved2_}}};
  int row = 1;
  for (const auto& [text, pair] : rows) {
    caption(row, text, pair.second);
    grid->addWidget(pair.first, row, 1);
    grid->addWidget(pair.second, row, 2);
    if (row == 3) grid->addWidget(solve, ++row, 2, Qt::AlignRight);
    ++row;
  }
  for (auto [edit, text] : {std::pair{target_, "目标值"}, std::pair{target2_, "第二个目标值"},
                            std::pair{solved1_, "求得的输入值"}, std::pair{solved2_, "求得的第二个输入值"},
                            std::pair{achieved1_, "达到的结果"}, std::pair{achieved2_, "达到的第二个结果"}})
    edit->setAccessibleName(QString::fromUtf8(text));
  input_->setAccessibleName(QStringLiteral("调整的输入"));
  input2_->setAccessibleName(QStringLiteral("调整的第二个输入"));
  result2_->setAccessibleName(QStringLiteral("第二个结果"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(fill_);
  buttons->addWidget(back);
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(title_);
  whole->addLayout(grid);
  whole->addWidget(status_);
  whole->addLayout(buttons);

  for (QLineEdit* t : {target_, target2_}) {
    connect(t, &QLineEdit::textChanged, this, &GoalSeekWindow::refresh);
    connect(t, &QLineEdit::returnPressed, this, &GoalSeekWindow::solve);
  }
  connect(input_, &QComboBox::currentIndexChanged, this, [this] {
    if (result2_->currentIndex() > 0) listInputs(input2_, fieldName(result2_), input_->currentData().toString());
  });
  connect(result2_, &QComboBox::currentIndexChanged, this, &GoalSeekWindow::chooseSecond);
  connect(solve, &QPushButton::clicked, this, &GoalSeekWindow::solve);
  connect(fill_, &QPushButton::clicked, this, &GoalSeekWindow::fill);
}

QComboBox* GoalSeekWindow::makeInputs(const char* name) {
  auto* box = new QComboBox(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0.000888888888888888")) + 16);
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return box;
}

void GoalSeekWindow::start(CalcWindow* source, const QString& result) {
  source_ = source;
  result_ = result.toStdString();
  const WindowSpec& spec = source->spec();
  // Closed with its title-bar button, that window is discarded: 填入 has nowhere to go.
  disconnect(sourceClosing_);
  sourceClosing_ = connect(source, &CalcWindow::closing, this, [this] {
    source_ = nullptr;
    refresh();
  });
  title_->setText(qs(spec.placedCaption(result_, "「", "」") + "（" + spec.caption + "）"));
  firstResult_->setText(qs(spec.placedCaption(result_)));
  const QLineEdit* shown = source->field(result);
  target_->setText(qs(defaultTarget(spec, result_, shown ? shown->text().toStdString() : std::string())));
  target_->setCursorPosition(0);
  listInputs(input_, result_, {});
  {
    const QSignalBlocker quiet(result2_);
    result2_->clear();
    result2_->addItem(QStringLiteral("（无）"));
    for (const std::string& r : spec.results())
      if (r != result_) result2_->addItem(qs(spec.placedCaption(r)), qs(r));
  }
  chooseSecond();
  for (QLineEdit* e : {solved1_, solved2_, achieved1_, achieved2_}) e->clear();
  solved_ = false;
  status_->clear();
  refresh();
}

void GoalSeekWindow::listInputs(QComboBox* box, const std::string& result, const QString& other) {
  const QString kept = box->currentData().toString();
  const QSignalBlocker quiet(box);
  box->clear();
  if (!source_) return;
  for (const std::string& in : goalInputs(source_->spec(), result))
    if (qs(in) != other) box->addItem(qs(source_->spec().placedCaption(in)), qs(in));
  box->setCurrentIndex(std::max(0, box->findData(kept)));
}

void GoalSeekWindow::chooseSecond() {
  const bool second = result2_->currentIndex() > 0;
  target2_->setEnabled(second);
  input2_->setEnabled(second);
  if (!second || !source_) {
    // Condition two's values go with it; half of a solution of two is none to fill in.
    for (QLineEdit* e : {target2_, solved2_, achieved2_}) e->clear();
    input2_->clear();
    if (!solvedInput2_.isEmpty()) solved_ = false;
    solvedInput2_.clear();
  } else {
    const QLineEdit* shown = source_->field(result2_->currentData().toString());
    target2_->setText(qs(defaultTarget(source_->spec(), fieldName(result2_),
                                       shown ? shown->text().toStdString() : std::string())));
    target2_->setCursorPosition(0);
    listInputs(input2_, fieldName(result2_), input_->currentData().toString());
  }
  refresh();
}

void GoalSeekWindow::solve() {
  for (QLineEdit* e : {solved1_, solved2_, achieved1_, achieved2_}) e->clear();
  solved_ = false;
  if (!source_) {
    status_->setText(QStringLiteral("打开本窗口的计算窗口已关闭，无从求解"));
    return refresh();
  }
  const WindowSpec& spec = source_->spec();
  if (input_->currentIndex() < 0 || (result2_->currentIndex() > 0 && input2_->currentIndex() < 0)) {
    status_->setText(QStringLiteral("没有能改变这个结果的输入"));
    return refresh();
  }
  const GoalCondition first{result_, target_->text().toStdString(), fieldName(input_)};
  std::optional<GoalCondition> second;
  if (result2_->currentIndex() > 0)
    second = GoalCondition{fieldName(result2_), target2_->text().toStdString(), fieldName(input2_)};
  const GoalSeek found = goalSeek(spec, fieldTexts(*source_), first, second);
  const std::pair<QLineEdit*, const std::string*> shown[] = {
      {solved1_, &found.solved}, {solved2_, &found.solved2}, {achieved1_, &found.achieved}, {achieved2_, &found.achieved2}};
  for (const auto& [edit, text] : shown) {
    edit->setText(qs(*text));
    edit->setCursorPosition(0);
  }
  solved_ = found.found;
  solvedInput_ = qs(first.input);
  solvedInput2_ = second ? qs(second->input) : QString();
  status_->setText(qs(found.status));
  refresh();
}

void GoalSeekWindow::fill() {
  if (!source_ || !solved_) return;
  // Typed as the user would, with the note a paste leaves: 撤销填入 takes
  // both back in one step.
  std::vector<std::pair<std::string, std::string>> inputs;
  for (const auto& [input, text] : {std::pair{solvedInput_, solved1_->text()}, std::pair{solvedInput2_, solved2_->text()}})
    if (source_->field(input) && !text.isEmpty()) inputs.emplace_back(input.toStdString(), text.toStdString());
  source_->fillInputs(inputs);
  status_->setText(QStringLiteral("已填入%1，按「计算」看结果").arg(qs(source_->spec().caption)));
}

void GoalSeekWindow::refresh() {
  for (QLineEdit* t : {target_, target2_}) {
    const std::optional<std::string> note = t->isEnabled() ? readNote(t->text().toStdString()) : std::nullopt;
    showLook(t, note ? Look::ReadAs : Look::Plain);
    t->setToolTip(QStringLiteral("要达到的值，按数字规则读取") + (note ? QStringLiteral("\n") + qs(*note) : QString()));
    t->setAccessibleDescription(note ? qs(*note) : QString());
  }
  fill_->setEnabled(source_ && solved_);
}

}  // namespace ombrel
