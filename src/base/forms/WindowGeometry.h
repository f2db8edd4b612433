#pragma once
// The main window's design geometry taken from, and put back onto, its controls.
#include <vector>

#include "base/FormGeometry.h"

class QSize;
class QWidget;

namespace qf {

// The available area of the screen the window is on (or will open on).
ScreenArea AvailableArea(const QWidget& window);
// What the window's frame adds to its size: measured once it has been shown, before that what a
// decorated desktop usually adds (nothing where windows have no frame).
QSize FrameAllowance(const QWidget& window);

// SaveDimensions: the client size and, for each component in the order it was made, its
// bounds and font size where its kind keeps them.
DesignGeometry SaveDimensions(const QWidget& client, const std::vector<QWidget*>& components);

// RestoreDimensions: every component back at its design bounds and font size, then all of it
// scaled by the look's scale; the window is sized around the client and centred with
// `topOffset` (never above the screen).
void RestoreDimensions(QWidget& window, QWidget& client, const std::vector<QWidget*>& components,
                       const DesignGeometry& design, const FormLook& look, int topOffset);

}  // namespace qf
