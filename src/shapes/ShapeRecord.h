#pragma once
// A puzzle shape: a named mask of usable cells, 2555 bytes as stored.
#include <array>
#include <cstdint>

#include "base/ShortString.h"

namespace qf {

constexpr int kGridSide = 50;
constexpr int kGridCells = kGridSide * kGridSide;

// Cell index k = (row - 1) * 50 + column, rows and columns from 1, k from 1 to 2500.
constexpr int CellIndex(int row, int column) { return (row - 1) * kGridSide + column; }
constexpr int CellRow(int k) { return (k - 1) / kGridSide + 1; }
constexpr int CellColumn(int k) { return (k - 1) % kGridSide + 1; }

struct ShapeRecord {
    ShortString<50> name;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::array<std::uint8_t, kGridCells> cells{};  // 1 = usable, 0 = blocked; cell k at [k - 1]

    std::uint8_t Cell(int k) const { return cells[static_cast<std::size_t>(k - 1)]; }
    std::uint8_t& Cell(int k) { return cells[static_cast<std::size_t>(k - 1)]; }
    bool Usable(int row, int column) const { return Cell(CellIndex(row, column)) != 0; }

    static constexpr std::size_t kStoredSize = 2555;
    template <typename Self, typename V>
    static void Describe(Self& s, V& v) {
        v.Field(0, s.name);
        v.Field(51, s.width);
        v.Field(53, s.height);
        v.Field(55, s.cells);
    }
};

}  // namespace qf
