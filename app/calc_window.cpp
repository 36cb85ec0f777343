// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calc_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <exception>

#include "app/fonts.h"
#include "app/looks.h"
#include "app/paste_note.h"
#include "app/pictures.h"
#include "app/window_texts.h"
#include "common/calc.h"
#include "common/results_table.h"
#include "common/tooltips.h"

namespace ombrel {
namespace {

QRect pixelRect(const Rect& r) { return QRect(pixels(r.x), pixels(r.y), pixels(r.w), pixels(r.h)); }

// Assistive technology announces a calculator window as a dialog, which is
// what its frame is; a plain widget would be announced as a bare filler.
QAccessibleInterface* accessibleCalcWindow(const QString& className, QObject* object) {
  if (className == QLatin1String(CalcWindow::staticMetaObject.className()) && object && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
  return nullptr;
}

}  // namespace

CalcWindow::CalcWindow(const WindowSpec& spec) : QWidget(nullptr, dialogFrame()), spec_(spec) {
  static const bool accessible = [] {
    QAccessible::installFactory(accessibleCalcWindow);
    return true;
  }();
  (void)accessible;
  setObjectName(qs(spec.name));
  setWindowTitle(qs(spec.caption));
  setFont(songFont());
  setFixedSize(pixels(spec.width), pixels(spec.height));
  if (spec.icon) setWindowIcon(QIcon(QStringLiteral(":/icons/ombrel.png")));

  const bool hasFields = std::any_of(spec_.controls.begin(), spec_.controls.end(),
                                     [](const Control& c) { return c.kind == ControlKind::Field; });
  if (hasFields) addDataActions();
  QHash<QString, QWidget*> byName;
  for (const Control& c : spec_.controls) {
    QWidget* widget = makeControl(c);
    if (!widget) continue;  // a line, drawn by paintEvent
    widget->setObjectName(qs(c.name));
    widget->setGeometry(pixelRect(c.rect));
    if (c.font.points != 9 || c.font.bold) widget->setFont(songFont(c.font.points, c.font.bold));
    byName.insert(qs(c.name), widget);
  }
  nameFieldsByCaptions(byName);
  showMarks();
  chainFocus(byName);
}

// "复制本窗口数据" and "粘贴本窗口数据" with their shortcuts, which work
// wherever the focus is in the window, and "复制全部窗口数据".
void CalcWindow::addDataActions() {
  auto action = [this](const char* text, const QKeySequence& keys, auto done) {
    auto* made = new QAction(QString::fromUtf8(text), this);
    connect(made, &QAction::triggered, this, done);
    if (keys.isEmpty()) return made;
    made->setShortcut(keys);
    made->setShortcutContext(Qt::WindowShortcut);
    addAction(made);
    return made;
  };
  copyAction_ = action("复制本窗口数据", Qt::CTRL | Qt::SHIFT | Qt::Key_C,
                       [this] { QGuiApplication::clipboard()->setText(dataTable()); });
  pasteAction_ = action("粘贴本窗口数据", Qt::CTRL | Qt::SHIFT | Qt::Key_V, [this] { pasteTable(); });
  copyAllAction_ = action("复制全部窗口数据", QKeySequence(), [this] {
    QList<CalcWindow*> windows = peers_ ? peers_() : QList<CalcWindow*>();
    if (!windows.contains(this)) windows << this;
    QGuiApplication::clipboard()->setText(allWindowsTable(windows));
  });
}

QWidget* CalcWindow::makeControl(const Control& c) {
  switch (c.kind) {
    case ControlKind::Label: return makeLabel(c);
    case ControlKind::Field:
      if (c.isChoice()) return makeChoice(c);
      return makeField(c);
    case ControlKind::Button: {
      auto* push = new QPushButton(qs(c.text), this);
      push->setAutoDefault(false);  // Enter and Esc press nothing
      push->setDefault(false);
      connect(push, &QPushButton::clicked, this, [this, &c] { buttonClicked(c); });
      return push;
    }
    case ControlKind::Picture: return makePicture(qs(c.text), c.stretch, this);
    case ControlKind::Line: return nullptr;
  }
  return nullptr;
}

QWidget* CalcWindow::makeLabel(const Control& c) {
  auto* label = new QLabel(qs(c.text), this);
  if (!c.opens.empty()) {  // a left click shows the window it names (eventFilter)
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    clickableLabels_.insert(label, qs(c.opens));
  }
  label->setWordWrap(c.wrap);
  label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* CalcWindow::makeField(const Control& c) {
  auto* edit = new QLineEdit(qs(c.text), this);
  edit->setCursorPosition(0);
  // An empty input reads as 0, and says so in grey; its text stays empty.
  // (or, where the table says what blank means there, that).
  if (c.fieldRole == FieldRole::Input) edit->setPlaceholderText(qs(c.blank.empty() ? readNote("").value_or("") : c.blank));
  if (c.fieldRole == FieldRole::Output) {
    tintAsResult(edit);
    // Typed over, a result is the user's text, no run's.
    connect(edit, &QLineEdit::textEdited, this, [this, &c] { marks_.edited(c.name); });
  }
  // Any text changed may change what the others' marks say.
  connect(edit, &QLineEdit::textChanged, this, [this] {
    if (calculating_) return;
    showMarks();
    emit textsChanged();
  });
  // Qt's own menu with the program's entries, popped up the way Qt pops up its own.
  edit->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& at) {
    QMenu* menu = contextMenu(edit);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(edit->mapToGlobal(at));
  });
  fields_.insert(qs(c.name), edit);
  return edit;
}

QComboBox* CalcWindow::makeChoice(const Control& c) {
  auto* box = new QComboBox(this);
  box->setMaxVisibleItems(24);
  choices_.insert(qs(c.name), box);
  fillChoice(c, qs(c.text));
  connect(box, &QComboBox::currentTextChanged, this, [this, &c] {
    // The lists that follow this one offer what goes with its new item.
    for (const Control& other : spec_.controls)
      if (other.isChoice() && other.choices->follows == c.name) fillChoice(other, QString());
    if (calculating_) return;
    showMarks();
    emit textsChanged();
  });
  return box;
}

void CalcWindow::fillChoice(const Control& c, const QString& wanted) {
  QComboBox* box = choice(qs(c.name));
  const ChoiceList& list = *c.choices;
  const std::string by = list.follows.empty() ? std::string() : text(qs(list.follows)).toStdString();
  QStringList items;
  for (const std::string& item : list.itemsFor(by)) items << qs(item);
  QString chosen = wanted;
  if (!items.contains(chosen)) {
    const auto first = list.first.find(by);
    chosen = first != list.first.end() ? qs(first->second) : items.value(0);
  }
  const QString before = box->currentText();
  {
    const QSignalBlocker quiet(box);  // one change signal, below, for the whole refill
    box->clear();
    box->addItems(items);
    for (int i = 0; i < box->count(); ++i)
      if (const auto tip = list.tips.find(box->itemText(i).toStdString()); tip != list.tips.end())
        box->setItemData(i, qs(tip->second), Qt::ToolTipRole);
    box->setCurrentIndex(int(items.indexOf(chosen)));
  }
  if (box->currentText() != before) emit box->currentTextChanged(box->currentText());
}

QString CalcWindow::text(const QString& name) const {
  if (const QComboBox* box = choice(name)) return box->currentText();
  if (const QLineEdit* edit = field(name)) return edit->text();
  return {};
}

// Each caption names its field, also for assistive tools.
void CalcWindow::nameFieldsByCaptions(const QHash<QString, QWidget*>& byName) {
  for (const Control& c : spec_.controls) {
    if (c.kind != ControlKind::Label || c.buddy.empty()) continue;
    auto* label = static_cast<QLabel*>(byName.value(qs(c.name)));
    if (QWidget* buddy = byName.value(qs(c.buddy))) {
      label->setBuddy(buddy);
      buddy->setAccessibleName(qs(c.text));
      captions_.insert(qs(c.buddy), label);
    }
  }
}

void CalcWindow::chainFocus(const QHash<QString, QWidget*>& byName) {
  QWidget* previous = nullptr;
  for (const std::string& name : spec_.focus) {
    QWidget* w = byName.value(qs(name));
    if (!w) continue;
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
  if (!spec_.focus.empty())
    if (QWidget* first = byName.value(qs(spec_.focus.front()))) first->setFocus();
}

QString CalcWindow::dataTable() const {
  return qs(resultsTable(spec_, WidgetFields(*this), marks_, titleIfOwn()));
}

std::string CalcWindow::titleIfOwn() const {
  const std::string title = windowTitle().toStdString();
  return title == spec_.caption ? std::string() : title;
}

WindowSet CalcWindow::windowSet() const {
  WindowSet set{{}, marks_};
  const WidgetFields fields(*this);
  for (const Control& c : spec_.controls)
    if (c.kind == ControlKind::Field) set.texts[c.name] = fields.text(c.name);
  return set;
}

void CalcWindow::showSet(const WindowSet& set, const QString& title) {
  calculating_ = true;  // no mark follows each text: the set's marks come whole
  WidgetFields fields(*this);
  for (const Control& c : spec_.controls)  // in table order: a list before the one that follows it
    if (const auto it = set.texts.find(c.name); c.kind == ControlKind::Field && it != set.texts.end())
      fields.setText(c.name, it->second);
  calculating_ = false;
  marks_ = set.marks;
  if (note_) note_->hide();
  setWindowTitle(title);
  showMarks();
  emit textsChanged();
}

FieldMark CalcWindow::markOf(const QString& field) const {
  return marks_.mark(spec_, WidgetFields(*this), field.toStdString());
}

void CalcWindow::pasteTable() {
  const PastedTable pasted = readTable(spec_, QGuiApplication::clipboard()->text().toStdString());
  fillAndNote(pasted, qs(pasteNote(spec_, pasted)), QStringLiteral("撤销粘贴"));
}

void CalcWindow::fillInputs(const std::vector<std::pair<std::string, std::string>>& inputs) {
  PastedTable table;
  table.inputs = inputs;
  fillAndNote(table, QStringLiteral("已填入 %1 个输入").arg(inputs.size()), QStringLiteral("撤销填入"));
}

void CalcWindow::fillAndNote(const PastedTable& table, const QString& words, const QString& undoText) {
  // Each input as typing would change it: the whole text replaced, undoable.
  WidgetFields typing(*this, WidgetFields::AsUser);
  const PasteStep step = applyPaste(table, typing);
  std::function<void()> undo;
  if (!step.fills.empty())
    undo = [this, step] {
      WidgetFields typing(*this, WidgetFields::AsUser);
      undoPaste(step, typing);
    };
  // Below the field with the focus, or at the window's top. Taken back, the
  // focus returns where it was, never into a result: there the first input.
  if (!note_) note_ = new PasteNote(this);
  auto* focused = qobject_cast<QLineEdit*>(focusWidget());
  const bool ours = focused && fields_.values().contains(focused);
  QWidget* back = focusWidget();
  if (ours) {
    const Control* c = spec_.find(focused->objectName().toStdString());
    if (c && c->fieldRole == FieldRole::Output) back = firstInput();
  }
  note_->say(words, ours ? focused : nullptr, std::move(undo), undoText, back);
}

QWidget* CalcWindow::firstInput() const {
  for (const std::string& name : spec_.focus)
    if (const Control* c = spec_.find(name); c && c->kind == ControlKind::Field && c->fieldRole == FieldRole::Input)
      if (QWidget* w = c->isChoice() ? static_cast<QWidget*>(choice(qs(name))) : field(qs(name))) return w;
  return nullptr;
}

QMenu* CalcWindow::contextMenu(QLineEdit* field) {
  return menuMaker_ ? menuMaker_(*this, field) : field->createStandardContextMenu();
}

void CalcWindow::buttonClicked(const Control& button) {
  switch (button.buttonRole) {
    case ButtonRole::Calculate: calculate(button); break;
    case ButtonRole::Return: emit returnPressed(false); break;
    case ButtonRole::ReturnShowMain: emit returnPressed(true); break;
    case ButtonRole::Show: emit showWanted(qs(button.opens)); break;
  }
}

void CalcWindow::calculate(const Control& button) {
  WidgetFields fields(*this);
  std::optional<Fault> fault;
  std::vector<Step> steps;
  calculating_ = true;
  try {
    fault = press(button, fields, &steps);
  } catch (const std::exception& e) {
    calculating_ = false;
    showMarks();
    // A fault in the program itself, not in the numbers: say so and go on.
    QMessageBox::critical(this, QStringLiteral("程序错误"), QString::fromUtf8(e.what()));
    return;
  }
  calculating_ = false;
  // The marks show before the box does.
  marks_.pressed(button, fault, steps);
  showMarks();
  emit textsChanged();
  if (fault)
    QMessageBox::warning(this, qs(faultTitle()), qs(faultMessage(spec_, *fault)));
}

void CalcWindow::showMarks() {
  const WidgetFields fields(*this);
  for (const Control& c : spec_.controls) {
    if (QComboBox* box = choice(qs(c.name))) {
      const QString tip = tipHtml(inputTip(spec_, c, {}, {}));
      box->setToolTip(tip);
      if (QLabel* label = captions_.value(qs(c.name))) label->setToolTip(tip);
      continue;
    }
    QLineEdit* edit = c.kind == ControlKind::Field ? field(qs(c.name)) : nullptr;
    if (!edit) continue;
    const FieldMark mark = marks_.mark(spec_, fields, c.name);
    showLook(edit, mark.look);
    edit->setAccessibleDescription(qs(mark.description));
    const std::string text = edit->text().toStdString();
    const std::optional<std::string> check =
        c.fieldRole == FieldRole::Input && c.check ? c.check(fields) : std::nullopt;
    const QString tip = tipHtml(c.fieldRole == FieldRole::Input
                                    ? inputTip(spec_, c, mark.note, widerThanField(edit) ? text : std::string(),
                                               check.value_or(""))
                                    : outputTip(c, text, mark.note));
    if (edit->toolTip() != tip) {
      edit->setToolTip(tip);
      if (QLabel* label = captions_.value(qs(c.name))) label->setToolTip(tip);
    }
  }
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && clickableLabels_.contains(watched) &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit showWanted(clickableLabels_.value(watched));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void CalcWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closing();
}

void CalcWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  for (const Control& c : spec_.controls)
    if (c.kind == ControlKind::Line)
      painter.drawLine(pixels(c.rect.x), pixels(c.rect.y), pixels(c.rect.x + c.rect.w),
                       pixels(c.rect.y + c.rect.h));
}

}  // namespace ombrel
