// show FILE.QF3 SLOT: one puzzle as text (title, category, size, grid, clues, left-out words).
#include <algorithm>
#include <memory>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionFile.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli show FILE.QF3 SLOT   title, category, size, the grid ('#' an empty square,\n"
    "                                     '.' outside the shape), the numbered clues and the\n"
    "                                     words left out\n";

char CellChar(std::uint8_t cell) {
    if (cell == kCellOutside) return '.';
    if (cell == kCellBlank) return '#';
    return cell < 32 || cell == 127 ? '?' : static_cast<char>(cell);
}

void PrintWord(CliContext& ctx, const PuzzleRecord& p, int slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    ctx.Line("  " + std::to_string(p.number[i]) + ". " + p.clues[i].Str() + "  [" + p.words[i].Str() + "]");
}

void PrintPuzzle(CliContext& ctx, const PuzzleRecord& p) {
    ctx.Line("Title: " + p.title.Str());
    ctx.Line("Category: " + p.category.Str());
    // Counts come from the file: bound them to the arrays before walking the slots.
    const int words = p.UsedWords();
    const int across = std::min(p.UsedAcross(), words);
    if (!p.generated) {
        ctx.Line("Size: " + std::to_string(p.width) + " x " + std::to_string(p.height));
        ctx.Line("Not generated yet.  Words:");
        for (int i = 1; i <= words; ++i) ctx.Line("  " + p.Word(i).Str() + "  " + p.Clue(i).Str());
        return;
    }
    ctx.Line("Size: " + std::to_string(p.width) + " x " + std::to_string(p.height));
    ctx.Line("Grid:");
    for (int r = 1; r <= p.UsedHeight(); ++r) {
        std::string line = " ";
        for (int c = 1; c <= p.UsedWidth(); ++c) {
            line += ' ';
            line += CellChar(p.Cell(CellIndex(r, c)));
        }
        ctx.Line(line);
    }
    ctx.Line("Across:");
    for (int i = 1; i <= across; ++i) PrintWord(ctx, p, i);
    ctx.Line("Down:");
    for (int i = across + 1; i <= words; ++i) PrintWord(ctx, p, i);
    std::vector<int> leftOut;
    for (int i = words + 1; i <= kMaxWords; ++i)
        if (!p.Word(i).Empty()) leftOut.push_back(i);
    ctx.Line("Left out: " + std::to_string(leftOut.size()));
    for (int i : leftOut) ctx.Line("  " + p.Word(i).Str() + "  " + p.Clue(i).Str());
    if (!p.bonusQuestion.Empty()) ctx.Line("Bonus question: " + p.bonusQuestion.Str());
}

int Run(CliContext& ctx, Args& args) {
    const auto path = args.Next();
    const auto slotText = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const auto slot = slotText ? ParseIndex(*slotText) : std::nullopt;
    if (!path || !slot) return ctx.Usage(kUsage);
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (Message m = ReadPuzzle(*path, *slot, *puzzle, kUnableToLoadPuzzle); !m.Empty()) return ctx.Fail(m);
    PrintPuzzle(ctx, *puzzle);
    return kExitOk;
}

const CommandRegistrar reg({"show", kUsage, "print one puzzle of a collection as text", Run});

}  // namespace
}  // namespace qf::cli
