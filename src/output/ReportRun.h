#pragma once
// The page renderer hooked into a report run, as the report status form runs it: the status
// display, the four events, and the closing status line.
#include "output/PageRenderer.h"
#include "report/Report.h"

namespace qf {

// Runs the report of one page; returns the renderer's result (aborted, warnings, metrics).
RenderResult RunRenderReport(Report& report, PageRenderer& renderer);

}  // namespace qf
