// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/bode_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "app/calc_window.h"
#include "app/chart.h"
#include "app/looks.h"
#include "app/window_texts.h"
#include "common/number.h"
#include "loop/loop_response.h"
#include "transformer/flyback_zero.h"

namespace ombrel {

namespace {

// The copied table with no points: its header alone.
QString headerOnly() { return qs(bodeTable({}, std::nullopt, std::nullopt, {})); }

// "计算值" or a series by its name.
std::optional<ESeries> seriesNamed(const QString& name) {
  for (const ESeries s : {ESeries::E6, ESeries::E12, ESeries::E24, ESeries::E96})
    if (name == qs(seriesName(s))) return s;
  return std::nullopt;
}

QString text(double v) { return qs(TextFromNumber(v)); }

}  // namespace

BodeWindow::BodeWindow() : SideWindow(Qt::Window, QStringLiteral("bode"), QStringLiteral("环路频率响应")) {
  resize(980, 800);
  auto* model = new QLabel(QStringLiteral("按本窗口的模型：功率级为单极点加输出电容 ESR 零点"), this);
  model->setObjectName(QStringLiteral("model"));
  model->setToolTip(QStringLiteral("T = Gps·Gc；Gps = G·(1 + s/ωz)/(1 + s/ωp)，有右半平面零点时再乘 (1 − s/ωr)；\n"
                                   "Gc = (1 + s·R3·C1)/(s·R1·(C1 + C2)·(1 + s·R3·C1·C2/(C1 + C2)))，"
                                   "反相放大器的负号不计（调制器再反相一次）"));
  frhp_ = new QLineEdit(this);
  frhp_->setObjectName(QStringLiteral("frhp"));
  frhp_->setToolTip(QStringLiteral(
      "右半平面零点 fr（kHz），不填则不计。\n"
      "连续导通（CCM）的反激和升压变换器有这样一个零点：增益像零点一样抬升，相位却像极点一样滞后，\n"
      "所以穿越频率须远低于它，通常取 fr 的五分之一以下。"));
  series_ = new QComboBox(this);
  series_->setObjectName(QStringLiteral("series"));
  series_->addItems({QStringLiteral("计算值"), QStringLiteral("E6"), QStringLiteral("E12"), QStringLiteral("E24"),
                     QStringLiteral("E96")});
  r3_ = makeResultField(QStringLiteral("R3"), nullptr,
                        QStringLiteral("所用的 R3（kΩ）：计算值，或所选系列中最近的标准值"));
  c1_ = makeResultField(QStringLiteral("C1"), nullptr, QStringLiteral("所用的 C1（nF）"));
  c2_ = makeResultField(QStringLiteral("C2"), nullptr, QStringLiteral("所用的 C2（nF）"));
  fc_ = makeResultField(QStringLiteral("fc"), nullptr,
                        QStringLiteral("|T| 首次由大于 1 降到小于 1 的频率：从 1E-06 kHz 起每十倍频 50 点找到所在区间，\n"
                                       "再按几何平均二分到相邻的双精度数，显示 15 位有效数字"));
  pm_ = makeResultField(QStringLiteral("pm"), nullptr,
                        QStringLiteral("相位裕度 = 180° + ∠T(j2π·fc)；相位由低频积分器的 −90° 起，逐个环节连续累加，\n"
                                       "按 fc 算出，约 13 位有效数字可信"));
  status_ = makeStatus();
  // Each chart its axes titled with their units, and short enough that the
  // window fits a small screen.
  gain_ = new Chart(this);
  gain_->setObjectName(QStringLiteral("gain"));
  gain_->setYTitle(QStringLiteral("增益(dB)"));
  phase_ = new Chart(this);
  phase_->setObjectName(QStringLiteral("phase"));
  phase_->setYTitle(QStringLiteral("相位(°)"));
  for (Chart* c : {gain_, phase_}) c->setMinimumHeight(200);

  // A caption beside its field, naming it for assistive technology.
  const auto captioning = [this](const char* caption, QWidget* field) {
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setBuddy(field);
    field->setAccessibleName(label->text());
    return label;
  };
  // The window's own choices on one line; below them the parts used, then
  // what they give.
  auto* choices = new QHBoxLayout;
  for (const auto& [caption, field] :
       {std::pair<const char*, QWidget*>{"右半平面零点(kHz)（可不填）", frhp_}, {"元件取值", series_}}) {
    choices->addWidget(captioning(caption, field));
    choices->addWidget(field, 1);
  }
  auto* grid = new QGridLayout;
  const std::pair<const char*, QWidget*> cells[] = {{"R3(kΩ)", r3_},        {"C1(nF)", c1_},      {"C2(nF)", c2_},
                                                    {"穿越频率(kHz)", fc_}, {"相位裕度(°)", pm_}};
  for (int k = 0; k < int(std::size(cells)); ++k) {
    grid->addWidget(captioning(cells[k].first, cells[k].second), k / 3, (k % 3) * 2);
    grid->addWidget(cells[k].second, k / 3, (k % 3) * 2 + 1);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  QPushButton* copy = makeButton(QStringLiteral("复制数据"), QStringLiteral("copy"));
  buttons->addWidget(copy);
  buttons->addWidget(makeBackButton());
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(model);
  whole->addLayout(choices);
  whole->addLayout(grid);
  whole->addWidget(gain_, 1);
  whole->addWidget(phase_, 1);
  whole->addLayout(buttons);

  connect(frhp_, &QLineEdit::textChanged, this, &BodeWindow::redraw);
  frhp_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(frhp_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const std::unique_ptr<QMenu> menu(zeroMenu());
    menu->exec(frhp_->mapToGlobal(at));
  });
  connect(series_, &QComboBox::currentIndexChanged, this, &BodeWindow::redraw);
  connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(table_); });
  table_ = headerOnly();
}

