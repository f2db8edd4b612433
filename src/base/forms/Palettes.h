#pragma once
// The dark palette the program takes when asked for one at start, and the contrast between two
// colours, which decides whether a colour chosen for text can be read where it is shown.
#include <QColor>
#include <QPalette>
#include <QStringList>

namespace qf {

// Text this far from its background or more reads well (3 is the least for large text and the
// parts of controls in the web's accessibility guidelines).
inline constexpr double kReadableContrast = 3.0;

// 1 for two equal colours up to 21 for black on white, by the colours' relative luminance.
double ContrastRatio(const QColor& a, const QColor& b);

// `wanted` where it reads on `background`, else `fallback` (the palette's own text colour).
QColor ReadableOn(const QColor& wanted, const QColor& background, const QColor& fallback);

// A palette of light text on dark grey for every role and state the windows use.
QPalette DarkPalette();

// Whether the start asks for a dark palette: "--dark" among the arguments, or a GTK theme that
// is a dark variant ("Name:dark").
bool WantsDarkPalette(const QStringList& arguments, const QString& gtkTheme);

// Whether `palette` already shows light text on a dark window (a desktop theme's dark palette).
bool IsDark(const QPalette& palette);

}  // namespace qf
