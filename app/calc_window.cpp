// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calc_window.h"

#include <QAccessible>
#include <QApplication>
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#ifdef OMBREL_HAVE_SVG
#include <QSvgRenderer>
#endif
#include <algorithm>
#include <cmath>
#include <exception>

#include "app/field_menu.h"
#include "app/fonts.h"
#include "common/calc.h"
#include "common/marks.h"
#include "common/results_table.h"
#include "common/tooltips.h"

namespace ombrel {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Tooltips go out as rich text holding the plain text escaped, kept line for
// line and blank for blank: an output's tooltip starts with whatever was
// typed there, and Qt would take a leading tag for markup.
QString tipHtml(const std::string& plain) {
  return QStringLiteral("<p style=\"white-space:pre\">") + qs(plain).toHtmlEscaped() + QStringLiteral("</p>");
}

// Results are drawn on a light tint of the highlight colour over the field
// background, the same in every window, so that what to read stands apart
// from what to type. A result left from an earlier run has its text halfway
// to that background. With the usual palette: black on #E6F1F8, and #5C6063
// for a left-over result, a contrast above 5 : 1.
QColor mixed(const QColor& a, const QColor& b, double bShare) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - bShare) + b.redF() * bShare),
                          static_cast<float>(a.greenF() * (1 - bShare) + b.greenF() * bShare),
                          static_cast<float>(a.blueF() * (1 - bShare) + b.blueF() * bShare));
}
QColor resultBase(const QPalette& p) { return mixed(p.color(QPalette::Base), p.color(QPalette::Highlight), 0.12); }
QColor staleText(const QPalette& p) { return mixed(p.color(QPalette::Text), resultBase(p), 0.4); }
// An input read otherwise than it reads (underlined, dark amber) and an
// impossible result (bold, underlined, dark red): never colour alone, and
// above 5 : 1 on either ground.
const QColor kReadAsText(0x7a, 0x43, 0x00), kImpossibleText(0xa0, 0x10, 0x18);

QRect pixelRect(const Rect& r) { return QRect(pixels(r.x), pixels(r.y), pixels(r.w), pixels(r.h)); }

// Assistive technology announces a calculator window as a dialog, which is
// what its frame is; a plain widget would be announced as a bare filler.
QAccessibleInterface* accessibleCalcWindow(const QString& className, QObject* object) {
  if (className == QLatin1String(CalcWindow::staticMetaObject.className()) && object && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
  return nullptr;
}

#ifdef OMBREL_HAVE_SVG
// A vector picture drawn into its whole box, crisp at any screen scale. The
// renderer is the widget's child, so the picture can be checked by finding it.
class SvgPicture : public QWidget {
 public:
  SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent) {
    // The pictures name one Song face; where it is missing, their labels
    // take the faces the windows' own texts use.
    static const bool substituted = [] {
      QStringList faces = songFont().families();
      faces.removeAll(QStringLiteral("AR PL UMing CN"));
      QFont::insertSubstitutions(QStringLiteral("AR PL UMing CN"), faces);
      return true;
    }();
    Q_UNUSED(substituted);
    renderer_ = new QSvgRenderer(resource, this);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    renderer_->render(&painter, QRectF(rect()));
  }

 private:
  QSvgRenderer* renderer_ = nullptr;
};
#else
// Without Qt Svg: the picture rendered at build time from the same SVG, at
// its box's size and twice that, the one that suits the screen drawn into
// the whole box. ":/pictures/huanlu.svg" -> ":/pictures/huanlu.png", "...@2x.png".
class SvgPicture : public QWidget {
 public:
  SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent) {
    const QString base = resource.chopped(4);
    one_ = QPixmap(base + QStringLiteral(".png"));
    two_ = QPixmap(base + QStringLiteral("@2x.png"));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), devicePixelRatioF() > 1 ? two_ : one_);
  }

 private:
  QPixmap one_, two_;
};
#endif

}  // namespace

Qt::WindowFlags dialogFrame() {
  // Customised, so that the window manager is told exactly this: a title
  // with its close button (Windows draws that button only with the system
  // menu), of fixed size, no minimise or maximise button.
  return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

void showLook(QLineEdit* edit, Look look) {
  const QPalette window = edit->window()->palette();
  QFont font = edit->font();
  font.setItalic(look == Look::Stale);
  font.setUnderline(look == Look::ReadAs || look == Look::Impossible);
  font.setBold(look == Look::Impossible);
  if (font != edit->font()) edit->setFont(font);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, look == Look::Stale        ? staleText(window)
                                   : look == Look::ReadAs     ? kReadAsText
                                   : look == Look::Impossible ? kImpossibleText
                                                              : window.color(QPalette::Text));
  if (palette != edit->palette()) edit->setPalette(palette);
}

