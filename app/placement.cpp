// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/placement.h"

#include <algorithm>

namespace ombrel {

Box placedBeside(const Box& from, const Box& window, const Box& room) {
  constexpr int gap = 8;
  Box at{from.x + from.width + gap, from.y, std::min(window.width, room.width), std::min(window.height, room.height)};
  at.x = std::max(room.x, std::min(at.x, room.x + room.width - at.width));
  at.y = std::max(room.y, std::min(at.y, room.y + room.height - at.height));
  return at;
}

}  // namespace ombrel
