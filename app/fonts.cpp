// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fonts.h"

#include <QStringList>

namespace ombrel {

QFont songFont(double points, bool bold) {
  // SimSun first, then Song/Ming-style faces that Debian ships.
  QFont font(QStringList{"SimSun", "宋体", "NSimSun", "AR PL UMing CN", "AR PL SungtiL GB",
                         "Noto Serif CJK SC", "Source Han Serif SC", "Noto Sans CJK SC",
                         "WenQuanYi Zen Hei"});
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace ombrel
