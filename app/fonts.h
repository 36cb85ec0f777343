// SPDX-License-Identifier: GPL-3.0-or-later
// The Song face of every window, with fall-backs so that Chinese text shows
// on machines without SimSun.
#pragma once

#include <QFont>

namespace ombrel {

QFont songFont(double points = 9, bool bold = false);

}  // namespace ombrel
