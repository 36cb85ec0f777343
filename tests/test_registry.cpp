// SPDX-License-Identifier: GPL-3.0-or-later
// A sweep over every registered window, the winding check made from the
// standard shapes among them: sizes, names, focus order, button roles, and
// what their handlers write.
#include <QtTest>
#include <map>
#include <set>

#include "app/registry.h"
#include "common/calc.h"

using namespace ombrel;

namespace {

struct Expected {
  const char* caption;       // window title
  int width, height;         // client area, twips
  const char* returnButton;  // the button that hides the window
};

// Every window of the program, the ones on no menu included.
const std::map<std::string, Expected> kWindows = {
    {"FlybackForm", {"反激变压器", 11070, 7620, "Command2"}},
    {"ForwardForm", {"正激变压器", 6345, 5085, "Command2"}},
    {"HalfBridgeForm", {"半桥变压器", 6600, 5055, "Command2"}},
    {"FullBridgeForm", {"全桥变压器", 6090, 5010, "Command2"}},
    {"qudongbyq", {"驱动变压器", 3405, 4170, "Command1"}},
    {"P", {"PFC电感", 6690, 3000, "Command2"}},
    {"lout", {"输出电感", 4155, 5385, "Command2"}},
    {"diangq", {"电感圈数计算", 4035, 3870, "Command2"}},
    {"lg", {"电感气隙计算", 3375, 3840, "Command2"}},
    {"cin", {"输入电容", 3960, 4590, "Command2"}},
    {"cout", {"输出电容", 6150, 3870, "Command2"}},
    {"huanlu", {"环路控制", 8400, 8310, "Command2"}},
    {"gongs", {"公式", 5340, 5955, "Command1"}},
    {"daoxian", {"导线计算", 6240, 1950, "Command2"}},
    {"tongdai", {"铜带计算", 6330, 2745, "Command2"}},
    {"tx", {"20℃时铜的电阻计算", 4815, 5880, "Command2"}},
    {"td", {"铜带电阻计算", 4530, 4635, "Command2"}},
    {"TL431", {"TL431电阻计算", 6510, 7005, "Command4"}},
    {"gongm", {"差模电感", 4530, 4815, "Command2"}},
    {"chamo", {"共模电感", 5205, 6105, "Command2"}},
    {"winding", {"磁件复核", 20040, 8940, "Command2"}},
};

// Texts typed before a press where the design texts leave a step out: every
// winding row counts.
const std::map<std::string, std::map<std::string, std::string>> kTyped = {
    {"winding", {{"N1", "40"}, {"d1", "0.5"}, {"I1", "1"}, {"N2", "6"}, {"d2", "0.8"}, {"I2", "6"},
                 {"N3", "3"}, {"d3", "0.3"}, {"I3", "0.1"}}},
};

}  // namespace

class TestRegistry : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase_data();
  void everyWindowIsBuilt();
  void captionAndClientSize();
  void namesAreUnique();
  void focusOrderNamesOwnControls();
  void captionsNameFields();
  void returnButton();
  void controlsInsideClientArea();
  void handlersWriteOnlyTheirOutputs();
  void outputsCarryTheirFormulas();
  void formulasNameWhatTheirStepReads();
  void inputsSayWhatTheyAre();
  void fieldsStateTheirQuantity();

 private:
  const WindowSpec& current() {
    QFETCH_GLOBAL(QString, name);
    return *windowSpec(name.toStdString());
  }
};

// Every window of the program is built, and every menu command names one.
void TestRegistry::everyWindowIsBuilt() {
  QCOMPARE(builtWindows().size(), kWindows.size());
  for (const auto& [name, expected] : kWindows) QVERIFY2(windowSpec(name), name.c_str());
  for (const MenuCommand& row : menuTree()) QVERIFY(windowSpec(row.window));
}

// Global data: every test runs once per built window.
void TestRegistry::initTestCase_data() {
  QTest::addColumn<QString>("name");
  for (const WindowSpec* spec : builtWindows())
    QTest::newRow(spec->name.c_str()) << QString::fromStdString(spec->name);
}

void TestRegistry::captionAndClientSize() {
  const WindowSpec& spec = current();
  const auto it = kWindows.find(spec.name);
  QVERIFY2(it != kWindows.end(), spec.name.c_str());
  QCOMPARE(spec.caption, it->second.caption);
  QCOMPARE(spec.width, it->second.width);
  QCOMPARE(spec.height, it->second.height);
  QCOMPARE(spec.icon, spec.name != "tx");
}

void TestRegistry::namesAreUnique() {
  std::set<std::string> names;
  for (const Control& c : current().controls) QVERIFY2(names.insert(c.name).second, c.name.c_str());
}

void TestRegistry::focusOrderNamesOwnControls() {
  const WindowSpec& spec = current();
  std::set<std::string> seen;
  for (const std::string& name : spec.focus) {
    const Control* c = spec.find(name);
    QVERIFY2(c, name.c_str());
    QVERIFY2(c->kind == ControlKind::Field || c->kind == ControlKind::Button, name.c_str());
    QVERIFY2(seen.insert(name).second, name.c_str());
  }
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Field || c.kind == ControlKind::Button)
      QVERIFY2(seen.count(c.name), ("not in the focus order: " + c.name).c_str());
}

