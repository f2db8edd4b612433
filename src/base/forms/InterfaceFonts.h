#pragma once
// The interface fonts and the screen scale applied to the controls of a window.
#include <QFont>

#include "base/FormGeometry.h"

class QWidget;

namespace qf {

// The kind of control a widget is, as the interface fonts see it.
ControlKind KindOfControl(const QWidget& widget);

// `designFont` with the typeface and style of the interface font the widget's kind takes (when
// `applyFonts`), at the design size times the scale. The colour is set on the widget's palette.
void ApplyLook(QWidget& widget, const QFont& designFont, const FormLook& look, bool applyFonts);

// A Windows colour value (0x00BBGGRR) as a QColor.
QColor ColorOf(std::int32_t windowsColor);

}  // namespace qf
