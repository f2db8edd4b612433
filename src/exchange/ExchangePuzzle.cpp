#include "exchange/ExchangePuzzle.h"

#include <algorithm>
#include <tuple>

#include "output/PrintOptions.h"
#include "output/PuzzleEntries.h"

namespace qf {
namespace {

bool IsWordBreak(char c) { return c != ' ' && !IsAnsiLetterOrDigit(static_cast<unsigned char>(c)); }

bool MakeEntry(const PuzzleRecord& record, const PuzzleEntry& e, const ExchangePuzzle& p, ExchangeEntry& out) {
    out.number = e.number;
    out.across = e.across;
    out.row = (e.startCell - 1) / kGridSide;
    out.column = (e.startCell - 1) % kGridSide;
    out.length = e.letterCount;
    const int lastRow = out.row + (e.across ? 0 : e.letterCount - 1);
    const int lastColumn = out.column + (e.across ? e.letterCount - 1 : 0);
    if (e.letterCount < 1 || lastRow >= p.height || lastColumn >= p.width) return false;
    for (int cell : EntryCells(e)) {
        if (record.Cell(cell) == kCellOutside || record.Cell(cell) == kCellBlank) return false;
        out.letters += static_cast<char>(record.Cell(cell));
    }
    out.clue = record.Clue(e.slot).Str();
    out.answer = record.Word(e.slot).Str();
    out.enumeration = Enumeration(out.answer);
    return true;
}

}  // namespace

bool IsAnsiLetterOrDigit(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    switch (c) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F: case 0xAA: case 0xBA:
        return true;
    default:
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

std::string Enumeration(const std::string& answer) {
    std::string out;
    int run = 0;       // letters of the part being read
    char between = 0;  // what separates it from the next part: ',' for a blank, else the separator
    for (char c : answer) {
        if (c == ' ' || IsWordBreak(c)) {
            // "A - B" reads as a dash: a separator outweighs the blanks around it.
            if (run > 0 && (between == 0 || c != ' ')) between = c == ' ' ? ',' : c;
            continue;
        }
        if (between != 0) {
            out += std::to_string(run) + between;
            run = 0;
            between = 0;
        }
        ++run;
    }
    if (out.empty()) return {};
    return out + std::to_string(run);
}

std::string ExchangePuzzle::Notes() const {
    std::string notes;
    if (!category.empty()) notes = "Category: " + category;
    if (!bonusQuestion.empty()) notes += (notes.empty() ? "" : "\n") + std::string("Bonus question: ") + bonusQuestion;
    return notes;
}

Outcome MakeExchangePuzzle(const PuzzleRecord& record, const std::string& shownSeparators, ExchangePuzzle& out) {
    if (!record.generated) return Outcome::Refused(WarningMessage(kNeverGeneratedText));
    ExchangePuzzle p;
    p.width = record.UsedWidth();
    p.height = record.UsedHeight();
    if (p.width < 1 || p.height < 1) return Outcome::Refused(ErrorMessage(kExportDamagedText));
    p.title = record.title.Str();
    p.category = record.category.Str();
    p.bonusQuestion = record.bonusQuestion.Str();
    for (int r = 0; r < p.height; ++r) {
        for (int c = 0; c < p.width; ++c) {
            const std::uint8_t v = record.Cell(r * kGridSide + c + 1);
            ExchangeCell cell;
            cell.kind = v == kCellOutside ? CellKind::Omitted : v == kCellBlank ? CellKind::Block : CellKind::Letter;
            if (cell.kind == CellKind::Letter) {
                cell.letter = static_cast<char>(v);
                cell.given = shownSeparators.find(cell.letter) != std::string::npos && IsWordBreak(cell.letter);
            }
            p.cells.push_back(cell);
        }
    }
    const PuzzleEntries entries = ListEntries(record);
    for (const PuzzleEntry& e : entries.All()) {
        ExchangeEntry x;
        if (!MakeEntry(record, e, p, x)) return Outcome::Refused(ErrorMessage(kExportDamagedText));
        p.cells[static_cast<std::size_t>(x.row * p.width + x.column)].number = x.number;
        (e.across ? p.across : p.down).push_back(std::move(x));
    }
    out = std::move(p);
    return Outcome::Done();
}

std::vector<ExchangeEntry> GridDerivedEntries(const ExchangePuzzle& p) {
    auto white = [&](int r, int c) {
        return r >= 0 && c >= 0 && r < p.height && c < p.width && p.At(r, c).kind == CellKind::Letter;
    };
    std::vector<ExchangeEntry> found;
    int number = 0;
    for (int r = 0; r < p.height; ++r) {
        for (int c = 0; c < p.width; ++c) {
            if (!white(r, c)) continue;
            const bool across = !white(r, c - 1) && white(r, c + 1);
            const bool down = !white(r - 1, c) && white(r + 1, c);
            if (!across && !down) continue;
            ++number;
            for (bool dir : {true, false}) {
                if (dir ? !across : !down) continue;
                ExchangeEntry e;
                e.number = number;
                e.across = dir;
                e.row = r;
                e.column = c;
                while (dir ? white(r, c + e.length) : white(r + e.length, c)) ++e.length;
                found.push_back(e);
            }
        }
    }
    return found;
}

bool NumberedLikeItsGrid(const ExchangePuzzle& p) {
    auto key = [](const ExchangeEntry& e) { return std::make_tuple(e.number, !e.across, e.row, e.column, e.length); };
    std::vector<decltype(key(ExchangeEntry{}))> own, grid;
    for (const auto* list : {&p.across, &p.down})
        for (const ExchangeEntry& e : *list) own.push_back(key(e));
    for (const ExchangeEntry& e : GridDerivedEntries(p)) grid.push_back(key(e));
    std::sort(own.begin(), own.end());
    std::sort(grid.begin(), grid.end());
    return own == grid;
}

}  // namespace qf
