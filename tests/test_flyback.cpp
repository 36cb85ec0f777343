// SPDX-License-Identifier: GPL-3.0-or-later
// The flyback transformer window and its output filter, headless. Every
// expected text was worked out from the formulas as written, apart from the
// program, with each read-back going through its 15-digit text.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, const char* steps, QStringList typed, QStringList written,
                      const char* fault = "") {
    QTest::newRow(name) << QString(steps) << typed << written << QString(fault);
  };

  row("defaults", "Command1", {},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=496.031746031747"});
  row("filter after the design", "Command1; Command3", {},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=496.031746031747", "Text31=0.106157112526539", "Text32=52.6572978802278"});
  row("filter before the design reads an empty ripple as 0", "Command3", {},
      {"Text31=0.106157112526539", "Text32=0"});
  row("filter with a new frequency keeps the old ripple", "Command1; Text8=100; Command3", {},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=496.031746031747", "Text31=0.0530785562632696", "Text32=26.3286489401139"});
  row("filter with a new inductance", "Command1; Command3; Text22=4.7; Command3", {},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=496.031746031747", "Text31=0.106157112526539", "Text32=52.6572978802278", "Text31=0.0677598590594932", "Text32=33.6110412001455"});
  row("filter on a typed ripple", "Command3", {"Text28=500"},
      {"Text31=0.106157112526539", "Text32=53.0785562632695"});
  row("filter with no ESR", "Command3", {"Text27="},
      {"Text31=0", "Text32=0"});
  row("unit typed after the power", "Command1", {"Text1=20W"},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=496.031746031747"});
  row("typed output is overwritten before it is read back", "Command1", {"Text15=abc", "Text16=1e999"},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=496.031746031747"});
  row("no ESR gives no ripple voltage", "Command1", {"Text27="},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=0"});
  row("empty efficiency", "Command1", {"Text3="},
      {}, "DivideByZero@Text15");
  row("zero minimum mains", "Command1", {"Text4=0"},
      {}, "DivideByZero@Text15");
  row("no duty cycle", "Command1", {"Text9="},
      {"Text15=0.101030511214387"}, "DivideByZero@Text16");
  row("ramp factor 2", "Command1", {"Text5=2"},
      {"Text15=0.101030511214387"}, "DivideByZero@Text16");
  row("zero frequency", "Command1", {"Text8=0"},
      {"Text15=0.101030511214387", "Text16=0.360823254337096"}, "DivideByZero@Text17");
  row("zero power", "Command1", {"Text1=0"},
      {"Text15=0", "Text16=0", "Text17=8"}, "DivideByZero@Text10");
  row("zero core area", "Command1", {"Text7=0"},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999"}, "DivideByZero@Text12");
  row("zero flux density", "Command1", {"Text6="},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999"}, "DivideByZero@Text12");
  row("duty cycle 1", "Command1", {"Text9=1"},
      {"Text15=0.101030511214387", "Text16=0.144329301734839", "Text17=20", "Text10=34289.6413999998", "Text12=198.755020080321", "Text13=0", "Text11=0", "Text14=0.120099445400651"}, "DivideByZero@Text19");
  row("zero output voltage", "Command1", {"Text2=0"},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=0", "Text11=0", "Text14=0.12009944540065"}, "InvalidOperation@Text19");
  row("negative duty cycle", "Command1", {"Text9=-0.1"},
      {"Text15=0.101030511214387", "Text16=-1.44329301734839", "Text17=-2", "Text10=342.896413999998", "Text12=-19.8755020080321", "Text13=10.6024096385542", "Text11=97.5743999999994", "Text14=0.120099445400651", "Text19=-22.4954545454545", "Text18=497.104545454545", "Text23=2.70562770562772"}, "InvalidOperation@Text24");
  row("duty cycle above 1", "Command1", {"Text9=1.2"},
      {"Text15=0.101030511214387", "Text16=0.120274418112365", "Text17=24", "Text10=49377.0836160001", "Text12=238.506024096386", "Text13=-1.9277108433735", "Text11=3.22560000000001", "Text14=0.12009944540065", "Text19=-1484.7", "Text18=-965.1", "Text23=-14.8809523809523", "Text24=0.0950091776988688"}, "InvalidOperation@Text25");
  row("efficiency above 1 leaves too little secondary current", "Command1", {"Text3=2"},
      {"Text15=0.0404122044857547", "Text16=0.144329301734838", "Text17=8", "Text10=13715.85656", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=72.576", "Text14=0.0480397781602601", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=1.98412698412698", "Text24=0.0658242891839123", "Text25=1.10827301934674"}, "InvalidOperation@Text26");
  row("power beyond range", "Command1", {"Text1=1e999"},
      {}, "Overflow@Text15");
  // Each step reads its fields in the order of its formula before it divides.
  row("lowest mains beyond range, zero efficiency", "Command1", {"Text3=0", "Text4=1e999"},
      {}, "Overflow@Text15 reading Text4");
  row("efficiency and power beyond range", "Command1", {"Text1=1e999", "Text3=1e999"},
      {}, "Overflow@Text15 reading Text1");
  row("core area beyond range, zero flux density", "Command1", {"Text6=0", "Text7=-1e999"},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999"},
      "Overflow@Text12 reading Text7");
  row("a fault leaves the earlier texts", "Command1; Text9=1; Command1", {},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=496.031746031747", "Text15=0.101030511214387", "Text16=0.144329301734839", "Text17=20", "Text10=34289.6413999998", "Text12=198.755020080321", "Text13=0", "Text11=0", "Text14=0.120099445400651"}, "DivideByZero@Text19");
  row("filter without inductance", "Command3", {"Text22="},
      {}, "DivideByZero@Text31");
  row("filter without inductance or ESR", "Command3", {"Text22=0", "Text27=0"},
      {}, "InvalidOperation@Text31");
  row("filter fault keeps the old attenuation", "Command1; Command3; Text22=; Command3", {},
      {"Text15=0.101030511214387", "Text16=0.360823254337096", "Text17=8", "Text10=5486.34262399999", "Text12=79.5020080321285", "Text13=5.78313253012048", "Text11=29.0303999999999", "Text14=0.12009944540065", "Text19=164.966666666667", "Text18=684.566666666667", "Text23=4.96031746031747", "Text24=0.164560722959781", "Text25=2.77068254836686", "Text26=2.21334678847371", "Text28=496.031746031747", "Text31=0.106157112526539", "Text32=52.6572978802278"}, "DivideByZero@Text31");
  row("filter without frequency", "Command3", {"Text8="},
      {}, "DivideByZero@Text31");

  // Realistic designs, each chosen so that the formulas it names show another
  // text when their operations are reordered or their constants folded
  // (divisors multiplied together first, 0.4 × 3.14 × 0.001 folded, the root
  // split, the subtrahend's divisions combined), where a row pins only some
  // reorderings it says which. The ripple voltage and the filtered ripple are
  // single products: no order to pin.
  // pins Text16, Text23; Text11 against ÷ (Np·Np) and the ratio squared, not Lp first or last
  row("60 W at 5 V", "Command1", {"Text1=60", "Text2=5", "Text3=0.82", "Text4=190", "Text20=240", "Text21=50", "Text5=0.55", "Text6=0.32", "Text7=65", "Text8=45", "Text9=0.42", "Text27=20", "Text22=3.3"},
      {"Text15=0.272354394801299", "Text16=0.894431510020687", "Text17=9.33333333333333", "Text10=2803.44923590107", "Text12=120.552564102564", "Text13=3.0982905982906", "Text11=1.85175740740742", "Text14=0.423217096892453", "Text19=194.546896551724", "Text18=580.546896551724", "Text23=34.8017748905193", "Text24=0.430211328811054", "Text25=19.6709573621375", "Text26=15.586743198726", "Text28=696.035497810386"});
  // pins Text19, Text31
  row("100 W at 48 V", "Command1; Command3", {"Text1=100", "Text2=48", "Text3=0.75", "Text4=110", "Text20=253", "Text21=80", "Text5=0.6", "Text6=0.2", "Text7=21.2", "Text8=65", "Text9=0.33", "Text27=80", "Text22=3.3"},
      {"Text15=0.857228580000857", "Text16=3.71094623376994", "Text17=5.07692307692308", "Text10=212.79333238477", "Text12=186.241654571843", "Text13=116.690856313498", "Text11=83.5368369230777", "Text14=4.34031377427601", "Text19=76.609253731343", "Text18=510.809253731343", "Text23=5.92276711679694", "Text24=1.53724575999032", "Text25=3.49593806286985", "Text26=2.80736623219067", "Text28=473.821369343755", "Text31=0.0593885944204415", "Text32=28.1395851316945"});
  // pins Text24, Text25 against (1 − K) + K·K ÷ 3 and the root split,
  // not K(K ÷ 3 − 1) + 1 or K ÷ 3 × K
  row("150 W at 48 V", "Command1", {"Text1=150", "Text2=48", "Text3=0.86", "Text4=190", "Text20=250", "Text21=50", "Text5=0.35", "Text6=0.32", "Text7=107", "Text8=60", "Text9=0.43", "Text27=20", "Text22=3"},
      {"Text15=0.649216871328679", "Text16=1.83006870001037", "Text17=7.16666666666667", "Text10=1052.08982955435", "Text12=56.2323792834891", "Text13=13.3177570093458", "Text11=59.0122367999999", "Text14=0.403918285221264", "Text19=202.673333333333", "Text18=602.673333333333", "Text23=7.72721090958545", "Text24=0.997443405339245", "Text25=4.8489402907687", "Text26=3.70764034709949", "Text28=154.544218191709"});
  // pins Text15; Text26 against ÷ (Vout·Vout) and (Pout ÷ Vout) squared, not (Is − Io)(Is + Io)
  row("36 W at 19 V", "Command1", {"Text1=36", "Text2=19", "Text3=0.82", "Text4=85", "Text20=240", "Text21=70", "Text5=0.5", "Text6=0.22", "Text7=26", "Text8=65", "Text9=0.48", "Text27=50", "Text22=1.5"},
      {"Text15=0.365275305968802", "Text16=1.01465362769112", "Text17=7.38461538461538", "Text10=874.738825993841", "Text12=155.167294244217", "Text13=26.5734265734265", "Text11=25.6550666666665", "Text14=0.898845312967778", "Text19=110.944615384615", "Text18=516.944615384615", "Text23=5.92475560383138", "Text24=0.536904233148045", "Text25=3.263100946353", "Text26=2.65665204444594", "Text28=296.237780191569"});
  // pins Text10 against Vin·1.414 paired and ÷ Ipk before × 1.414, not 1.414 or ÷ Ipk first;
  // Text18 against the reflected voltage added last, not the margin added last
  row("40 W at 13.5 V", "Command1", {"Text1=40", "Text2=13.5", "Text3=0.83", "Text4=95", "Text20=250", "Text21=80", "Text5=0.4", "Text6=0.32", "Text7=173", "Text8=120", "Text9=0.38", "Text27=150", "Text22=4.7"},
      {"Text15=0.358764022067575", "Text16=1.18014480943281", "Text17=3.16666666666667", "Text10=360.445879127135", "Text12=7.68385717726398", "Text13=1.25993497109827", "Text11=9.69120450000008", "Text14=0.0355921518443716", "Text19=82.3312903225805", "Text18=512.331290322581", "Text23=7.19724777245179", "Text24=0.588023262355326", "Text25=4.5806773991498", "Text26=3.49334451710557", "Text28=1079.58716586777"});
  // pins Text12 against ÷ (Ae·Bmax), 1.414 first and ton·1.414 paired, not ÷ Bmax before ÷ Ae
  row("65 W at 48 V", "Command1", {"Text1=65", "Text2=48", "Text3=0.9", "Text4=176", "Text20=270", "Text21=80", "Text5=0.7", "Text6=0.35", "Text7=40", "Text8=130", "Text9=0.55", "Text27=100", "Text22=3.3"},
      {"Text15=0.29020759218779", "Text16=0.811769488637175", "Text17=4.23076923076923", "Text10=1297.02602596431", "Text12=75.2061538461539", "Text13=11.8681318681319", "Text11=32.3003076923079", "Text14=0.21908250479679", "Text19=304.167111111111", "Text18=762.167111111111", "Text23=5.14403292181069", "Text24=0.409789514141341", "Text25=2.34885803638495", "Text26=1.91920991920609", "Text28=514.403292181069"});
  // pins Text14
  row("60 W at 36 V", "Command1", {"Text1=60", "Text2=36", "Text3=0.75", "Text4=176", "Text20=276", "Text21=50", "Text5=0.7", "Text6=0.28", "Text7=83", "Text8=40", "Text9=0.47", "Text27=30", "Text22=2.2"},
      {"Text15=0.321460717500321", "Text16=1.05224457446914", "Text17=11.75", "Text10=2778.96609870879", "Text12=125.824096385542", "Text13=20.5249569707401", "Text11=73.9469249999999", "Text14=0.593898356376843", "Text19=220.690716981132", "Text18=657.090716981132", "Text23=6.45057248830835", "Text24=0.49103494120469", "Text25=3.19656078695069", "Text26=2.72767723290221", "Text28=193.517174649251"});
  // pins Text17
  row("30 W at 18 V", "Command1", {"Text1=30", "Text2=18", "Text3=0.9", "Text4=190", "Text20=240", "Text21=30", "Text5=0.35", "Text6=0.2", "Text7=32", "Text8=110", "Text9=0.5", "Text27=100", "Text22=2.2"},
      {"Text15=0.124072557631703", "Text16=0.300781957895038", "Text17=4.54545454545454", "Text10=4060.02350249999", "Text12=190.809659090909", "Text13=12.7840909090909", "Text11=18.2249999999999", "Text14=0.360422405876952", "Text19=268.66", "Text18=634.66", "Text23=4.48933782267116", "Text24=0.176776050361983", "Text25=2.63848076056947", "Text26=2.04543465945932", "Text28=448.933782267116"});
  // pins Text13
  row("75 W at 13.5 V", "Command1", {"Text1=75", "Text2=13.5", "Text3=0.88", "Text4=176", "Text20=270", "Text21=60", "Text5=0.55", "Text6=0.28", "Text7=52", "Text8=120", "Text9=0.48", "Text27=60", "Text22=3.3"},
      {"Text15=0.342465253018808", "Text16=0.984095554651747", "Text17=4", "Text10=1011.54404701307", "Text12=68.3692307692308", "Text13=4.01785714285714", "Text11=3.4934328", "Text14=0.301807182964818", "Text19=229.720615384616", "Text18=667.720615384616", "Text23=16.7457064008788", "Text24=0.506020364852247", "Text25=8.96221278824613", "Text26=7.03257140247707", "Text28=1004.74238405273"});

  // Rows found with tests/find_pins.py: each reordering it names for these
  // formulas shows another text. Text18 with the margin or the reflected
  // voltage added last gives 571.446666666666; Text11 divided by Np·Np, as the
  // ratio squared, or with Lp first or last 47.7252.
  row("20 W from 110 V at a quarter duty", "Command1", {"Text4=110", "Text9=0.25", "Text5=0.527"},
      {"Text15=0.160730358750161", "Text16=0.872941527495783", "Text17=5", "Text10=890.895868169998", "Text12=31.2329317269076", "Text13=7.2289156626506", "Text11=47.7251999999999", "Text14=0.11414747017034", "Text19=51.8466666666666", "Text18=571.446666666667", "Text23=3.77159236629706", "Text24=0.32824700527973", "Text25=2.45641077511997", "Text26=1.80448777173682", "Text28=377.159236629706"});
  // K(K ÷ 3 − 1) + 1, K ÷ 3 × K, (1 − K) + K·K ÷ 3 or the root split give
  // 0.414310046135093 for Text24 and 5.86073667816055 for Text25.
  row("45 W, ramp factor 0.606", "Command1", {"Text1=45", "Text20=280", "Text21=100", "Text5=0.606", "Text9=0.32", "Text27=50"},
      {"Text15=0.22731865023237", "Text16=1.01918333138616", "Text17=6.4", "Text10=1553.8715668025", "Text12=63.6016064257028", "Text13=6.55421686746988", "Text11=16.5013913600001", "Text14=0.271386838602615", "Text19=116.447058823529", "Text18=608.447058823529", "Text23=9.89007511182374", "Text24=0.414310046135094", "Text25=5.86073667816056", "Text26=4.50396873998216", "Text28=494.503755591187"});
  // Text10 with 1.414 first, Vin·1.414 paired, ÷ Ipk before × 1.414 or ÷ Ipk
  // first gives 997.223467534562; Text12 divided by Ae·Bmax, by Bmax before
  // Ae, with 1.414 first or ton·1.414 paired 64.3292307692308.
  row("20 W from 90 V at 100 kHz", "Command1", {"Text4=90", "Text20=300", "Text21=40", "Text5=0.545", "Text6=0.35", "Text7=26", "Text8=100", "Text9=0.46", "Text27=50"},
      {"Text15=0.196448216250196", "Text16=0.587025896459573", "Text17=4.6", "Text10=997.223467534561", "Text12=64.3292307692307", "Text13=7.12087912087911", "Text11=12.2192064", "Text14=0.135514951420695", "Text19=108.406666666667", "Text18=568.406666666667", "Text23=5.30312672351618", "Text24=0.296342762445774", "Text25=2.90059459754923", "Text26=2.37395687440905", "Text28=265.156336175809"});
  // Text26 with the subtrahend over Vout·Vout, as (Pout ÷ Vout) squared, or
  // as (Is − Io)(Is + Io) with Io = Pout ÷ Vout gives 8.01369337213405.
  row("65 W at 12 V", "Command1", {"Text1=65", "Text21=40", "Text6=0.35", "Text9=0.48", "Text27=50"},
      {"Text15=0.328349161446757", "Text16=0.977229647162967", "Text17=9.6", "Text10=2430.87180878769", "Text12=81.7734939759036", "Text13=4.2960413080895", "Text11=6.709248", "Text14=0.286768063507675", "Text19=228.415384615385", "Text18=638.015384615385", "Text23=18.6011904761905", "Text24=0.488223775240664", "Text25=9.67261904761906", "Text26=8.01369337213406", "Text28=930.059523809525"});
}

OMBREL_ROW_TEST("FlybackForm")
#include "moc_calc_rows.cpp"
