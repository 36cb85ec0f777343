// SPDX-License-Identifier: GPL-3.0-or-later
// The description of a calculator window: one table per window that names
// every control with its caption or design text, its rectangle and font, the
// role of each button and the keyboard focus order. The GUI builds the window
// from this table alone; the headless tests run its handlers on plain texts.
//
// Coordinates are twips, as the window was designed: 15 twips make a pixel.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/quantity.h"

namespace ombrel {

class Calc;
class Fields;

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;  // twips
};

// Every text is in the Song face; most windows use 9 points.
struct FontSpec {
  double points = 9;
  bool bold = false;
};

enum class ControlKind {
  Label,    // static text; a caption label names the field it stands beside
  Field,    // single-line, always editable text box
  Button,
  Line,     // straight line from (x, y) to (x + w, y + h)
  Picture,  // static image from the program's resources
};

enum class FieldRole { Input, Output };

// Input fields that can be filled from a list of parts in their context menu.
// Only the tag: the lists are the standard parts' (parts/), which the window
// showing the field offers.
enum class PartList {
  None,
  Cores,  // a core's effective cross-section Ae, mm²: "选择磁芯"
  Wires,  // a round wire's diameter, mm: "选择线径"
};

enum class ButtonRole {
  Calculate,       // runs the handler, which writes `writes` in that order
  Return,          // hides its own window
  ReturnShowMain,  // hides its own window, then shows MainForm
  Show,            // shows the window named in `opens`
};

using Handler = std::function<void(Calc&)>;
// A check of a field's figures against what another input assumes, in words,
// from the window's texts; none where nothing is to be said.
using Check = std::function<std::optional<std::string>(const Fields&)>;

// An input chosen from a list rather than typed (a drop-down list): its
// items, or, where they follow another such input, the items for each text
// of that one. Its text is the item chosen; a handler reads it with
// Calc::choice, never as a number, and it carries no quantity.
//   family: items {"": {"EE", "ETD"}}
//   shape:  follows "family", items {"EE": {"E25/13/7", ...}, "ETD": {"ETD34", ...}},
//           first {"ETD": "ETD34"}: the item chosen when ETD is chosen,
//           tips {"ETD34": "D 12.1 mm，E 26.3 mm，F 10.8 mm…"}
struct ChoiceList {
  std::string follows;
  std::map<std::string, std::vector<std::string>> items;
  std::map<std::string, std::string> first;
  std::map<std::string, std::string> tips;  // an item's tooltip: what stands behind it
  // The items offered while the followed input holds `by` ("" for a list that follows none).
  const std::vector<std::string>& itemsFor(const std::string& by) const;
};

// A result's limit: the result is marked 超限 while its value is above the
// number in the field `field` (or above `value` where there is no field).
// `words` say what passing it means, "{}" standing for the limit and
// "{name}" for the text of the field of that name:
//   "窗口利用系数超过 {}，绕组可能绕不下" with kumax "0.4" -> "窗口利用系数超过 0.4，绕组可能绕不下"
//   "超过 {material} 在 {temp} ℃ 时的饱和磁通密度 {} T" -> "超过 TDK N87 在 100 ℃ 时的饱和磁通密度 0.3898 T"
struct Limit {
  std::string field;
  double value = 0;
  std::string words;
  bool empty() const { return words.empty(); }
};

