#pragma once
// The small picture of a page layout that the layout chooser, the word list editor and the
// print options show: the page in white and each object as a block of its kind's colour.
#include <QColor>
#include <QImage>

#include "layouts/PageLayoutRecord.h"

namespace qf {

// The colour of a kind in the thumbnail (and in its legend).
QColor ThumbnailColor(ObjectKind kind);

// Clears `image` to `face` and draws `layout` into it from the top-left corner, scaled to fit its
// pixels (all of them, whatever device pixel ratio the image is tagged with).
void DrawLayoutThumbnail(QImage& image, const PageLayoutRecord& layout, const QColor& face);

}  // namespace qf