void TestRegistry::captionsNameFields() {
  const WindowSpec& spec = current();
  for (const Control& c : spec.controls) {
    if (c.kind != ControlKind::Label || c.buddy.empty()) continue;
    const Control* field = spec.find(c.buddy);
    QVERIFY2(field && field->kind == ControlKind::Field, c.name.c_str());
  }
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Label && !c.opens.empty()) QVERIFY2(windowSpec(c.opens), c.opens.c_str());
}

void TestRegistry::returnButton() {
  const WindowSpec& spec = current();
  const std::string expected = kWindows.at(spec.name).returnButton;
  for (const Control& c : spec.controls) {
    if (c.kind != ControlKind::Button) continue;
    const bool hides = c.buttonRole == ButtonRole::Return || c.buttonRole == ButtonRole::ReturnShowMain;
    QCOMPARE(hides, c.name == expected);
    if (!hides) continue;
    QCOMPARE(c.text, "返回");
    // Only ForwardForm's 返回 also shows MainForm.
    QCOMPARE(c.buttonRole == ButtonRole::ReturnShowMain, spec.name == "ForwardForm");
  }
  QVERIFY(spec.find(expected));
}

void TestRegistry::controlsInsideClientArea() {
  const WindowSpec& spec = current();
  for (const Control& c : spec.controls) {
    const int x2 = c.rect.x + c.rect.w, y2 = c.rect.y + c.rect.h;
    QVERIFY2(std::min(c.rect.x, x2) >= 0 && std::max(c.rect.x, x2) <= spec.width, c.name.c_str());
    QVERIFY2(std::min(c.rect.y, y2) >= 0 && std::max(c.rect.y, y2) <= spec.height, c.name.c_str());
  }
}

// Each Calculate button declares its outputs; they are output fields of this
// window, and with the design texts the handler writes exactly those.
void TestRegistry::handlersWriteOnlyTheirOutputs() {
  const WindowSpec& spec = current();
  for (const Control& c : spec.controls) {
    if (c.kind != ControlKind::Button || c.buttonRole != ButtonRole::Calculate) continue;
    QVERIFY(c.handler);
    QVERIFY(!c.writes.empty());
    for (const std::string& out : c.writes) {
      const Control* field = spec.find(out);
      QVERIFY2(field && field->kind == ControlKind::Field && field->fieldRole == FieldRole::Output,
               out.c_str());
    }
    FieldStore f(spec);
    const std::optional<Fault> fault = press(c, f);
    QVERIFY2(!fault, (spec.name + " " + c.name + " faults with its design texts").c_str());
    QCOMPARE(f.written(), c.writes);
  }
}

namespace {

// A field store that notes which fields each output's step reads: the reads
// between two writes belong to the output written second.
class ReadRecorder : public Fields {
 public:
  explicit ReadRecorder(const WindowSpec& spec) : store_(spec) {}
  std::string text(const std::string& field) const override {
    pending_.insert(field);
    return store_.text(field);
  }
  void setText(const std::string& field, const std::string& text) override {
    store_.setText(field, text);
    reads_[field] = pending_;
    pending_.clear();
  }
  const std::map<std::string, std::set<std::string>>& reads() const { return reads_; }
  void type(const std::string& field, const std::string& text) { store_.setText(field, text); }

 private:
  FieldStore store_;
  mutable std::set<std::string> pending_;
  std::map<std::string, std::set<std::string>> reads_;
};

QString named(const CaptionName& n) {
  return QString::fromStdString("「" + n.caption + "」" + (n.place.empty() ? "" : "（" + n.place + "）"));
}

}  // namespace

// Every output states its formula, which begins with its own caption and
// " = ", and every caption a formula names is a caption of this window that
// names one field. Inputs, buttons and labels carry none.
void TestRegistry::outputsCarryTheirFormulas() {
  const WindowSpec& spec = current();
  for (const Control& c : spec.controls) {
    const bool output = c.kind == ControlKind::Field && c.fieldRole == FieldRole::Output;
    QVERIFY2(output != c.formula.empty(), c.name.c_str());
    if (!output) continue;
    // Shown as plain text: nothing in it may look like markup.
    QVERIFY2(c.formula.find('<') == std::string::npos, c.name.c_str());
    const std::vector<CaptionName> names = captionNames(c.formula);
    QVERIFY2(!names.empty(), c.name.c_str());
    for (const CaptionName& n : names)
      QVERIFY2(spec.fieldNamed(n), qPrintable(QString::fromStdString(c.name) + ": no single caption " + named(n)));
    QCOMPARE(spec.fieldNamed(names.front())->name, c.name);
    QVERIFY2(c.formula.rfind(named(names.front()).toStdString() + " = ", 0) == 0, c.name.c_str());
  }
}