struct Control {
  ControlKind kind = ControlKind::Label;
  std::string name;  // Text1, Label1, Command1, Line1, Image1 ...
  std::string text;  // caption, design text of a field, or picture resource
  Rect rect;
  FontSpec font;
  bool wrap = false;         // label: word-wrapped inside its rectangle
  bool centred = false;      // label: text centred in its rectangle
  std::string buddy;         // caption label: the field it names
  std::string opens;         // Show button or clickable label: window it shows
  FieldRole fieldRole = FieldRole::Input;
  ButtonRole buttonRole = ButtonRole::Return;
  Handler handler;                  // Calculate button
  std::vector<std::string> writes;  // Calculate button: its outputs, in order
  bool stretch = false;             // picture: stretched to its rectangle
  // Output field: how its value is computed, shown as the tooltip of the
  // field and of its caption. See "Formulas" below for how it names captions.
  std::string formula;
  // Input field: the quantity in plain words with its unit, the first line of
  // the tooltip of the field and of its caption ("电流斜坡占峰值电流的比例 K").
  std::string meaning;
  PartList parts = PartList::None;  // input field: the list it offers
  std::optional<ChoiceList> choices;  // input field chosen from a list (even an empty one), not typed
  // Input field whose blank text its handler takes as "not given"
  // (Calc::given), not as 0: what blank means, its placeholder ("不计此绕组").
  std::string blank;
  // Output field: what its quantity's impossible value means here, in place
  // of the quantity's own words, "{name}" standing for a field's text:
  // "{material} 的损耗数据在 {temp} ℃ 时不适用" for a negative loss.
  std::string impossibleWords;
  Limit limit;                      // output field: the limit it is marked against
  // Output field: a minimum the design needs (an input capacitance, an
  // output inductance); its standard values are those at or above it.
  bool minimum = false;
  // Field: its check (common/marks.h): a current result is marked 验算 with
  // its words, an input's tooltip ends with them.
  Check check;
  // Field: the quantity it holds, kind and unit (common/quantity.h); an
  // input's meaning names the same unit ("单位 kHz") or none.
  Quantity quantity;
  // Group heading: the area of the group it heads, framed by four lines
  // (see group() below); zero width for every other label.
  Rect group;

  // Refinements used inside a window table: label(...).withFont(12, true).
  Control withFont(double points, bool bold = false) && {
    font = {points, bold};
    return std::move(*this);
  }
  Control wrapped() && {
    wrap = true;
    return std::move(*this);
  }
  Control centredText() && {
    centred = true;
    return std::move(*this);
  }
  Control opening(std::string window) && {
    opens = std::move(window);
    return std::move(*this);
  }
  Control withFormula(std::string text) && {
    formula = std::move(text);
    return std::move(*this);
  }
  Control offering(PartList list) && {
    parts = list;
    return std::move(*this);
  }
  Control choosing(ChoiceList list) && {
    choices = std::move(list);
    return std::move(*this);
  }
  Control limitedBy(std::string field, std::string words) && {
    limit = {std::move(field), 0, std::move(words)};
    return std::move(*this);
  }
  Control limitedBy(double value, std::string words) && {
    limit = {{}, value, std::move(words)};
    return std::move(*this);
  }
  Control asMinimum() && {
    minimum = true;
    return std::move(*this);
  }
  Control checkedBy(Check words) && {
    check = std::move(words);
    return std::move(*this);
  }
  Control impossibleMeaning(std::string words) && {
    impossibleWords = std::move(words);
    return std::move(*this);
  }
  Control blankMeaning(std::string words) && {
    blank = std::move(words);
    return std::move(*this);
  }
  bool isChoice() const { return choices.has_value(); }
  Control of(Quantity q) && {
    quantity = std::move(q);
    return std::move(*this);
  }
  Control withMeaning(std::string text) && {
    meaning = std::move(text);
    return std::move(*this);
  }
};

// Formulas. The first line of an output's formula is the equation in the
// order the calculation evaluates it: the output's own caption, " = ", then
// the expression, with × ÷ + − and brackets, √(...) for a square root and
// 10^(...) for a power; a long equation goes on in lines that start with
// blanks. Lines after it explain constants. Every caption is written inside
// 「」 exactly as the window shows it (blanks around it aside). Where a window
// shows one caption text beside several fields, the name carries its place
// right after the closing bracket: 「极点(khz)」（左列） or （右列） for the
// leftmost or rightmost of them, or （heading） for the one under a heading
// label with that text: the heading stands at the caption's x, above it, and
// no other heading at that x stands between them.
struct CaptionName {
  std::string caption;  // between 「 and 」
  std::string place;    // between （ and ） right after 」, or empty
};
// Every caption the text names, in order. A 「 without its 」 ends the list
// with a name whose caption is the rest of the text and whose place is "「".
std::vector<CaptionName> captionNames(const std::string& formula);

// The fields under one group heading, or those under none (empty heading).
struct FieldGroup {
  std::string heading;
  std::vector<const Control*> fields;  // reading order
};

