// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sweep_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/calc_window.h"
#include "app/chart.h"
#include "app/looks.h"
#include "app/window_texts.h"
#include "common/number.h"

namespace ombrel {

SweepWindow::SweepWindow() : SideWindow(Qt::Window, QStringLiteral("sweep")) {
  resize(960, 600);

  swept_ = new QLabel(this);
  swept_->setObjectName(QStringLiteral("input"));
  from_ = new QLineEdit(this);
  to_ = new QLineEdit(this);
  points_ = new QLineEdit(this);
  from_->setObjectName(QStringLiteral("from"));
  to_->setObjectName(QStringLiteral("to"));
  points_->setObjectName(QStringLiteral("points"));
  log_ = new QCheckBox(QStringLiteral("对数刻度"), this);
  log_->setObjectName(QStringLiteral("log"));
  auto* calculate = makeButton(QStringLiteral("计算"), QStringLiteral("calculate"));
  results_ = new QListWidget(this);
  results_->setObjectName(QStringLiteral("results"));
  results_->setMaximumWidth(230);
  results_->setWordWrap(true);
  results_->setTextElideMode(Qt::ElideNone);
  auto* all = makeButton(QStringLiteral("全选"), QStringLiteral("all"));
  auto* none = makeButton(QStringLiteral("全不选"), QStringLiteral("none"));
  chart_ = new Chart(this);
  chart_->setObjectName(QStringLiteral("chart"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("status"));
  status_->setTextFormat(Qt::PlainText);
  auto* copy = makeButton(QStringLiteral("复制数据"), QStringLiteral("copy"));
  auto* back = makeBackButton();

  auto* range = new QHBoxLayout;
  for (auto [text, field] : {std::pair{"从", from_}, std::pair{"到", to_}, std::pair{"点数", points_}}) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setBuddy(field);
    field->setAccessibleName(label->text());
    range->addWidget(label);
    range->addWidget(field);
    // Enter calculates: this window is no window of the design.
    connect(field, &QLineEdit::returnPressed, this, &SweepWindow::calculate);
  }
  range->addWidget(log_);
  range->addWidget(calculate);
  auto* choose = new QHBoxLayout;
  choose->addWidget(all);
  choose->addWidget(none);
  auto* side = new QVBoxLayout;
  side->addWidget(results_, 1);
  side->addLayout(choose);
  auto* body = new QHBoxLayout;
  body->addLayout(side);
  body->addWidget(chart_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(copy);
  bottom->addWidget(back);
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(swept_);
  whole->addLayout(range);
  whole->addLayout(body, 1);
  whole->addLayout(bottom);

  copy_ = new QAction(QStringLiteral("复制数据"), this);
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copy_->setShortcutContext(Qt::WindowShortcut);
  addAction(copy_);
  connect(copy_, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(table()); });
  connect(copy, &QPushButton::clicked, copy_, &QAction::trigger);
  connect(calculate, &QPushButton::clicked, this, &SweepWindow::calculate);
  connect(results_, &QListWidget::itemChanged, this, [this] {
    rememberChoice();
    redraw();
  });
  connect(all, &QPushButton::clicked, this, [this] { checkAll(Qt::Checked); });
  connect(none, &QPushButton::clicked, this, [this] { checkAll(Qt::Unchecked); });
}

void SweepWindow::checkAll(Qt::CheckState state) {
  {
    const QSignalBlocker quiet(results_);
    for (int k = 0; k < results_->count(); ++k) results_->item(k)->setCheckState(state);
  }
  rememberChoice();
  redraw();
}

void SweepWindow::rememberChoice() {
  if (!spec_) return;
  std::set<std::string>& chosen = choices_[spec_->name + "." + input_];
  chosen.clear();
  for (int k = 0; k < results_->count(); ++k)
    if (results_->item(k)->checkState() == Qt::Checked) chosen.insert(sweep_.results.at(std::size_t(k)));
}

void SweepWindow::start(CalcWindow* source, const std::string& input) {
  source_ = source;
  spec_ = &source->spec();
  input_ = input;
  setWindowTitle(QStringLiteral("参数扫描 — ") + qs(spec_->caption));
  swept_->setText(QStringLiteral("扫描：") + qs(sweepName(*spec_, input)) + QStringLiteral("　（") +
                  qs(spec_->caption) + QStringLiteral("）"));
  // A new sweep shows nothing of the last one, whatever its range.
  sweep_ = {};
  sweep_.results = spec_->results();
  chart_->setX(qs(sweepName(*spec_, input)), {}, {}, false);
  chart_->setSeries({}, false);
  // The results the input reaches are checked, or the choice made for this sweep before.
  const std::string key = spec_->name + "." + input_;
  if (!choices_.count(key)) {
    const std::vector<std::string> reach = spec_->reach(input_);
    choices_[key] = std::set<std::string>(reach.begin(), reach.end());
  }
  {
    const QSignalBlocker quiet(results_);
    results_->clear();
    for (const std::string& r : sweep_.results) {
      auto* item = new QListWidgetItem(qs(sweepName(*spec_, r)), results_);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(choices_[key].count(r) ? Qt::Checked : Qt::Unchecked);
    }
  }
  points_->setText(QStringLiteral("31"));
  log_->setChecked(false);
  const auto range = defaultRange(*spec_, input, source->field(qs(input))->text().toStdString());
  if (const std::string* why = std::get_if<std::string>(&range)) {
    from_->clear();
    to_->clear();
    status_->setText(qs(*why) + QStringLiteral("。"));
    return;
  }
  from_->setText(qs(std::get<0>(range).first));
  to_->setText(qs(std::get<0>(range).second));
  calculate();
}

void SweepWindow::calculate() {
  if (!spec_) return;
  const auto range = sweepRange(from_->text().toStdString(), to_->text().toStdString(),
                                points_->text().toStdString(), log_->isChecked());
  if (const std::string* message = std::get_if<std::string>(&range)) {
    status_->setText(qs(*message) + (sweep_.x.empty() ? QStringLiteral("。") : QStringLiteral("；图表保持上次的结果。")));
    return;
  }
  if (source_) texts_ = fieldTexts(*source_);
  range_ = std::get<SweepRange>(range);
  sweep_ = sweep(*spec_, texts_, input_, range_);
  QString status = QStringLiteral("%1 个点").arg(sweep_.x.size());
  if (sweep_.faulted)
    status += QStringLiteral("，其中 %1 个点计算出错（首个在 %2 = %3），图中留空")
                  .arg(sweep_.faulted)
                  .arg(qs(sweepName(*spec_, input_)), qs(sweep_.xTexts[*sweep_.firstFault]));
  else
    status += QStringLiteral("，全部算出");
  status_->setText(status + QStringLiteral("。"));
  redraw();
}

void SweepWindow::redraw() {
  if (!spec_ || sweep_.x.empty()) return;
  std::vector<QString> xTexts;
  for (const std::string& t : sweep_.xTexts) xTexts.push_back(qs(t));
  chart_->setX(qs(sweepName(*spec_, input_)), sweep_.x, std::move(xTexts), range_.log);
  std::vector<Chart::Series> series;
  for (int k = 0; k < results_->count(); ++k) {
    if (results_->item(k)->checkState() != Qt::Checked) continue;
    Chart::Series s{results_->item(k)->text(), {}, {}, std::size_t(k)};  // its look whatever else is ticked
    for (const auto& row : sweep_.texts) {
      const std::string& text = row[std::size_t(k)];
      s.y.push_back(text.empty() ? std::nullopt : std::optional<double>(NumberFromText(text)));
      s.yTexts.push_back(qs(text));
    }
    series.push_back(std::move(s));
  }
  // One result keeps its axis in its unit; several have no unit in common.
  const bool own = series.size() > 1;
  chart_->setSeries(std::move(series), own);
}

QString SweepWindow::table() const {
  return spec_ ? qs(sweepTable(*spec_, input_, sweep_)) : QString();
}

}  // namespace ombrel
