// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation step: how a button handler reads and writes field texts,
// and how a fault ends the calculation.
//
// A handler is a straight line of steps, each reading its fields into named
// values in the order its formula names them, then computing:
//
//   const Real n = c.read("Text1"), ae = c.read("Text2"), l = c.read("Text3");
//   c.write("Text4", n * 1.27 * 0.001 * n * ae / l);
//
// (the declarators are sequenced; the operands of one expression are not, so
// reads inside one expression would leave the order of an overflow open).
// read() takes the field's text at that moment through NumberFromText; write()
// puts TextFromNumber(result) into the field before the next step starts, so a
// later step that reads the field back works with the value as shown, rounded
// to 15 significant digits. The first faulting operation throws, the step's
// write never happens, and press() reports the fault: outputs written before
// it keep their new texts, that output and all later ones keep their old ones.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/real.h"
#include "common/window_spec.h"

namespace ombrel {

// The texts of a window's fields, wherever they live (text boxes on screen,
// or a plain map in the headless tests).
class Fields {
 public:
  virtual ~Fields() = default;
  virtual std::string text(const std::string& field) const = 0;
  virtual void setText(const std::string& field, const std::string& text) = 0;
};

// A window's field texts held in memory, starting with their design texts.
class FieldStore : public Fields {
 public:
  explicit FieldStore(const WindowSpec& spec);
  std::string text(const std::string& field) const override;
  void setText(const std::string& field, const std::string& text) override;
  // Every field write, in order, for tests that watch what a handler touches.
  const std::vector<std::string>& written() const { return written_; }

 private:
  std::map<std::string, std::string> texts_;
  std::vector<std::string> written_;
};

// One step of a calculation as it ran: the output it computes, the fields
// it read for it in the order read (each once) and the text each held then.
// `written` is false for the step a fault ended.
//   lg: {"Text4", {"Text1", "Text2", "Text3"}, {"20", "144", "560"}, true}
struct Step {
  std::string output;
  std::vector<std::string> reads;
  std::vector<std::string> texts;
  bool written = false;
};

class Calc {
 public:
  // `steps`, if given, receives a Step for every step that runs.
  Calc(Fields& fields, const std::vector<std::string>& writes, std::vector<Step>* steps = nullptr);
  // The field's number; a text beyond the double range is an overflow fault.
  Real read(const std::string& field);
  // The item chosen in an input chosen from a list (ChoiceList), as text.
  std::string choice(const std::string& field);
  // Whether the field holds anything but blanks: a winding row counts when
  // its turns are given (IsBlank: "" and "  " -> false, "0" -> true). Read like a number.
  bool given(const std::string& field);
  // Writes the next output; outputs come in the order the button declares.
  void write(const std::string& field, Real value);
  // Empties the next output instead: a result of a row that does not count.
  void clear(const std::string& field);
  // The declared output the calculation is working on (for fault reports).
  const std::string& current() const;
  // A fault ended the step under way: its Step, not written, goes on the record.
  void faulted();

 private:
  std::string readText(const std::string& field);  // recorded as read by the step under way
  void put(const std::string& field, const std::string& text);
  Fields& fields_;
  const std::vector<std::string>& writes_;
  std::size_t next_ = 0;
  std::vector<Step>* steps_;
  std::vector<std::string> reads_, texts_;  // by the step under way
};

struct Fault {
  FaultKind kind;
  std::string output;  // the output field that could not be computed
  std::string field;   // the input read beyond the double range, if that was the cause
  std::string words = {};  // why, in the data's terms, where the step says
};

// Runs the handler of a Calculate button. Returns the fault that ended it, if
// any; `steps`, if given, receives what each step read (the faulting one last).
std::optional<Fault> press(const Control& button, Fields& fields, std::vector<Step>* steps = nullptr);

// The fault in words, for the message box: its kind and the caption of the
// output that was not computed.
std::string faultTitle();
std::string faultMessage(const WindowSpec& spec, const Fault& fault);
std::string faultKindText(FaultKind kind);
// The fault's opening words, naming the field read beyond the double range
// where there is one, its caption already quoted:
//   (Overflow, "")          -> "运算出错：溢出"
//   (Overflow, "“D(mm)”")   -> "运算出错：溢出（“D(mm)”的数值超出范围）"
std::string faultWords(FaultKind kind, const std::string& quotedField = {});

}  // namespace ombrel