struct WindowSpec {
  std::string name;     // objectName: lg, FlybackForm, ...
  std::string caption;  // window title
  int width = 0;        // client area in twips
  int height = 0;
  std::vector<Control> controls;
  std::vector<std::string> focus;  // Tab order; the first gets the focus on first show
  bool icon = true;                // every window but one carries the program icon
  // The loop window: every field's menu opens its frequency response (频率响应…).
  bool frequencyResponse = false;

  const Control* find(const std::string& controlName) const;
  // The caption label beside a field, or the field's own name if it has none.
  std::string captionOf(const std::string& fieldName) const;
  // Where the caption text stands beside several fields, the place that tells
  // this field's caption from the others, as formulas write it: the heading
  // it stands under, else 左列 or 右列; empty where the caption is unique.
  //   huanlu Text16 -> "左列", Text19 -> "右列"; TL431 Text5 -> "分压验证"; lg Text1 -> ""
  std::string placeOf(const std::string& fieldName) const;
  // The heading a caption label stands under: the nearest label without a
  // field above it at its x, or nullptr.  TL431 Label11 (从) -> Label10 (输出电压范围(V))
  const Control* headingOf(const Control& caption) const;
  // The field whose caption a formula names, or nullptr when the name fits
  // no caption label or more than one.
  const Control* fieldNamed(const CaptionName& name) const;
  // The fields in screen order: lines from the top, each line left to right.
  // A line starts with the topmost field not yet placed and holds every field
  // whose top edge lies less than half that field's height below its top.
  std::vector<const Control*> fieldsInScreenOrder() const;
  // The fields by group: first those inside no group's area (under an empty
  // heading, left out when there are none), then each heading in table order
  // with the fields whose centre lies inside its area; each group in reading
  // order as above. A window without headings has one group: every field.
  //   TL431 -> {"分压估计": Text1 Text2 Text3 Text4}, {"分压验证": Text5 ... Text9},
  //            {"光耦电流": Text11 Text10 Text12}
  std::vector<FieldGroup> fieldGroups() const;
  // A field's caption, blanks around it dropped, between `open` and `close`,
  // then its place if any: as formulas name it ("「", "」"), or bare.
  //   lg Text4, 「」 -> "「气隙(mm)」"; huanlu Text19, 「」 -> "「极点(khz)」（右列）"
  //   diangq Text5, bare -> "圈数"; TL431 Text2, bare -> "R1(K)（分压估计）"
  std::string placedCaption(const std::string& fieldName, const std::string& open = {},
                            const std::string& close = {}) const;
  // The outputs whose formula reads this field, in the order the calculate
  // buttons (in table order) write them.
  //   FlybackForm Text5 -> Text16 Text24 Text25; lout Text2 -> none
  std::vector<std::string> usedBy(const std::string& fieldName) const;
  // The results a field reaches through the formulas: those whose formula
  // names it, then those whose formula names one of them, and so on, in the
  // order the buttons write them.
  //   FlybackForm Text11 (输出电压) -> Text20 (反射电压) Text21 (次级电流峰值) ...
  std::vector<std::string> reach(const std::string& fieldName) const;
  // The results, group by group in reading order (a sweep's columns).
  std::vector<std::string> results() const;
};

// Table rows. Rectangles are {x, y, width, height} in twips.
Control label(std::string name, std::string text, Rect r);
Control caption(std::string name, std::string text, Rect r, std::string field);
Control input(std::string name, std::string defaultText, Rect r);
Control output(std::string name, Rect r, std::string designText = {});
Control calculate(std::string name, std::string text, Rect r, std::vector<std::string> writes,
                  Handler handler);
Control button(std::string name, std::string text, Rect r, ButtonRole role);
Control line(std::string name, int x1, int y1, int x2, int y2);
// A group: the four lines that frame it from (x1, y1) to (x2, y2), top,
// right, bottom and left, named Line<firstLine> to Line<firstLine + 3>, and
// the area (x1, y1)-(x2, y2) given to its heading, the label named `heading`
// already in `controls` (std::logic_error if it is not).
void group(std::vector<Control>& controls, const std::string& heading, int firstLine, int x1, int y1, int x2,
           int y2);
Control picture(std::string name, std::string resource, Rect r, bool stretch);

}  // namespace ombrel
