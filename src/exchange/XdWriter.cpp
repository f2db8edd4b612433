#include "exchange/XdWriter.h"

#include <set>

#include "base/Ansi.h"

namespace qf {
namespace {

// Clue text on one line, and never mistaken for the answer's tilde.
std::string OneLine(const std::string& ansi) {
    std::string s = AnsiToUtf8(ansi);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    for (std::size_t at = s.find(" ~ "); at != std::string::npos; at = s.find(" ~ ", at)) s.replace(at, 3, " - ");
    return s;
}

std::string Cell(const ExchangeCell& cell) {
    switch (cell.kind) {
    case CellKind::Omitted: return "_";
    case CellKind::Block: return "#";
    case CellKind::Letter: break;
    }
    return AnsiToUtf8(std::string(1, cell.letter));
}

void Clues(std::string& out, const std::vector<ExchangeEntry>& entries, char group) {
    for (const ExchangeEntry& e : entries)
        out += group + std::to_string(e.number) + ". " + OneLine(e.clue) + " ~ " + AnsiToUtf8(e.letters) + "\n";
}

}  // namespace

std::string XdText(const ExchangePuzzle& p) {
    std::string out = "## Metadata\n\n";
    out += "Title: " + OneLine(p.title) + "\n";
    // A cell that is not a letter or digit is a rebus cell; it stands for itself.
    std::set<char> rebus;
    for (const ExchangeCell& cell : p.cells)
        if (cell.kind == CellKind::Letter && !IsAnsiLetterOrDigit(static_cast<unsigned char>(cell.letter)))
            rebus.insert(cell.letter);
    if (!rebus.empty()) {
        out += "Rebus:";
        for (char c : rebus) out += " " + AnsiToUtf8(std::string(1, c)) + "=" + AnsiToUtf8(std::string(1, c));
        out += "\n";
    }
    out += "\n## Grid\n\n";
    for (int r = 0; r < p.height; ++r) {
        for (int c = 0; c < p.width; ++c) out += Cell(p.At(r, c));
        out += "\n";
    }
    out += "\n## Clues\n\n";
    Clues(out, p.across, 'A');
    out += "\n";
    Clues(out, p.down, 'D');
    if (const std::string notes = p.Notes(); !notes.empty()) out += "\n## Notes\n\n" + AnsiToUtf8(notes) + "\n";
    return out;
}

}  // namespace qf
