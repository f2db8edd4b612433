#pragma once
// The page renderer hooked into a report run, as the report status form runs it: the status
// display, the four events, and the closing status line.
#include <functional>

#include "output/PageRenderer.h"
#include "report/Report.h"

namespace qf {

// Runs the report of one page; returns the renderer's result (aborted, warnings, metrics).
// `pump`, when given, runs before each check of the abort flag: the status window uses it to
// show the status and to take the user's Cancel while the page is drawn.
RenderResult RunRenderReport(Report& report, PageRenderer& renderer, const std::function<void()>& pump = {});

}  // namespace qf
