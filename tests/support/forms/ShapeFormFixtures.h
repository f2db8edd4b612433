#pragma once
// Shapes for the tests of the shape windows: drawn as rows of '#' (usable) and '.' (blocked).
#include <string>
#include <vector>

#include "base/FileUtil.h"
#include "shapes/ShapeFiles.h"

namespace qf::test {

inline ShapeRecord DrawnShape(const std::string& name, const std::vector<std::string>& rows,
                              std::uint8_t outside = 0) {
    ShapeRecord s;
    s.name = name;
    s.cells.fill(outside);
    s.height = static_cast<std::int16_t>(rows.size());
    s.width = static_cast<std::int16_t>(rows.at(0).size());
    for (int r = 1; r <= s.height; ++r)
        for (int c = 1; c <= s.width; ++c)
            s.Cell(CellIndex(r, c)) = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] == '#';
    return s;
}

// A shape of `w` by `h` cells, all usable.
inline ShapeRecord FullShape(const std::string& name, int w, int h) {
    ShapeRecord s;
    s.name = name;
    s.width = static_cast<std::int16_t>(w);
    s.height = static_cast<std::int16_t>(h);
    s.cells.fill(1);
    return s;
}

inline std::vector<std::string> ShapeRows(const ShapeRecord& s) {
    std::vector<std::string> rows;
    for (int r = 1; r <= s.height; ++r) {
        std::string row;
        for (int c = 1; c <= s.width; ++c) row += s.Usable(r, c) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::uint8_t> Bytes(const std::string& path) {
    return ReadWholeFile(path).value_or(std::vector<std::uint8_t>{});
}

inline ShapeRecord StoredShape(const std::string& library, std::int64_t index) {
    ShapeRecord s;
    (void)ReadShape(library, index, s);
    return s;
}

inline std::int64_t ShapeCount(const std::string& library) {
    return static_cast<std::int64_t>(Bytes(library).size() / ShapeRecord::kStoredSize);
}

}  // namespace qf::test
