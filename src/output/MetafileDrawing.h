#pragma once
// The parts of the metafile's page drawing, shared between its files.
#include "output/ExportPage.h"
#include "output/RenderContext.h"

namespace qf {

// The size a text object of the metafile is drawn in: the size the last rendering fitted.
int FittedSize(const ExportPage& page, const PageObject& object, int slot);

// The grid, with its numbers and letters placed by their top-left corners.
void DrawMetafileGrid(RenderContext& ctx, const PageObject& object, int slot, const ExportPage& page);

}  // namespace qf