void tintAsResult(QLineEdit* edit) {
  QPalette tinted = edit->palette();
  tinted.setColor(QPalette::Base, resultBase(tinted));
  edit->setPalette(tinted);
}

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

std::string WidgetFields::text(const std::string& name) const { return box(name)->text().toStdString(); }

void WidgetFields::setText(const std::string& name, const std::string& text) {
  QLineEdit* edit = box(name);
  edit->setText(qs(text));
  edit->setCursorPosition(0);  // a long result shows its leading digits
}

QLineEdit* WidgetFields::box(const std::string& name) const {
  QLineEdit* edit = window_.field(qs(name));
  if (!edit) throw std::logic_error("no field " + name);
  return edit;
}

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
  build();
}

void CalcWindow::build() {
  QHash<QString, QWidget*> byName;
  const bool hasFields = std::any_of(spec_.controls.begin(), spec_.controls.end(),
                                     [](const Control& c) { return c.kind == ControlKind::Field; });
  if (hasFields) {
    copyAction_ = new QAction(QStringLiteral("复制本窗口数据"), this);
    copyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAction_->setShortcutContext(Qt::WindowShortcut);
    connect(copyAction_, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(dataTable()); });
    addAction(copyAction_);  // the shortcut works wherever the focus is in the window
    pasteAction_ = new QAction(QStringLiteral("粘贴本窗口数据"), this);
    pasteAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    pasteAction_->setShortcutContext(Qt::WindowShortcut);
    connect(pasteAction_, &QAction::triggered, this, &CalcWindow::pasteTable);
    addAction(pasteAction_);
    copyAllAction_ = new QAction(QStringLiteral("复制全部窗口数据"), this);
    connect(copyAllAction_, &QAction::triggered, this, [this] {
      QList<CalcWindow*> windows = peers_ ? peers_() : QList<CalcWindow*>();
      if (!windows.contains(this)) windows << this;
      QGuiApplication::clipboard()->setText(allWindowsTable(windows));
    });
  }
  for (const Control& c : spec_.controls) {
    QWidget* widget = nullptr;
    switch (c.kind) {
      case ControlKind::Label: {
        auto* label = new QLabel(qs(c.text), this);
        label->setWordWrap(c.wrap);
        label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        if (!c.opens.empty()) {
          label->setCursor(Qt::PointingHandCursor);
          label->installEventFilter(this);
          clickableLabels_.insert(label, qs(c.opens));
        }
        widget = label;
        break;
      }
      case ControlKind::Field: {
        auto* edit = new QLineEdit(qs(c.text), this);
        edit->setCursorPosition(0);
        if (c.fieldRole == FieldRole::Output) {
          tintAsResult(edit);
          // Typed over, a result is the user's text, no run's.
          connect(edit, &QLineEdit::textEdited, this, [this, &c] { marks_.edited(c.name); });
        }
        // Any text changed may change what the others' marks say.
        connect(edit, &QLineEdit::textChanged, this, [this] {
          if (!calculating_) showMarks();
        });
        // Qt's own menu with one entry more, popped up the way Qt pops up its own.
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& at) {
          QMenu* menu = contextMenu(edit);
          menu->setAttribute(Qt::WA_DeleteOnClose);
          menu->popup(edit->mapToGlobal(at));
        });
        fields_.insert(qs(c.name), edit);
        widget = edit;
        break;
      }
      case ControlKind::Button: {
        auto* push = new QPushButton(qs(c.text), this);
        push->setAutoDefault(false);  // Enter and Esc press nothing
        push->setDefault(false);
        connect(push, &QPushButton::clicked, this, [this, &c] { buttonClicked(c); });
        widget = push;
        break;
      }
      case ControlKind::Picture: {
        if (qs(c.text).endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
          // Drawn to fill its box whether stretched or at its own size: the
          // box of an own-size picture is that size.
          widget = new SvgPicture(qs(c.text), this);
          break;
        }
        auto* image = new QLabel(this);
        image->setPixmap(QPixmap(qs(c.text)));
        image->setScaledContents(c.stretch);
        widget = image;
        break;
      }
      case ControlKind::Line:
        continue;  // drawn by paintEvent
    }
    widget->setObjectName(qs(c.name));
    widget->setGeometry(pixelRect(c.rect));
    if (c.font.points != 9 || c.font.bold) widget->setFont(songFont(c.font.points, c.font.bold));
    byName.insert(qs(c.name), widget);
  }

  // Each caption names its field, also for assistive tools.
  for (const Control& c : spec_.controls) {
    if (c.kind != ControlKind::Label || c.buddy.empty()) continue;
    auto* label = static_cast<QLabel*>(byName.value(qs(c.name)));
    if (QWidget* buddy = byName.value(qs(c.buddy))) {
      label->setBuddy(buddy);
      buddy->setAccessibleName(qs(c.text));
      captions_.insert(qs(c.buddy), label);
    }
  }
  showMarks();

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

