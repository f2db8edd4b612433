#include "output/Booklet.h"

#include <algorithm>
#include <string>

#include "output/PageRenderer.h"
#include "output/PrintOptions.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace qf {
namespace {

const FontChoice kFootFont{"Arial", 9};
const FontChoice kContentsFont{"Arial", 12};
const FontChoice kContentsHeadingFont{"Arial", 20, 0, true};

std::string TitleOf(const BookletPuzzle& p) { return p.puzzle->title.Str(); }

// "Page N" in the bottom right-hand corner, below where layouts put their objects.
void DrawPageNumber(Surface& s, int number) {
    s.SetFont(kFootFont);
    s.SetTextTransparent(true);
    const std::string text = "Page " + std::to_string(number);
    s.TextOut(s.PageWidth() - 0.5 - s.TextWidth(text), s.PageHeight() - 0.3, text);
}

// The titles, and the keys' titles, each with the page it is on.
void DrawContents(Surface& s, const std::vector<BookletPage>& plan, const std::vector<BookletPuzzle>& puzzles) {
    s.SetTextTransparent(true);
    s.SetFont(kContentsHeadingFont);
    const double left = 1.0;
    const double right = s.PageWidth() - 1.0;
    double y = 1.0 + s.Ascent();
    s.TextOut(left, y, kContentsHeading);
    y += s.TextHeight(kContentsHeading) * 1.5;
    s.SetFont(kContentsFont);
    const double line = s.TextHeight("X") * 1.3;
    for (std::size_t k = 0; k < plan.size(); ++k) {
        if (plan[k].kind == BookletPage::Kind::Contents) continue;
        if (y > s.PageHeight() - 1.0) break;  // a contents page holds about 40 lines
        const std::string title = TitleOf(puzzles[plan[k].puzzle]);
        const std::string text = plan[k].kind == BookletPage::Kind::Key ? kKeyPrefix + title : title;
        const std::string page = std::to_string(k + 1);
        s.TextOut(left, y, text);
        s.TextOut(right - s.TextWidth(page), y, page);
        y += line;
    }
}

void AddWarnings(std::vector<Message>& into, const std::vector<Message>& from) {
    for (const Message& m : from)
        if (std::none_of(into.begin(), into.end(), [&](const Message& seen) { return seen.text == m.text; }))
            into.push_back(m);
}

}  // namespace

std::vector<BookletPage> PlanBooklet(std::size_t puzzles, const BookletOptions& options) {
    std::vector<BookletPage> plan;
    if (puzzles == 0) return plan;
    if (options.contents) plan.push_back({BookletPage::Kind::Contents, 0});
    for (std::size_t i = 0; i < puzzles; ++i) {
        plan.push_back({BookletPage::Kind::Puzzle, i});
        if (options.keys == KeyPlacement::After) plan.push_back({BookletPage::Kind::Key, i});
    }
    if (options.keys == KeyPlacement::Back)
        for (std::size_t i = 0; i < puzzles; ++i) plan.push_back({BookletPage::Kind::Key, i});
    return plan;
}

BookletResult DrawBooklet(Surface& surface, std::vector<BookletPuzzle>& puzzles, const Settings& settings,
                          const BookletOptions& options, const BookletProgress& progress) {
    BookletResult result;
    for (const BookletPuzzle& p : puzzles)
        if (!p.puzzle->generated) {
            result.outcome = Outcome::Refused(WarningMessage(std::string(kNeverGeneratedText) + "  (" + TitleOf(p) + ")"));
            return result;
        }
    const std::vector<BookletPage> plan = PlanBooklet(puzzles.size(), options);
    const int total = static_cast<int>(plan.size());
    for (int k = 0; k < total; ++k) {
        const BookletPage& page = plan[static_cast<std::size_t>(k)];
        BookletPuzzle& p = puzzles[page.puzzle];
        SetUpPaper(surface, p.layout);
        if (k > 0 && !surface.NewPage()) {
            result.outcome = Outcome::Refused(ErrorMessage("The booklet's pages could not be made."));
            return result;
        }
        if (page.kind == BookletPage::Kind::Contents) {
            DrawContents(surface, plan, puzzles);
        } else {
            // As the print options form does when it opens: headings and boxes follow the layout.
            PageLayoutRecord layout = p.layout;  // the renderer writes its fitted sizes into it
            PrintOptions print = PrintOptionsFromSettings(settings);
            const PrintHeadings headings = DerivePrintOverrides(layout, settings, print);
            print.partialAnswer = false;
            print.partialLetters = false;
            print.answerKey = page.kind == BookletPage::Kind::Key;
            print.markAnswerKey = print.answerKey;  // each key says whose key it is, under the title
            if (!print.answerKey && !options.letters.empty()) {
                print.partialLetters = true;
                print.letters = options.letters;
            }
            const RenderResult rendered = RenderPage(surface, *p.puzzle, layout, print, headings);
            AddWarnings(result.warnings, rendered.warnings);
        }
        if (options.pageNumbers) DrawPageNumber(surface, k + 1);
        result.pages = k + 1;
        if (progress && !progress(k + 1, total)) {
            result.outcome = Outcome::Cancelled();
            return result;
        }
    }
    result.outcome = Outcome::Done();
    return result;
}

BookletResult WriteBookletPdf(const std::string& path, std::vector<BookletPuzzle>& puzzles, const Settings& settings,
                              const BookletOptions& options, const BookletProgress& progress) {
    PdfTarget target(path, 300);  // made in memory; written as a whole file when finished
    BookletResult result;
    {
        QPainterSurface surface(target);
        result = DrawBooklet(surface, puzzles, settings, options, progress);
        if (!result.outcome.IsDone()) {
            target.Discard();
            return result;
        }
        if (!surface.Finish())
            result.outcome = Outcome::Refused(ErrorMessage("The booklet could not be written to " + path + "."));
    }
    return result;
}

}  // namespace qf
