#include "shapes/ShapeText.h"

#include <algorithm>
#include <optional>

#include "shapes/ShapeFiles.h"

namespace qf {
namespace {

struct Pending {
    std::string name;
    std::vector<std::string> rows;
    int line = 0;
};

bool Finish(const Pending& p, std::vector<ShapeRecord>& shapes, std::string& error) {
    std::size_t width = 0;
    for (const auto& row : p.rows) width = std::max(width, row.size());
    if (p.rows.empty() || width == 0 || width > static_cast<std::size_t>(kGridSide) ||
        p.rows.size() > static_cast<std::size_t>(kGridSide)) {
        error = "line " + std::to_string(p.line) + ": shape \"" + p.name + "\" must be 1 to 50 cells each way";
        return false;
    }
    ShapeRecord shape;
    shape.name = p.name;
    shape.width = static_cast<std::int16_t>(width);
    shape.height = static_cast<std::int16_t>(p.rows.size());
    for (std::size_t r = 0; r < p.rows.size(); ++r)
        for (std::size_t c = 0; c < p.rows[r].size(); ++c)
            shape.Cell(CellIndex(static_cast<int>(r) + 1, static_cast<int>(c) + 1)) = p.rows[r][c] == '#' ? 1 : 0;
    shapes.push_back(shape);
    return true;
}

}  // namespace

bool ParseShapeText(std::string_view text, std::vector<ShapeRecord>& shapes, std::string& error) {
    std::optional<Pending> pending;
    int lineNo = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        start = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 2) {
                error = "line " + std::to_string(lineNo) + ": a shape name is written [Name]";
                return false;
            }
            if (pending && !Finish(*pending, shapes, error)) return false;
            pending = Pending{line.substr(1, line.size() - 2), {}, lineNo};
            if (pending->name.size() > 50) {
                error = "line " + std::to_string(lineNo) + ": a shape name has at most 50 characters";
                return false;
            }
            continue;
        }
        if (!pending || line.find_first_not_of("#.") != std::string::npos) {
            error = "line " + std::to_string(lineNo) + ": rows hold only '#' and '.' and follow a [Name]";
            return false;
        }
        pending->rows.push_back(line);
    }
    return !pending || Finish(*pending, shapes, error);
}

std::string ShapeToText(const ShapeRecord& shape) {
    std::string text = "[" + shape.name.Str() + "]\n";
    if (!ShapeSizeValid(shape)) return text;
    for (int r = 1; r <= shape.height; ++r) {
        for (int c = 1; c <= shape.width; ++c) text += shape.Usable(r, c) ? '#' : '.';
        text += '\n';
    }
    return text;
}

}  // namespace qf
