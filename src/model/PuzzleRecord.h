#pragma once
// One puzzle: words, clues, the generated grid and its own page layout; 69623 bytes as stored.
#include <array>
#include <cstdint>

#include "base/ShortString.h"
#include "layouts/PageLayoutRecord.h"
#include "shapes/ShapeRecord.h"

namespace qf {

constexpr int kMaxWords = 200;
constexpr int kWordCapacity = 30;
constexpr int kClueCapacity = 150;
constexpr int kTitleCapacity = 35;
constexpr int kCategoryCapacity = 20;
constexpr std::uint8_t kCellOutside = 0;
constexpr std::uint8_t kCellBlank = 32;
constexpr const char* kRecordVersion = "3.1a";

struct PuzzleRecord {
    ShortString<5> version;
    ShortString<kCategoryCapacity> category;
    ShortString<kTitleCapacity> title;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::array<std::uint8_t, kGridCells> grid{};  // cell k at [k - 1]
    std::int16_t wordCount = 0;
    std::int16_t acrossCount = 0;
    std::int16_t downCount = 0;
    std::array<ShortString<kWordCapacity>, kMaxWords> words{};  // word slot i at [i - 1]
    std::array<ShortString<kClueCapacity>, kMaxWords> clues{};
    std::array<std::int16_t, kMaxWords> startCell{};
    std::array<std::int16_t, kMaxWords> letterCount{};
    std::array<std::int16_t, kMaxWords> number{};
    std::array<std::uint8_t, kMaxWords> isAcross{};
    std::array<std::uint8_t, kMaxWords> inGrid{};
    std::uint8_t generated = 0;
    PageLayoutRecord layout;
    ShortString<150> bonusQuestion;
    std::array<std::uint8_t, 30> reserved{};

    // 1-based accessors, as the word slots and cells are counted.
    std::uint8_t& Cell(int k) { return grid[static_cast<std::size_t>(k - 1)]; }
    std::uint8_t Cell(int k) const { return grid[static_cast<std::size_t>(k - 1)]; }
    ShortString<kWordCapacity>& Word(int i) { return words[static_cast<std::size_t>(i - 1)]; }
    const ShortString<kWordCapacity>& Word(int i) const { return words[static_cast<std::size_t>(i - 1)]; }
    ShortString<kClueCapacity>& Clue(int i) { return clues[static_cast<std::size_t>(i - 1)]; }
    const ShortString<kClueCapacity>& Clue(int i) const { return clues[static_cast<std::size_t>(i - 1)]; }

    // Counts bounded to what the arrays hold, for records read from untrusted files.
    int UsedWords() const { return Bounded(wordCount, kMaxWords); }
    int UsedAcross() const { return Bounded(acrossCount, kMaxWords); }
    int UsedWidth() const { return Bounded(width, kGridSide); }
    int UsedHeight() const { return Bounded(height, kGridSide); }

    static constexpr std::size_t kStoredSize = 69623;
    template <typename Self, typename V>
    static void Describe(Self& r, V& v) {
        v.Field(0, r.version);
        v.Field(6, r.category);
        v.Field(27, r.title);
        v.Field(63, r.width);
        v.Field(65, r.height);
        v.Field(67, r.grid);
        v.Field(2567, r.wordCount);
        v.Field(2569, r.acrossCount);
        v.Field(2571, r.downCount);
        v.Field(2573, r.words);
        v.Field(8773, r.clues);
        v.Field(38973, r.startCell);
        v.Field(39373, r.letterCount);
        v.Field(39773, r.number);
        v.Field(40173, r.isAcross);
        v.Field(40373, r.inGrid);
        v.Field(40573, r.generated);
        v.Field(40574, r.layout);
        v.Field(69442, r.bonusQuestion);
        v.Field(69593, r.reserved);
    }

private:
    static int Bounded(int v, int hi) { return v < 0 ? 0 : (v > hi ? hi : v); }
};

// A fresh record as a new puzzle starts (the page layout is loaded separately).
PuzzleRecord NewPuzzleRecord();

}  // namespace qf