void BodeWindow::start(CalcWindow* source, std::function<CalcWindow*()> flyback) {
  disconnect(follow_);
  disconnect(closing_);
  source_ = source;
  flyback_ = std::move(flyback);
  follow_ = connect(source, &CalcWindow::textsChanged, this, &BodeWindow::redraw);
  closing_ = connect(source, &CalcWindow::closing, this, [this] {
    source_ = nullptr;
    clear(QStringLiteral("环路控制窗口已关闭"));
  });
  redraw();
}

QMenu* BodeWindow::zeroMenu() {
  QMenu* menu = frhp_->createStandardContextMenu();
  menu->addSeparator();
  menu->setToolTipsVisible(true);
  const QString entry = QStringLiteral("由「反激变压器」算出");
  CalcWindow* flyback = flyback_ ? flyback_() : nullptr;
  std::optional<WidgetFields> texts;
  if (flyback) texts.emplace(*flyback);
  const auto zero = flybackRhpZero(texts ? WindowTexts{&flyback->spec(), &*texts, &flyback->marks()} : WindowTexts{});
  if (const std::string* why = std::get_if<std::string>(&zero)) {
    QAction* none = menu->addAction(entry + QStringLiteral("（") + qs(*why) + QStringLiteral("）"));
    none->setEnabled(false);
    return menu;
  }
  const FlybackZero& z = std::get<FlybackZero>(zero);
  QAction* take = menu->addAction(entry);
  take->setToolTip(tipHtml(z.figures));
  connect(take, &QAction::triggered, frhp_, [field = frhp_, text = text(z.fr)] { typeAsUser(field, text); });
  return menu;
}

void BodeWindow::clear(const QString& why) {
  for (QLineEdit* e : {r3_, c1_, c2_, fc_, pm_}) e->clear();
  for (Chart* c : {gain_, phase_}) {
    c->setX(QStringLiteral("频率(kHz)"), {}, {}, true);
    c->setSeries({}, false);
  }
  table_ = headerOnly();
  status_->setText(why);
}

void BodeWindow::redraw() {
  if (!source_) return clear(QStringLiteral("环路控制窗口已关闭"));
  const auto read = loopParts(source_->spec(), WidgetFields(*source_), source_->marks());
  if (const std::string* why = std::get_if<std::string>(&read)) return clear(qs(*why));
  const auto zero = rhpZero(frhp_->text().toStdString());
  if (const std::string* why = std::get_if<std::string>(&zero)) return clear(qs(*why));
  const std::optional<double> fr = std::get<std::optional<double>>(zero);
  const LoopParts computed = std::get<LoopParts>(read);
  const std::optional<ESeries> series = seriesNamed(series_->currentText());
  const LoopParts used = series ? standardParts(computed, *series) : computed;

  for (auto [edit, value] : {std::pair{r3_, used.r3}, std::pair{c1_, used.c1}, std::pair{c2_, used.c2}}) {
    edit->setText(text(value));
    edit->setCursorPosition(0);
  }
  const std::optional<Crossover> cross = crossover(used, fr);
  fc_->setText(cross ? text(cross->fc) : QString());
  pm_->setText(cross ? text(cross->pm) : QString());
  status_->setText(cross ? QString() : QStringLiteral("|T| 在 1E-06 kHz 到 1E+09 kHz 之间不穿越 0 dB"));

  // The table "复制数据" copies, and the points drawn.
  const std::vector<double> f = bodeFrequencies(computed);
  const std::vector<BodeRow> rows = bodeRows(computed, series ? std::optional(used) : std::nullopt, fr, f);
  table_ = qs(bodeTable(rows));
  std::vector<QString> fTexts;
  Chart::Series loop{QStringLiteral("T（计算值）"), {}, {}, 0}, standard{"T（" + series_->currentText() + "）", {}, {}, 1},
      stage{QStringLiteral("功率级"), {}, {}, 2, true}, comp{QStringLiteral("补偿器"), {}, {}, 3, true};
  std::vector<Chart::Series> gains = {loop, standard, stage, comp}, phases = gains;
  for (const BodeRow& row : rows) {
    const LoopAt& a = row.computed;
    // Without a series the standard curve is dropped below.
    const Gain values[] = {a.loop, row.standard ? row.standard->loop : a.loop, a.stage, a.compensator};
    fTexts.push_back(text(row.f));
    for (std::size_t n = 0; n < 4; ++n) {
      // Where the mouse rests, either plot shows the gain and the phase.
      const QString both = text(values[n].db) + QStringLiteral(" dB，") + text(values[n].deg) + QStringLiteral("°");
      gains[n].y.push_back(values[n].db);
      gains[n].yTexts.push_back(both);
      phases[n].y.push_back(values[n].deg);
      phases[n].yTexts.push_back(both);
    }
  }
  if (!series) {
    gains.erase(gains.begin() + 1);
    phases.erase(phases.begin() + 1);
  }
  for (auto [chart, list, guide] : {std::tuple{gain_, &gains, 0.0}, std::tuple{phase_, &phases, -180.0}}) {
    chart->setX(QStringLiteral("频率(kHz)"), f, fTexts, true);
    chart->setSeries(std::move(*list), false);
    chart->setGuides({guide}, cross ? std::vector<double>{cross->fc} : std::vector<double>{});
  }
}

}  // namespace ombrel
