#include "layouts/LayoutText.h"

#include <array>
#include <memory>
#include <sstream>

#include "layouts/PageObjects.h"

namespace qf {
namespace {

constexpr std::array<const char*, kObjectKindCount> kKindNames{
    "Title", "Puzzle", "Down Header", "Across Header", "Down Clues", "Across Clues", "Word List",
    "Bonus Question", "Combined Clues", "Text", "Bitmap", "Rectangle", "Circle"};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool ParseInt(const std::string& s, int& v) {
    try {
        std::size_t used = 0;
        v = std::stoi(s, &used);
        return used == s.size();
    } catch (...) {
        return false;
    }
}

bool ParseNumber(const std::string& s, double& v) {
    try {
        std::size_t used = 0;
        v = std::stod(s, &used);
        return used == s.size();
    } catch (...) {
        return false;
    }
}

bool ParseColor(const std::string& s, std::int32_t& color) {
    if (s.size() != 7 || s[0] != '#') return false;
    unsigned long rgb = 0;
    try {
        std::size_t used = 0;
        rgb = std::stoul(s.substr(1), &used, 16);
        if (used != 6) return false;
    } catch (...) {
        return false;
    }
    color = Rgb(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
    return true;
}

bool ParseFont(const std::vector<std::string>& w, StoredFont& font) {
    int size = 0;
    if (w.size() < 3 || !ParseInt(w[2], size) || size < 1 || size > 200) return false;
    font.name = w[1];
    font.size = static_cast<std::int16_t>(size);
    font.bold = font.italic = font.underline = font.strikeOut = 0;
    for (std::size_t i = 3; i < w.size(); ++i) {
        if (w[i] == "bold") font.bold = 1;
        else if (w[i] == "italic") font.italic = 1;
        else if (w[i] == "underline") font.underline = 1;
        else if (w[i] == "strikeout") font.strikeOut = 1;
        else return false;
    }
    return true;
}

bool ParseYesNo(const std::vector<std::string>& w, std::uint8_t& flag) {
    if (w.size() != 2 || (w[1] != "yes" && w[1] != "no")) return false;
    flag = w[1] == "yes" ? 1 : 0;
    return true;
}

// Sets the paper, its size in the layout's unit and the page in units of the Small zoom.
bool ParsePaper(const std::vector<std::string>& w, PageLayoutRecord& layout) {
    if (w.size() < 2) return false;
    double width = 0, height = 0;
    bool inches = true;
    std::size_t next = 2;
    if (const PaperSize* paper = FindPaper(w[1])) {
        width = paper->width;
        height = paper->height;
        inches = paper->inches;
    } else if (w[1] == "Custom" && w.size() >= 5 && ParseNumber(w[2], width) && ParseNumber(w[3], height) &&
               (w[4] == "inches" || w[4] == "cm")) {
        inches = w[4] == "inches";
        next = 5;
    } else {
        return false;
    }
    bool portrait = true;
    if (next < w.size()) {
        if (w[next] != "portrait" && w[next] != "landscape") return false;
        portrait = w[next] == "portrait";
        ++next;
    }
    if (next != w.size()) return false;
    if (!portrait) std::swap(width, height);  // a landscape page stores the larger value as its width
    layout.paperName = w[1];
    layout.pageWidth = width;
    layout.pageHeight = height;
    layout.inches = inches ? 1 : 0;
    layout.portrait = portrait ? 1 : 0;
    layout.zoom = 1;
    const double perUnit = inches ? 48 : 20;
    layout.pixelWidth = static_cast<std::int16_t>(width * perUnit);
    layout.pixelHeight = static_cast<std::int16_t>(height * perUnit);
    return true;
}

int KindOf(const std::string& name) {
    for (std::size_t i = 0; i < kKindNames.size(); ++i)
        if (name == kKindNames[i]) return static_cast<int>(i) + 1;
    return 0;
}

std::string TrimLine(const std::string& line) {
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first);
}

std::string RestAfterKey(const std::string& line) {
    const std::size_t key = line.find_first_not_of(' ');
    const std::size_t gap = line.find(' ', key);
    if (gap == std::string::npos) return {};
    const std::size_t value = line.find_first_not_of(' ', gap);
    return value == std::string::npos ? std::string() : line.substr(value);
}

bool ObjectKey(const std::vector<std::string>& w, const std::string& line, PageObject& o) {
    const std::string& key = w[0];
    int n = 0;
    if (key == "name") { o.name = RestAfterKey(line); return w.size() >= 2; }
    if (key == "text") { SetObjectText(o, RestAfterKey(line)); return true; }
    if (key == "bitmap") { o.bitmapFile = RestAfterKey(line); return w.size() >= 2; }
    if (key == "rect") {
        if (w.size() != 5) return false;
        for (int i = 0; i < 4; ++i) {
            if (!ParseInt(w[static_cast<std::size_t>(i) + 1], n)) return false;
            o.rect[static_cast<std::size_t>(i)] = n;
        }
        return true;
    }
    if (key == "font") return ParseFont(w, o.textFont);
    if (key == "numberfont") return ParseFont(w, o.numberFont);
    if (key == "color") return w.size() == 2 && ParseColor(w[1], o.textFont.color);
    if (key == "fill") return w.size() == 2 && ParseColor(w[1], o.fillColor);
    if (key == "blockcolor") return w.size() == 2 && ParseColor(w[1], o.blockColor);
    if (key == "linecolor") return w.size() == 2 && ParseColor(w[1], o.lineColor);
    if (key == "align") {
        if (w.size() != 2) return false;
        if (w[1] == "left") o.alignment = kAlignLeft;
        else if (w[1] == "centre") o.alignment = kAlignCentre;
        else if (w[1] == "right") o.alignment = kAlignRight;
        else return false;
        return true;
    }
    if (key == "columns") {
        if (w.size() != 2 || !ParseInt(w[1], n) || n < 1 || n > 9) return false;
        o.columns = static_cast<std::int16_t>(n);
        return true;
    }
    if (key == "linewidth") {
        if (w.size() != 2 || !ParseInt(w[1], n) || n < 1 || n > 9) return false;
        o.lineWidth = n;
        return true;
    }
    if (key == "border") {
        if (w.size() != 2 || !ParseInt(w[1], n) || n < 1 || n > 9) return false;
        o.useBorder = 1;
        o.borderWidth = static_cast<std::int16_t>(n);
        return true;
    }
    if (key == "split") { o.splitColumns = 1; return w.size() == 1; }
    if (key == "fillshape") { o.fillShape = 1; return w.size() == 1; }
    if (key == "fit") return ParseYesNo(w, o.makeFit);
    if (key == "transparent") return ParseYesNo(w, o.transparent);
    return false;
}

}  // namespace

bool ParseLayoutText(std::string_view text, std::vector<PageLayoutRecord>& layouts, std::string& error) {
    std::istringstream in{std::string(text)};
    std::unique_ptr<PageLayoutRecord> layout;
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> w = Words(line);
        if (w.empty() || w[0][0] == ';') continue;
        if (w[0] == "layout") {
            if (layout) layouts.push_back(*layout);
            layout = std::make_unique<PageLayoutRecord>();
            layout->name = RestAfterKey(line);
            if (RestAfterKey(line).size() > 20) return fail("a layout name has at most 20 characters");
            continue;
        }
        if (!layout) return fail("the first entry must be a layout");
        if (w[0] == "paper") {
            if (!ParsePaper(w, *layout)) return fail("paper NAME [portrait|landscape] or paper Custom W H inches|cm");
            continue;
        }
        if (w[0] == "object") {
            const int kind = KindOf(RestAfterKey(line));
            if (kind == 0) return fail("unknown object kind \"" + RestAfterKey(line) + "\"");
            if (layout->objectCount >= kMaxPageObjects) return fail("a layout holds at most 20 objects");
            PageObject o = NewPageObject(static_cast<ObjectKind>(kind), *layout, HeadingLabels{});
            o.useBorder = 0;
            layout->objects[static_cast<std::size_t>(layout->objectCount)] = o;
            ++layout->objectCount;
            continue;
        }
        if (layout->objectCount == 0) return fail("\"" + w[0] + "\" must follow an object");
        if (!ObjectKey(w, line, layout->objects[static_cast<std::size_t>(layout->objectCount - 1)]))
            return fail("cannot read \"" + TrimLine(line) + "\"");
    }
    if (layout) layouts.push_back(*layout);
    return true;
}

