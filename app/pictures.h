// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the calculator windows (the loop and TL431 circuits), as
// the window tables name them: ":/pictures/huanlu.svg" is drawn as a vector
// into its whole box, sharp at any screen scale (where Qt Svg is missing, as
// the PNGs rendered from it at build time, the one that suits the screen);
// any other resource is shown as a bitmap, stretched where the table says so.
#pragma once

#include <QString>

class QWidget;

namespace ombrel {

QWidget* makePicture(const QString& resource, bool stretch, QWidget* parent);

}  // namespace ombrel
