#pragma once
// The interface fonts and the screen scale applied to the controls of a window.
#include <QFont>

#include "base/FormGeometry.h"

class QWidget;

namespace qf {

// The kind of control a widget is, as the interface fonts see it.
ControlKind KindOfControl(const QWidget& widget);

// The typeface, style and (where the kind takes it) colour of the interface font the widget's
// kind takes; its size is left alone. Widgets of other kinds are not touched.
void ApplyInterfaceFont(QWidget& widget, const FormLook& look);
// ApplyInterfaceFonts: the same for every control of a window.
void ApplyInterfaceFonts(QWidget& window, const FormLook& look);

// `designFont` at the design size times the scale, then the interface font (when `applyFonts`).
void ApplyLook(QWidget& widget, const QFont& designFont, const FormLook& look, bool applyFonts);

// A Windows colour value (0x00BBGGRR) as a QColor.
QColor ColorOf(std::int32_t windowsColor);

}  // namespace qf
