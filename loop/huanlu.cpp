// SPDX-License-Identifier: GPL-3.0-or-later
// 环路控制: the type-II compensation of the error amplifier of a current-mode
// converter. From the operating point it finds the power stage's gain, a
// crossover at a fifth of the switching frequency, the output pole and the
// ESR zero, the gain the amplifier must add there, and R3, C1 and C2.
#include "common/calc.h"
#include "common/window_spec.h"
#include "loop/loop_fields.h"

namespace ombrel::windows {

namespace {

namespace lf = loop_fields;

// The left column's input rows: caption, then the field to its right.
constexpr int kRow0 = 180, kPitch = 450;
constexpr int row(int i) { return kRow0 + i * kPitch; }

}  // namespace

WindowSpec huanlu() {
  const auto in = [](const char* label, const char* text, const char* field, const char* def, int i,
                     const Quantity& quantity, const char* meaning) {
    return std::pair{caption(label, text, {150, row(i) + 60, 1800, 255}, field),
                     input(field, def, {1980, row(i), 1335, 345}).of(quantity).withMeaning(meaning)};
  };
  const std::pair<Control, Control> inputs[] = {
      in("Label3", "初级直流电压(v)", "Text3", "300", 0, q::voltage_V,
         "变压器初级的直流输入电压 Vin，单位 V"),
      in("Label4", "输出电压(v)", "Text4", "5", 1, q::voltage_V,
         "输出电压 Vout，单位 V"),
      in("Label5", "运放参考电压(V)", "Text5", "2.5", 2, q::voltage_V,
         "误差放大器的参考电压 Vref，单位 V（TL431 为 2.5）"),
      in("Label6", "开关频率(kHz)", lf::kSwitching, "50", 3, q::frequency_kHz,
         "开关频率 fs，单位 kHz"),
      in("Label7", "变压器初级圈数(T)", "Text7", "60", 4, q::turns,
         "变压器的初级圈数 Np"),
      in("Label8", "变压器次级圈数((T)", "Text8", "3", 5, q::turns,
         "变压器的次级圈数 Ns"),
      in("Label9", "输出电容esr(mR)", "Text9", "150", 6, q::resistance_mOhm,
         "输出电容的等效串联电阻 ESR，单位 mΩ"),
      in("Label10", "输出电流(A)", "Text10", "2", 7, q::current_A,
         "输出电流 Iout，单位 A"),
      in("Label11", "输出电容总容量(uF)", "Text11", "470", 8, q::capacitance_uF,
         "输出电容的总容量 Cout，单位 uF"),
      in("Label13", "R1(K)", lf::kR1, "4.7", 9, q::resistance_kOhm,
         "误差放大器的输入电阻 R1（输出电压到反相输入端），单位 kΩ"),
  };
  WindowSpec spec{
      .name = "huanlu",
      .caption = "环路控制",
      .width = 8400,
      .height = 8310,
      .controls = {},
      .focus = {},
  };
  for (const auto& [label, field] : inputs) {
    spec.controls.push_back(label);
    spec.controls.push_back(field);
  }

  // Outputs: three rows under the inputs on the left, six rows on the right.
  const auto outRow = [](int i) { return 5130 + i * kPitch; };
  struct Column {
    int captionX, captionWidth, fieldX;
  };
  const auto column = [&](Column col) {
    return [&spec, &outRow, col](const char* label, const char* text, const char* field, int i,
                                 const Quantity& quantity, const char* formula) {
      spec.controls.push_back(caption(label, text, {col.captionX, outRow(i) + 60, col.captionWidth, 255}, field));
      spec.controls.push_back(output(field, {col.fieldX, outRow(i), 1875, 345}).of(quantity).withFormula(formula));
    };
  };
  const auto left = column({150, 1260, 1440});
  const auto right = column({3780, 1350, 5160});
  // The two 极点(khz) are told apart by their column.
  left("Label14", "电源增益", lf::kGain, 0, q::gain,
       "「电源增益」 = (「初级直流电压(v)」 − 「输出电压(v)」) × (「初级直流电压(v)」 − 「输出电压(v)」)\n    "
       "× 「变压器次级圈数((T)」 ÷ 「初级直流电压(v)」 ÷ 「变压器初级圈数(T)」 ÷ 「运放参考电压(V)」");
  left("Label15", "穿越频率(khz)", "Text15", 1, q::frequency_kHz,
       "「穿越频率(khz)」 = 「开关频率(kHz)」 × 0.2\n"
       "穿越频率取开关频率的五分之一");
  left("Label16", "极点(khz)", lf::kPole, 2, q::frequency_kHz,
       "「极点(khz)」（左列） = 1000 ÷ 「Rlaod(r)」 ÷ 「输出电容总容量(uF)」 ÷ 6.28\n"
       "输出极点；6.28 取 2π，1000 为单位换算系数");
  right("Label17", "Rlaod(r)", "Text17", 0, q::resistance_Ohm, "「Rlaod(r)」 = 「输出电压(v)」 ÷ 「输出电流(A)」");
  right("Label18", "需要提升的增益", "Text18", 1, q::gain,
        "「需要提升的增益」 = 「穿越频率(khz)」 ÷ 「极点(khz)」（左列） ÷ 「电源增益」");
  right("Label19", "极点(khz)", lf::kZero, 2, q::frequency_kHz,
        "「极点(khz)」（右列） = 1000000 ÷ 「输出电容总容量(uF)」 ÷ 「输出电容esr(mR)」 ÷ 6.28\n"
        "输出电容 ESR 形成的零点；6.28 取 2π，1000000 为单位换算系数");
  right("Label12", "C2(nF)=", lf::kC2, 3, q::capacitance_nF,
        "「C2(nF)=」 = 1000 ÷ 「R1(K)」 ÷ 「需要提升的增益」 ÷ 6.28 ÷ 「极点(khz)」（右列）\n"
        "6.28 取 2π，1000 为单位换算系数");
  // Step 9 gives 1/(2π·R3·fp) with R3 in kΩ and fp in kHz, which is nF, the
  // same scaling as C2; the caption says so rather than uF.
  right("Label1", "C1(nF)=", lf::kC1, 4, q::capacitance_nF,
        "「C1(nF)=」 = 1000 ÷ 「极点(khz)」（左列） ÷ 「R3(K)=」 ÷ 6.28\n"
        "6.28 取 2π，1000 为单位换算系数");
  right("Label2", "R3(K)=", lf::kR3, 5, q::resistance_kOhm, "「R3(K)=」 = 「需要提升的增益」 × 「R1(K)」");

  spec.controls.push_back(calculate(
      "Command1", "计算", {480, 6540, 1095, 405},
      {lf::kGain, "Text15", "Text17", lf::kPole, "Text18", lf::kZero, lf::kC2, lf::kR3, lf::kC1},
      [](Calc& c) {
        // Each step reads its fields first, in the order of its formula.
        // Gain of the power stage: (Vin − Vout)² · Ns / (Vin · Np · Vref).
        {
          const Real vin = c.read("Text3"), vout = c.read("Text4"), ns = c.read("Text8"), np = c.read("Text7"),
                     vref = c.read("Text5");
          c.write(lf::kGain, (vin - vout) * (vin - vout) * ns / vin / np / vref);
        }
        // Crossover at a fifth of the switching frequency, kHz.
        c.write("Text15", c.read(lf::kSwitching) * 0.2);
        {
          const Real vout = c.read("Text4"), iout = c.read("Text10");
          c.write("Text17", vout / iout);
        }
        // Output pole 1/(2π·Rload·Cout) in kHz, Cout in uF.
        {
          const Real rload = c.read("Text17"), cout = c.read("Text11");
          c.write(lf::kPole, 1000 / rload / cout / 6.28);
        }
        // The gain still missing at the crossover.
        {
          const Real fc = c.read("Text15"), fp = c.read(lf::kPole), g = c.read(lf::kGain);
          c.write("Text18", fc / fp / g);
        }
        // ESR zero 1/(2π·ESR·Cout) in kHz, ESR in mΩ.
        {
          const Real cout = c.read("Text11"), esr = c.read("Text9");
          c.write(lf::kZero, 1000000 / cout / esr / 6.28);
        }
        // C2 in nF puts a pole at the ESR zero: 1/(2π·R3·fz) with R3 = K·R1.
        {
          const Real r1 = c.read(lf::kR1), k = c.read("Text18"), fz = c.read(lf::kZero);
          c.write(lf::kC2, 1000 / r1 / k / 6.28 / fz);
        }
        {
          const Real k = c.read("Text18"), r1 = c.read(lf::kR1);
          c.write(lf::kR3, k * r1);
        }
        // C1 in nF puts the zero at the output pole: 1/(2π·R3·fp).
        const Real fp = c.read(lf::kPole), r3 = c.read(lf::kR3);
        c.write(lf::kC1, 1000 / fp / r3 / 6.28);
      }));
  spec.controls.push_back(button("Command2", "返回", {2040, 6540, 1095, 405}, ButtonRole::Return));
  spec.controls.push_back(
      label("Label22", "我怎样知道电容的ESR？请点击", {480, 7110, 2700, 255}).opening("gongs"));
  spec.controls.push_back(
      label("Label21", "注意：本软件的计算适用于电流型控制的变换器。", {150, 7920, 4500, 255}));
  // The error amplifier with its compensation network, stretched to its box.
  spec.controls.push_back(picture("Image1", ":/pictures/huanlu.svg", {3720, 120, 4530, 4875}, true));

  spec.frequencyResponse = true;  // 频率响应…: the loop this table sizes, as a Bode plot
  spec.focus = {"Text3",  "Text4",  "Text5",  "Text6",  "Text7",    "Text8",    "Text9",
                "Text10", "Text11", "Text13", "Text14", "Text15",   "Text16",   "Command1",
                "Command2", "Text17", "Text18", "Text19", "Text12", "Text1", "Text2"};
  return spec;
}

}  // namespace ombrel::windows
