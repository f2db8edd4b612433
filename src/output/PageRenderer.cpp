#include "output/PageRenderer.h"

#include <cmath>

#include "base/Ansi.h"
#include "base/FileUtil.h"
#include "layouts/PageObjects.h"
#include "output/RenderContext.h"
#include "report/Picture.h"

namespace qf {
namespace {

constexpr double kInchesPerCm = 0.3937007874015748;
// Tiles of a picture smaller than this are not worth drawing across a whole page.
constexpr long kMaxTiles = 10000;

struct NamedPaper {
    const char* name;
    int code;
};
constexpr NamedPaper kPaperCodes[] = {{"Letter", 1}, {"Legal", 5}, {"A4", 9}, {"A5", 11}, {"B5", 13}, {"Executive", 7}};

}  // namespace

double PageScale(double pageWidth, double pageHeight, const PageLayoutRecord& layout) {
    // A damaged layout with no page size constrains nothing along that side.
    const double sx = layout.pixelWidth > 0 ? pageWidth / layout.pixelWidth : 0;
    const double sy = layout.pixelHeight > 0 ? pageHeight / layout.pixelHeight : 0;
    if (sx > 0 && sy > 0) return std::min(sx, sy);
    return std::max(sx, sy);
}

namespace {

void DrawBitmap(RenderContext& ctx, const PageObject& object, const Picture* picture) {
    if (!picture) return;
    Surface& s = ctx.surface;
    const RectIn rect = ctx.ObjectRect(object);
    if (object.transparent) {
        const double w = rect.Width();
        const double h = rect.Height();
        if (!(w > 0) || !(h > 0)) return;
        const long across = static_cast<long>(std::ceil(ctx.result.pageWidth / w));
        const long down = static_cast<long>(std::ceil(ctx.result.pageHeight / h));
        if (across * down > kMaxTiles) return;
        for (long j = 0; j < down; ++j)
            for (long i = 0; i < across; ++i) s.DrawPicture(*picture, i * w, j * h, (i + 1) * w, (j + 1) * h);
        return;
    }
    s.DrawPicture(*picture, rect.left, rect.top, rect.right, rect.bottom);
    ctx.DrawBorder(object, rect);
}

void DrawObject(RenderContext& ctx, PageObject& object, int slot, const Picture* picture) {
    const PrintOptions& o = ctx.options;
    switch (object.Kind()) {
    case ObjectKind::Title:
        if (o.printTitle) DrawOneLineText(ctx, object, slot, ctx.puzzle.title.Str());
        if (o.answerKey && o.markAnswerKey) DrawAnswerKeyMark(ctx, object);
        break;
    case ObjectKind::Puzzle:
        if (o.printBody) DrawGrid(ctx, object, slot);
        break;
    case ObjectKind::DownHeader:
        if (o.printClues) DrawOneLineText(ctx, object, slot, ctx.headings.down);
        break;
    case ObjectKind::AcrossHeader:
        if (o.printClues) DrawOneLineText(ctx, object, slot, ctx.headings.across);
        break;
    case ObjectKind::DownClues:
        if (o.printClues) DrawClueBlock(ctx, object, slot, false);
        break;
    case ObjectKind::AcrossClues:
        if (o.printClues) DrawClueBlock(ctx, object, slot, true);
        break;
    case ObjectKind::WordList:
        if (o.printWords) DrawWordList(ctx, object, slot);
        break;
    case ObjectKind::BonusQuestion:
        if (o.printBonus && !ctx.puzzle.bonusQuestion.Empty()) {
            SetObjectText(object, ctx.puzzle.bonusQuestion.Str());
            DrawOneLineText(ctx, object, slot, ObjectText(object));
        }
        break;
    case ObjectKind::CombinedClues:
        if (o.printClues) DrawCombinedClues(ctx, object, slot);
        break;
    case ObjectKind::Text: DrawTextBlock(ctx, object, slot); break;
    case ObjectKind::Bitmap: DrawBitmap(ctx, object, picture); break;
    case ObjectKind::Rectangle:
    case ObjectKind::Circle: DrawShape(ctx, object); break;
    }
}

}  // namespace

LoadedPictures LoadLayoutPictures(const PageLayoutRecord& layout) {
    LoadedPictures pictures;
    for (int i = 0; i < layout.UsedObjects(); ++i) {
        const PageObject& o = layout.objects[static_cast<std::size_t>(i)];
        if (o.Kind() != ObjectKind::Bitmap || o.bitmapFile.Empty()) continue;
        const std::string path = AnsiToUtf8(o.bitmapFile.Str());
        // A file that is there but cannot be read as a picture counts as missing too.
        auto picture = FileExists(path) ? Picture::Load(path) : nullptr;
        if (!picture) pictures.anyMissing = true;
        pictures.bySlot[static_cast<std::size_t>(i)] = std::move(picture);
    }
    return pictures;
}

void SetUpPaper(Surface& surface, const PageLayoutRecord& layout) {
    const bool portrait = layout.portrait == 1;
    surface.SetOrientation(portrait ? PageOrientation::Portrait : PageOrientation::Landscape);
    const std::string paper = layout.paperName.Str();
    for (const NamedPaper& p : kPaperCodes)
        if (paper == p.name) {
            surface.SelectPaper(p.code);
            return;
        }
    const double factor = layout.inches ? 1.0 : kInchesPerCm;
    double w = layout.pageWidth * factor;
    double h = layout.pageHeight * factor;
    if (!(w > 0 && w < 1000) || !(h > 0 && h < 1000)) {
        surface.SelectPaper(1);  // a damaged custom size: Letter rather than no page
        return;
    }
    // The layout stores the page as laid out; the paper is given upright and turned by the orientation.
    if (!portrait) std::swap(w, h);
    surface.SetCustomPaper(w, h);
}

void PageRenderer::BeforeReport(Surface& surface) {
    result_ = RenderResult{};
    SetUpPaper(surface, layout_);
    result_.pageWidth = surface.PageWidth();
    result_.pageHeight = surface.PageHeight();
    result_.entryCount = EntryCount(puzzle_);
    result_.scale = PageScale(result_.pageWidth, result_.pageHeight, layout_);
    pictures_ = LoadLayoutPictures(layout_);
    if (pictures_.anyMissing) {
        result_.bitmapsMissing = true;
        result_.warnings.push_back(WarningMessage(kBitmapsMissingText));
    }
}

void PageRenderer::DrawPage(Surface& surface, const std::function<bool()>& aborted) {
    RenderContext ctx{surface, puzzle_, options_, headings_, ListEntries(puzzle_), result_.scale, result_};
    for (int i = 0; i < layout_.UsedObjects(); ++i) {
        if (aborted && aborted()) {
            result_.aborted = true;
            return;
        }
        PageObject& object = layout_.objects[static_cast<std::size_t>(i)];
        DrawObject(ctx, object, i + 1, pictures_.bySlot[static_cast<std::size_t>(i)].get());
    }
}

void PageRenderer::AfterReport(bool aborted) {
    pictures_ = LoadedPictures{};
    if (aborted || result_.aborted) {
        result_.aborted = true;
        return;
    }
    if (result_.cluesDidNotFit) result_.warnings.push_back(WarningMessage(kCluesDidNotFitText));
    if (result_.wordsDidNotFit) result_.warnings.push_back(WarningMessage(kWordsDidNotFitText));
    for (bool flag : result_.textDidNotFit)
        if (flag) {
            result_.warnings.push_back(WarningMessage(kTextDidNotFitText));
            break;
        }
}

RenderResult RenderPage(Surface& surface, const PuzzleRecord& puzzle, PageLayoutRecord& layout,
                        const PrintOptions& options, const PrintHeadings& headings,
                        const std::function<bool()>& aborted) {
    PageRenderer renderer(puzzle, layout, options, headings);
    renderer.BeforeReport(surface);
    renderer.DrawPage(surface, aborted);
    renderer.AfterReport(false);
    return renderer.TakeResult();
}

}  // namespace qf
