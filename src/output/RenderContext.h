#pragma once
// The state one rendering shares between the drawing of its objects, and the steps they share:
// object rectangles, fonts, borders, row metrics and shrinking to fit.
#include <functional>
#include <string>
#include <vector>

#include "output/PrintOptions.h"
#include "output/PuzzleEntries.h"
#include "output/RenderResult.h"
#include "report/Surface.h"

namespace qf {

struct RectIn {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
};

// Floors of shrinking to fit, in points.
inline constexpr int kOneLineFloor = 2;
inline constexpr int kBlockFloor = 3;
inline constexpr int kLetterFloor = 4;

// The sample text whose height gives a block's rows.
inline constexpr const char* kRowSample = "ABCWjkl";

struct RenderContext {
    Surface& surface;
    const PuzzleRecord& puzzle;
    const PrintOptions& options;
    const PrintHeadings& headings;
    PuzzleEntries entries;
    double scale = 0;
    RenderResult& result;

    RectIn ObjectRect(const PageObject& object) const;

    // Sets the surface font from a stored font at `size` points.
    void SetFont(const StoredFont& font, int size);
    // The surface font SetFont would set.
    FontChoice FontAt(const StoredFont& font, int size) const;
    // The object's text font at its own size; returns that size (at least 1 point).
    int SetObjectFont(const PageObject& object);

    // The object's border, if it has one: straight lines, or ellipses for a Circle.
    void DrawBorder(const PageObject& object, const RectIn& rect, bool ellipse = false);
    // A rectangle as four lines in the current pen.
    void FrameRect(const RectIn& rect);
    // `rect` grown by `k` device pixels on every side (shrunk when k is negative).
    RectIn GrowByPixels(const RectIn& rect, long k) const;

    // Rows per column of a block `height` high in the current font (0 when not even one fits).
    int RowsPerColumn(double height);
    // What RowsPerColumn would give at the most in `font` at `size` points, found from the
    // surface's floor of the row sample's height without setting the font.
    int RowsAtMost(const StoredFont& font, int size, double height);
    // Of `texts`, the one whose width floor in `font` at `size` points is the largest (empty when
    // none is wider than nothing): one witness that, too wide at some size, rules that size out.
    std::string WidestByFloor(const StoredFont& font, int size, const std::vector<std::string>& texts);
    // Whether `witness` (not empty) is surely at least `limit` wide at `size` points.
    bool SurelyAsWide(const StoredFont& font, int size, const std::string& witness, double limit);

    // Draws `text` at x by the object's alignment inside [left, left + width].
    double AlignedX(const PageObject& object, const RectIn& rect, double textWidth) const;
};

// Runs `fits(size)` at the font size, and with the make-it-fit flag again one point smaller
// at a time until it fits or the size reaches `floor`. Returns the size last tried.
// `cannotFit(size)`, when given, is a quick test that holds only at sizes where `fits` would
// fail (a block that has fewer rows than entries): such a size is passed over without the
// whole layout. The floor and the size that fits are always laid out in full, so the result,
// and what the last layout left behind, are exactly those of the step-by-step search.
int ShrinkToFit(int size, bool makeFit, int floor, const std::function<bool(int)>& fits,
                const std::function<bool(int)>& cannotFit = {});

// Whether shrinking may pass over sizes by their quick test (on unless turned off). The tests
// and the benchmark turn it off for the plain step-by-step search, whose result must be the same.
void SetFitShortcuts(bool on);

// Rows a block needs at the least: `items` items of one row or more each, plus `extra` rows.
// False when `rows` rows in each of `columns` columns cannot hold them.
bool RowsCanHold(int rows, int columns, std::size_t items, int extra = 0);

// The baseline of a row (1-based) of a block.
inline double RowBaseline(double top, int row, double rowHeight) {
    return top + (row - 1) * rowHeight + 0.8 * rowHeight;
}

// Drawing of the object kinds; `slot` is the object's 1-based slot.
void DrawOneLineText(RenderContext& ctx, PageObject& object, int slot, const std::string& text);
void DrawTextBlock(RenderContext& ctx, PageObject& object, int slot);
// "Answer Key" just under the title, in its font at half the size it was drawn at (6 points at
// least), aligned as the title is.
inline constexpr const char* kAnswerKeyMark = "Answer Key";
void DrawAnswerKeyMark(RenderContext& ctx, const PageObject& title);
void DrawGrid(RenderContext& ctx, PageObject& object, int slot);
void DrawClueBlock(RenderContext& ctx, PageObject& object, int slot, bool across);
void DrawCombinedClues(RenderContext& ctx, PageObject& object, int slot);
void DrawWordList(RenderContext& ctx, PageObject& object, int slot);
void DrawShape(RenderContext& ctx, const PageObject& object);

}  // namespace qf
