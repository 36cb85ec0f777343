// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window beside a calculator stands on the screen, Qt-free: plain
// rectangles in pixels, each a window's frame (title bar and borders
// included), and the room, the screen's area that windows may take (its
// panels left out).
#pragma once

namespace ombrel {

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Box&) const = default;
};

// A window of the size of `window` (where it stands aside) beside `from`,
// inside `room`: 8 pixels right of `from`, tops level; narrowed and
// shortened to the room where it is wider or taller; then moved left and up
// until it ends inside the room, and right and down until it starts inside it:
//   from {0, 0, 560, 554}, 980 × 800, room {0, 0, 1366, 768}       -> {386, 0, 980, 768}
//   from {0, 220, 560, 554}, 980 × 800, room {0, 0, 1366, 1000}    -> {386, 200, 980, 800}
//   from {100, 100, 300, 200}, 400 × 300, room {0, 0, 1366, 768}   -> {408, 100, 400, 300}
//   from {0, 0, 300, 200}, 400 × 300, room {0, 30, 1366, 738}      -> {308, 30, 400, 300}
//   from {1200, 500, 160, 100}, 400 × 300, room {0, 0, 1366, 768}  -> {966, 468, 400, 300}
//   from {0, 0, 560, 554}, 980 × 800, room {0, 0, 800, 600}        -> {0, 0, 800, 600}
Box placedBeside(const Box& from, const Box& window, const Box& room);

}  // namespace ombrel
