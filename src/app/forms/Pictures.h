#pragma once
// The main window's pictures (speed buttons, background, hand cursor), drawn from the
// program's own SVG resources.
#include <QCursor>
#include <QPixmap>
#include <QString>

namespace qf {

// The picture called `name` (pictures/<name>.svg) at `size` logical pixels, drawn with `ratio`
// device pixels to each (the device pixel ratio of the screen it is shown on); a null pixmap
// when there is none.
QPixmap Picture(const QString& name, QSize size, qreal ratio = 1);

// The hand cursor of the program's resources ("CursHand"); the platform's pointing hand when
// the picture is missing.
QCursor HandCursor();

}  // namespace qf
