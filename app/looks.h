// SPDX-License-Identifier: GPL-3.0-or-later
// How the program's windows look, the same in every window: the dialog
// frame, design twips to pixels, the tint of results and the looks of the
// marks, colours mixed from the palette, tooltips as escaped rich text, and
// the engine's UTF-8 texts as QStrings.
#pragma once

#include <QColor>
#include <QString>
#include <string_view>

#include "common/marks.h"

class QLineEdit;

namespace ombrel {

// A UTF-8 text of the engine as Qt's: qs(spec.caption), qs(row.window).
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// A plain text as a tooltip: rich text holding the text escaped, kept line
// for line and blank for blank ("a<b\n\nc" shows as typed): an output's
// tooltip starts with whatever was typed there, and Qt would take a leading
// tag for markup.
QString tipHtml(std::string_view plain);

// The dialog frame every window of the program has: title bar with a close
// button only, no minimise or maximise.
Qt::WindowFlags dialogFrame();

// Design twips to pixels: 15 twips a pixel.
int pixels(int twips);

// The colour `share` of the way from `a` to `b` (0 is a, 1 is b).
QColor mixed(const QColor& a, const QColor& b, double share);

// A field drawn by its mark: inputs read otherwise underlined in dark amber,
// results left over or out of date in grey italics, impossible ones bold,
// underlined, dark red, those past their limit bold, underlined, dark violet;
// results typed by hand (or computed from one) dark blue on pale yellow,
// those a check questions dark teal with a line over them; plain in the
// window's text colour.
void showLook(QLineEdit* edit, Look look);
// The tinted base every result field has.
void tintAsResult(QLineEdit* edit);
// Whether a field's text is wider than the room the field gives it.
bool widerThanField(const QLineEdit* edit);

}  // namespace ombrel
