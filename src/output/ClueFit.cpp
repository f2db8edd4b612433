#include "output/ClueFit.h"

#include <memory>
#include <vector>

#include "output/ClueLayout.h"
#include "output/PageRenderer.h"
#include "output/RenderContext.h"
#include "report/FontMeasure.h"

namespace qf {
namespace {

// Measures text as the page's surfaces do and draws nothing.
class MeasureSurface : public Surface {
public:
    bool NewPage() override { return false; }
    void SetFont(const FontChoice& font) override {
        font_ = font;
        measure_.SetFont(font);
    }
    const FontChoice& Font() const override { return font_; }
    double TextWidth(std::string_view text) override { return measure_.TextWidth(text); }
    double TextHeight(std::string_view) override { return measure_.TextHeight(); }
    double Ascent() override { return measure_.Ascent(); }
    double Descent() override { return measure_.Descent(); }
    void SetTextTransparent(bool) override {}
    void TextOut(double, double, std::string_view) override {}
    void SetPenColor(std::int32_t) override {}
    void SetBrushColor(std::int32_t) override {}
    void MoveTo(double, double) override {}
    void LineTo(double, double) override {}
    void FillRect(double, double, double, double) override {}
    void FillEllipse(double, double, double, double) override {}
    void EllipseOutline(double, double, double, double) override {}
    double DotsPerInchX() const override { return 600; }
    double DotsPerInchY() const override { return 600; }
    void DrawPicture(const Picture&, double, double, double, double) override {}

private:
    FontChoice font_;
    FontMeasure measure_;
};

struct Block {
    FontChoice font;
    double clueWidth = 0;
    int rows = 0;
};

struct FitState {
    MeasureSurface surface;
    std::vector<Block> blocks;
};

bool IsClueBlock(ObjectKind kind) {
    return kind == ObjectKind::AcrossClues || kind == ObjectKind::DownClues || kind == ObjectKind::CombinedClues;
}

}  // namespace

std::function<bool(const std::string&)> MakeClueFit(const PageLayoutRecord& layout) {
    EnsureGuiApplication();
    auto state = std::make_shared<FitState>();
    SetUpPaper(state->surface, layout);
    auto puzzle = std::make_unique<PuzzleRecord>();
    const PrintOptions options;
    const PrintHeadings headings;
    RenderResult result;
    result.pageWidth = state->surface.PageWidth();
    result.pageHeight = state->surface.PageHeight();
    const double scale = PageScale(result.pageWidth, result.pageHeight, layout);
    RenderContext ctx{state->surface, *puzzle, options, headings, {}, scale, result};
    for (int i = 0; i < layout.UsedObjects(); ++i) {
        const PageObject& object = layout.objects[static_cast<std::size_t>(i)];
        if (!IsClueBlock(object.Kind())) continue;
        const ClueBlockMetrics m = MeasureClueBlock(ctx, object);
        state->blocks.push_back({state->surface.Font(), m.clueTextWidth, m.rowsPerColumn});
    }
    return [state](const std::string& clue) {
        for (const Block& block : state->blocks) {
            state->surface.SetFont(block.font);
            const BrokenClue broken = BreakClue(state->surface, clue, block.clueWidth);
            if (!broken.breakable || broken.tooLong || static_cast<int>(broken.lines.size()) > block.rows) return false;
        }
        return true;
    };
}

}  // namespace qf
