#include "exchange/Xd.h"

#include <cctype>
#include <map>
#include <sstream>

#include "base/Ansi.h"

namespace qf {
namespace {

// Keys for rebus cells: the digits first, then symbols the format allows.
constexpr const char kRebusKeys[] = "1234567890@$%&+!?";

// Text on one line, never mistaken for the answer's tilde.
std::string OneLine(const std::string& ansi) {
    std::string s = AnsiToUtf8(ansi);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    for (std::size_t at = s.find(" ~ "); at != std::string::npos; at = s.find(" ~ ", at)) s.replace(at, 3, " - ");
    return s;
}

bool PlainLetter(char c) { return c >= 'A' && c <= 'Z'; }

void Clues(std::string& out, const std::vector<ExchangeEntry>& entries, char group) {
    for (const ExchangeEntry& e : entries)
        out += group + std::to_string(e.number) + ". " + OneLine(e.clue) + " ~ " + AnsiToUtf8(e.letters) + "\n";
}

}  // namespace

std::string XdText(const ExchangePuzzle& p) {
    std::map<char, char> rebus;  // cell character -> key
    for (const ExchangeCell& cell : p.cells)
        if (cell.kind == CellKind::Letter && !PlainLetter(cell.letter) && !rebus.contains(cell.letter) &&
            rebus.size() + 1 < sizeof kRebusKeys)
            rebus.emplace(cell.letter, kRebusKeys[rebus.size()]);

    std::string out = "Title: " + OneLine(p.title) + "\n";
    if (!rebus.empty()) {
        out += "Rebus:";
        for (const auto& [letter, key] : rebus) out += std::string(" ") + key + "=" + AnsiToUtf8(std::string(1, letter));
        out += "\n";
    }
    out += "\n\n";
    for (int r = 0; r < p.height; ++r) {
        for (int c = 0; c < p.width; ++c) {
            const ExchangeCell& cell = p.At(r, c);
            if (cell.kind == CellKind::Omitted) out += '_';
            else if (cell.kind == CellKind::Block) out += '#';
            else if (auto key = rebus.find(cell.letter); key != rebus.end()) out += key->second;
            else out += AnsiToUtf8(std::string(1, cell.letter));
        }
        out += "\n";
    }
    out += "\n\n";
    Clues(out, p.across, 'A');
    out += "\n";
    Clues(out, p.down, 'D');
    if (const std::string notes = p.Notes(); !notes.empty()) out += "\n\n" + AnsiToUtf8(notes) + "\n";
    return out;
}

Outcome ParseXd(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out) {
    const std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!IsValidUtf8(text)) return RefuseCrossword("it is not an xd text file");
    std::vector<ImportedEntry> across, down;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || (line[start] != 'A' && line[start] != 'D')) continue;
        std::size_t k = start + 1;
        while (k < line.size() && std::isdigit(static_cast<unsigned char>(line[k]))) ++k;
        if (k == start + 1 || k + 1 >= line.size() || line[k] != '.' || line[k + 1] != ' ') continue;
        const auto tilde = line.rfind(" ~ ");
        if (tilde == std::string::npos || tilde < k + 1) return RefuseCrossword("a clue has no answer");
        const std::string clue = line.substr(k + 2, tilde > k + 2 ? tilde - k - 2 : 0);
        const std::string answer = line.substr(tilde + 3);
        if (answer.find_first_not_of(' ') == std::string::npos) return RefuseCrossword("a clue has no answer");
        (line[start] == 'A' ? across : down).push_back(MakeImportedEntry(Utf8ToAnsi(answer), Utf8ToAnsi(clue)));
        if (across.size() + down.size() > kMaxImportedEntries) return RefuseCrossword("it has too many clues");
    }
    across.insert(across.end(), down.begin(), down.end());
    if (across.empty()) return RefuseCrossword("it has no clues");
    out = std::move(across);
    return Outcome::Done();
}

}  // namespace qf