// With the design texts, the captions on the right of each formula are
// exactly the fields that output's step reads.
void TestRegistry::formulasNameWhatTheirStepReads() {
  const WindowSpec& spec = current();
  for (const Control& button : spec.controls) {
    if (button.kind != ControlKind::Button || button.buttonRole != ButtonRole::Calculate) continue;
    ReadRecorder recorder(spec);
    if (const auto typed = kTyped.find(spec.name); typed != kTyped.end())
      for (const auto& [field, text] : typed->second) recorder.type(field, text);
    QVERIFY(!press(button, recorder));
    for (const std::string& out : button.writes) {
      // outputsCarryTheirFormulas checks that every caption names one field.
      const std::vector<CaptionName> names = captionNames(spec.find(out)->formula);
      std::set<std::string> named;
      for (std::size_t i = 1; i < names.size(); ++i)
        if (const Control* field = spec.fieldNamed(names[i])) named.insert(field->name);
      const std::set<std::string>& read = recorder.reads().at(out);
      QVERIFY2(named == read, (spec.name + " " + out + ": the formula names other fields than its step reads").c_str());
    }
  }
}

// Every input says in one line what it is; no other control carries a
// meaning. Grouped windows put every field in one group.
void TestRegistry::inputsSayWhatTheyAre() {
  const WindowSpec& spec = current();
  for (const Control& c : spec.controls) {
    const bool input = c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input;
    QVERIFY2(input != c.meaning.empty(), c.name.c_str());
    QVERIFY2(c.meaning.find('\n') == std::string::npos, c.name.c_str());
  }
  const std::vector<FieldGroup> groups = spec.fieldGroups();
  if (groups.size() > 1) QVERIFY2(!groups.front().heading.empty(), "a field outside every group");
}

namespace {

// "单位 " + unit with nothing after it that would make a longer unit: "单位 A"
// is not in "单位 A/mm²", nor "单位 m" in "单位 mm".
bool statesUnit(const std::string& meaning, const std::string& unit) {
  const QString m = QString::fromStdString(meaning), phrase = QString::fromStdString("单位 " + unit);
  for (qsizetype at = m.indexOf(phrase); at >= 0; at = m.indexOf(phrase, at + 1)) {
    const qsizetype end = at + phrase.size();
    const QChar next = end < m.size() ? m[end] : QChar();
    if (next != u'/' && !(next.isLetterOrNumber() && next.script() != QChar::Script_Han)) return true;
  }
  return false;
}

// Fields whose caption alone would mislead: window, field, kind, unit.
const struct { const char *window, *field; QuantityKind kind; const char* unit; } kPinned[] = {
    {"FlybackForm", "Text6", QuantityKind::FluxDensity, "T"},   {"FlybackForm", "Text12", QuantityKind::Turns, ""},
    {"huanlu", "Text7", QuantityKind::Turns, ""},               {"daoxian", "Text2", QuantityKind::Length, "mm"},
    {"FlybackForm", "Text31", QuantityKind::Attenuation, "倍"}, {"chamo", "Text2", QuantityKind::Attenuation, "dB"},
    {"FlybackForm", "Text27", QuantityKind::Resistance, "mΩ"},  {"huanlu", "Text9", QuantityKind::Resistance, "mΩ"},
    {"TL431", "Text8", QuantityKind::Voltage, "V"},             {"cin", "Text2", QuantityKind::Time, "ms"},
};

}  // namespace

namespace ombrel {

// A kind as a failed comparison shows it: "磁通密度 (10)".
static char* toString(QuantityKind kind) {
  return qstrdup((kindName(kind) + " (" + std::to_string(static_cast<int>(kind)) + ")").c_str());
}

}  // namespace ombrel

// Every field, and no other control, states its quantity; an input's meaning
// names its unit, or none where it has none ("无单位" aside).
void TestRegistry::fieldsStateTheirQuantity() {
  const WindowSpec& spec = current();
  for (const Control& c : spec.controls) {
    // A list holds names, no quantity.
    QVERIFY2((c.kind == ControlKind::Field && !c.isChoice()) == (c.quantity.kind != QuantityKind::None),
             c.name.c_str());
    if (c.kind != ControlKind::Field || c.fieldRole != FieldRole::Input) continue;
    const std::string& unit = c.quantity.unit;
    if (!unit.empty() && unit != "倍") QVERIFY2(statesUnit(c.meaning, unit), (c.name + ": no 单位 " + unit).c_str());
    if (unit.empty())
      for (std::size_t at = c.meaning.find("单位 "); at != std::string::npos; at = c.meaning.find("单位 ", at + 1))
        QVERIFY2(at >= 3 && c.meaning.compare(at - 3, 3, "无") == 0, (c.name + ": a unit it has not").c_str());
  }
  for (const auto& pin : kPinned) {
    if (spec.name != pin.window) continue;
    const Quantity& stated = spec.find(pin.field)->quantity;
    QCOMPARE(stated.kind, pin.kind);
    QCOMPARE(QString::fromStdString(stated.unit), QString::fromUtf8(pin.unit));
  }
}

QTEST_APPLESS_MAIN(TestRegistry)
#include "test_registry.moc"
