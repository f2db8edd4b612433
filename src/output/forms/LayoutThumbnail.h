#pragma once
// The small picture of a page layout: the white page and each object in its kind's colour.
#include <QImage>

#include "layouts/PageLayoutRecord.h"

namespace qf {

// Draws `layout` into `image`, which is first cleared to `face`.
void DrawLayoutThumbnail(QImage& image, const PageLayoutRecord& layout, const QColor& face);

}  // namespace qf
