// One-line texts (title, headings, bonus question) and wrapped text blocks.
#include <algorithm>

#include "base/TextHelpers.h"
#include "layouts/PageObjects.h"
#include "output/RenderContext.h"

namespace qf {
namespace {

bool BreakAt(const std::string& s, std::size_t i) {
    return s[i] == '\n' || (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n');
}

// A token: an optional line break, any blanks, then the characters up to the next blank or break.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        if (BreakAt(text, i)) i += text[i] == '\r' ? 2 : 1;
        while (i < text.size() && text[i] == ' ') ++i;
        while (i < text.size() && text[i] != ' ' && !BreakAt(text, i)) ++i;
        tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

bool BeginsWithBreak(const std::string& token) { return !token.empty() && BreakAt(token, 0); }

bool BlankOnly(const std::string& token) {
    return !token.empty() && std::all_of(token.begin(), token.end(), [](char c) { return c == ' '; });
}

// A recorded line as it is drawn: its leading line break removed, blanks trimmed.
std::string Shown(const std::string& line) {
    std::size_t skip = 0;
    if (BeginsWithBreak(line)) skip = line[0] == '\r' ? 2 : 1;
    return TrimBlanks(std::string_view(line).substr(skip));
}

// The lines a text takes at the least: its first (two when the text opens with a line break,
// which leaves the first line blank), and one for every later token that starts a line of its own.
std::size_t ForcedLines(const std::vector<std::string>& tokens) {
    if (tokens.empty()) return 0;
    const std::size_t first = BeginsWithBreak(tokens.front()) ? 2 : 1;
    return first + static_cast<std::size_t>(std::count_if(tokens.begin() + 1, tokens.end(), [](const std::string& t) {
               return BlankOnly(t) || BeginsWithBreak(t);
           }));
}

struct Wrapped {
    std::vector<std::string> lines;
    bool fits = true;
};

Wrapped WrapText(Surface& surface, const std::vector<std::string>& tokens, double width, int rows) {
    Wrapped w;
    auto close = [&](const std::string& line) {
        if (surface.TextWidth(Shown(line)) > width) w.fits = false;
        w.lines.push_back(line);
    };
    std::string current;
    bool started = false;
    for (const std::string& token : tokens) {
        if (!started) {
            // A text that opens with a line break closes its first line empty: a blank line.
            if (BeginsWithBreak(token)) close(std::string());
            current = token;
            started = true;
            continue;
        }
        if (!BlankOnly(token) && !BeginsWithBreak(token) && surface.TextWidth(Shown(current + token)) <= width) {
            current += token;
            continue;
        }
        close(current);
        current = token;
        if (static_cast<int>(w.lines.size()) == kMaxTextLines) {
            w.fits = false;  // the rest of the text has no line left
            started = false;
            break;
        }
    }
    if (started) close(current);
    if (static_cast<int>(w.lines.size()) > rows) w.fits = false;
    return w;
}

}  // namespace

void DrawOneLineText(RenderContext& ctx, PageObject& object, int slot, const std::string& text) {
    Surface& s = ctx.surface;
    const RectIn rect = ctx.ObjectRect(object);
    const auto fits = [&](int pt) {
        ctx.SetFont(object.textFont, pt);
        return s.TextWidth(text) < rect.Width() && s.TextHeight(text) < rect.Height();
    };
    const auto tooLarge = [&](int pt) {
        const FontChoice f = ctx.FontAt(object.textFont, pt);
        return s.TextWidthFloor(f, text) >= rect.Width() || s.TextHeightFloor(f, text) >= rect.Height();
    };
    const int size = ShrinkToFit(object.textFont.size, object.makeFit != 0, kOneLineFloor, fits, tooLarge);
    ctx.SetFont(object.textFont, size);
    object.fittedFontSize = static_cast<std::int16_t>(s.Font().size);
    ctx.result.fittedFontSize[static_cast<std::size_t>(slot - 1)] = s.Font().size;

    const double x = ctx.AlignedX(object, rect, s.TextWidth(text));
    const double y = rect.bottom - rect.Height() / 2 + (s.Ascent() - s.Descent()) / 2;
    s.SetTextTransparent(object.transparent == 1);
    s.TextOut(x, y, text);
    ctx.DrawBorder(object, rect);
}

void DrawAnswerKeyMark(RenderContext& ctx, const PageObject& title) {
    Surface& s = ctx.surface;
    const RectIn rect = ctx.ObjectRect(title);
    const int drawn = title.fittedFontSize > 0 ? title.fittedFontSize : title.textFont.size;
    ctx.SetFont(title.textFont, std::max(6, drawn / 2));
    const std::string text = kAnswerKeyMark;
    s.SetTextTransparent(true);
    s.TextOut(ctx.AlignedX(title, rect, s.TextWidth(text)), rect.bottom + s.Ascent(), text);
}

void DrawTextBlock(RenderContext& ctx, PageObject& object, int slot) {
    Surface& s = ctx.surface;
    const RectIn rect = ctx.ObjectRect(object);
    const std::vector<std::string> tokens = Tokens(ObjectText(object));
    Wrapped wrapped;
    const auto layOut = [&](int pt) {
        ctx.SetFont(object.textFont, pt);
        wrapped = WrapText(s, tokens, rect.Width(), ctx.RowsPerColumn(rect.Height()));
        return wrapped.fits;
    };
    // A line break or a blank-only token always starts a line, however wide the object; and the
    // line that holds a token is at least as wide as the token.
    const std::size_t lines = ForcedLines(tokens);
    std::vector<std::string> shown;
    for (const std::string& token : tokens) shown.push_back(Shown(token));
    const std::string widest = ctx.WidestByFloor(object.textFont, object.textFont.size, shown);
    const auto cannotFit = [&](int pt) {
        return !RowsCanHold(ctx.RowsAtMost(object.textFont, pt, rect.Height()), 1, lines) ||
               (!widest.empty() && s.TextWidthFloor(ctx.FontAt(object.textFont, pt), widest) > rect.Width());
    };
    const int size = ShrinkToFit(object.textFont.size, object.makeFit != 0, kBlockFloor, layOut, cannotFit);
    const auto index = static_cast<std::size_t>(slot - 1);
    object.fittedFontSize = static_cast<std::int16_t>(s.Font().size);
    ctx.result.fittedFontSize[index] = s.Font().size;

    const double lineHeight = s.TextHeight(kRowSample);
    TextBlockMetrics& m = ctx.result.texts[index];
    m.present = true;
    m.fontSize = size;
    m.lineHeight = lineHeight;
    m.lines = wrapped.lines;
    m.fits = wrapped.fits;
    if (!wrapped.fits) ctx.result.textDidNotFit[index] = true;

    s.SetTextTransparent(object.transparent == 1);
    for (std::size_t i = 0; i < wrapped.lines.size(); ++i) {
        const std::string line = Shown(wrapped.lines[i]);
        const double x = ctx.AlignedX(object, rect, s.TextWidth(line));
        s.TextOut(x, RowBaseline(rect.top, static_cast<int>(i) + 1, lineHeight), line);
    }
    ctx.DrawBorder(object, rect);
}

}  // namespace qf
