// SPDX-License-Identifier: GPL-3.0-or-later
// How the program is put together at start-up, in one place that the tests
// call as main() does.
#pragma once

#include <memory>

class QApplication;

namespace ombrel {

class Navigator;

// The Song face for every window, and Qt's own texts (message-box buttons,
// a field's context menu) in Simplified Chinese, whatever the machine's locale.
void setUpApplication(QApplication& app);

// The program ends when a close or a 返回 leaves none of its windows shown;
// hidden windows never keep it running, and closing the last window by itself
// ends nothing.
void endWhenNothingShown(QApplication& app, Navigator& navigator);

// The program's start: the application set up, the window slots with
// MainForm, the end wired, MainForm shown. main() runs the event loop next.
std::unique_ptr<Navigator> startProgram(QApplication& app);

}  // namespace ombrel