std::string CheckLayoutDesign(const PageLayoutRecord& layout) {
    const std::string name = layout.name.Str();
    if (layout.objectCount < 0 || layout.objectCount > kMaxPageObjects) return name + ": too many objects";
    if (layout.pixelWidth <= 0 || layout.pixelHeight <= 0) return name + ": no paper";
    std::array<int, kObjectKindCount + 1> seen{};
    for (int i = 0; i < layout.objectCount; ++i) {
        const PageObject& o = layout.objects[static_cast<std::size_t>(i)];
        if (o.kind < 1 || o.kind > kObjectKindCount) return name + ": unknown kind";
        ++seen[static_cast<std::size_t>(o.kind)];
        if (o.Left() < 0 || o.Top() < 0 || o.Right() > layout.pixelWidth || o.Bottom() > layout.pixelHeight ||
            o.Left() >= o.Right() || o.Top() >= o.Bottom())
            return name + ": " + o.name.Str() + " lies outside the page";
        for (int j = 0; j < i; ++j) {
            const PageObject& p = layout.objects[static_cast<std::size_t>(j)];
            if (o.Left() < p.Right() && p.Left() < o.Right() && o.Top() < p.Bottom() && p.Top() < o.Bottom())
                return name + ": " + o.name.Str() + " overlaps " + p.name.Str();
        }
    }
    if (seen[static_cast<std::size_t>(ObjectKind::Puzzle)] != 1) return name + ": needs exactly one Puzzle";
    for (int k = 1; k <= 9; ++k)
        if (seen[static_cast<std::size_t>(k)] > 1) return name + ": " + kKindNames[static_cast<std::size_t>(k) - 1] + " twice";
    if (seen[static_cast<std::size_t>(ObjectKind::CombinedClues)] > 0)
        for (int k = 3; k <= 6; ++k)
            if (seen[static_cast<std::size_t>(k)] > 0) return name + ": Combined Clues with headings or clue blocks";
    // Unsplit, the across clues fill the first columns and leave the others empty; split, each
    // list takes half the columns, so an odd count leaves one column unused.
    for (int i = 0; i < layout.objectCount; ++i) {
        const PageObject& o = layout.objects[static_cast<std::size_t>(i)];
        if (o.Kind() == ObjectKind::CombinedClues && o.columns > 1 && (o.splitColumns == 0 || o.columns % 2 != 0))
            return name + ": Combined Clues in several columns must be split into an even number";
    }
    return {};
}

}  // namespace qf