QString CalcWindow::dataTable() const { return qs(resultsTable(spec_, WidgetFields(*this), marks_)); }

FieldMark CalcWindow::markOf(const QString& field) const {
  return marks_.mark(spec_, WidgetFields(*this), field.toStdString());
}

WindowsAsTexts::WindowsAsTexts(const QList<CalcWindow*>& windows) {
  for (CalcWindow* w : windows) texts_.push_back({&w->spec(), &fields_.emplace_back(*w), &w->marks()});
}

QString allWindowsTable(const QList<CalcWindow*>& windows) { return qs(allTables(WindowsAsTexts(windows).all())); }

void CalcWindow::pasteTable() {
  const PastedTable pasted = readTable(spec_, QGuiApplication::clipboard()->text().toStdString());
  // Each input as typing would change it: the whole text replaced, undoable.
  for (const auto& [name, text] : pasted.inputs)
    if (QLineEdit* edit = field(qs(name))) {
      edit->selectAll();
      edit->insert(qs(text));
      edit->setCursorPosition(0);
    }
  showNote(pasted.inputs.empty() ? QStringLiteral("剪贴板中没有本窗口的输入")
                                 : QStringLiteral("已填入 %1 个输入，跳过 %2 行")
                                       .arg(pasted.inputs.size())
                                       .arg(pasted.skipped));
}

void CalcWindow::showNote(const QString& text) {
  if (!note_) {
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    note_->setFrameShape(QFrame::Box);
    note_->setMargin(4);
    note_->setAutoFillBackground(true);
    note_->setBackgroundRole(QPalette::ToolTipBase);
    note_->setForegroundRole(QPalette::ToolTipText);
  }
  note_->setText(text);
  note_->setAccessibleName(text);
  // Below the field with the focus, or at the window's top, inside the window.
  auto* focused = qobject_cast<QLineEdit*>(focusWidget());
  const QWidget* near = focused && fields_.values().contains(focused) ? focused : nullptr;
  const int w = std::min(width() - 8, note_->fontMetrics().horizontalAdvance(text) + 16);
  note_->setFixedWidth(w);
  note_->adjustSize();
  QPoint at = near ? near->geometry().bottomLeft() + QPoint(0, 2) : QPoint(4, 4);
  at.setX(std::clamp(at.x(), 4, std::max(4, width() - note_->width() - 4)));
  at.setY(std::clamp(at.y(), 4, std::max(4, height() - note_->height() - 4)));
  note_->move(at);
  note_->raise();
  note_->show();
  QAccessibleEvent alert(note_, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  // It goes at the next key or click in this window.
  qApp->installEventFilter(this);
}

QMenu* CalcWindow::contextMenu(QLineEdit* field) {
  return fieldMenu(*this, field, peers_ ? peers_() : QList<CalcWindow*>());
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
  if (fault)
    QMessageBox::warning(this, qs(faultTitle()), qs(faultMessage(spec_, *fault)));
}

void CalcWindow::showMarks() {
  const WidgetFields fields(*this);
  for (const Control& c : spec_.controls) {
    QLineEdit* edit = c.kind == ControlKind::Field ? field(qs(c.name)) : nullptr;
    if (!edit) continue;
    const FieldMark mark = marks_.mark(spec_, fields, c.name);
    showLook(edit, mark.look);
    edit->setAccessibleDescription(qs(mark.description));
    const QString tip = tipHtml(c.fieldRole == FieldRole::Input ? inputTip(spec_, c, mark.note)
                                                                : outputTip(c, edit->text().toStdString(), mark.note));
    if (edit->toolTip() != tip) {
      edit->setToolTip(tip);
      if (QLabel* label = captions_.value(qs(c.name))) label->setToolTip(tip);
    }
  }
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

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
  if (note_ && note_->isVisible() &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) && watched->isWidgetType() &&
      (watched == this || isAncestorOf(static_cast<QWidget*>(watched)))) {
    note_->hide();
    qApp->removeEventFilter(this);
  }
  if (event->type() == QEvent::MouseButtonRelease && clickableLabels_.contains(watched)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) {
      emit showWanted(clickableLabels_.value(watched));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ombrel
