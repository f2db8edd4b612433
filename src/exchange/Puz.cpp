#include "exchange/Puz.h"

#include <algorithm>
#include <string>

namespace qf {
namespace {

constexpr std::size_t kHeaderSize = 0x34;
constexpr char kMagic[] = "ACROSS&DOWN";
constexpr char kVersion[] = "1.3";
constexpr char kMask[] = "ICHEATED";

std::span<const std::uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

void PutShort(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A NUL would end the string early; the format has no escape for it.
std::string Clean(std::string s) {
    for (char& c : s)
        if (c == '\0') c = ' ';
    return s;
}

std::vector<std::string> ClueOrder(const ExchangePuzzle& p) {
    std::vector<std::string> clues;
    std::size_t a = 0, d = 0;
    while (a < p.across.size() || d < p.down.size()) {
        const bool takeAcross = d >= p.down.size() || (a < p.across.size() && p.across[a].number <= p.down[d].number);
        clues.push_back(Clean(takeAcross ? p.across[a++].clue : p.down[d++].clue));
    }
    return clues;
}

// The strings' part of the checksums: title, author, copyright and notes with their NUL when
// not empty, every clue without it.
std::uint16_t TextChecksum(const std::string& title, const std::vector<std::string>& clues, const std::string& notes,
                           std::uint16_t sum) {
    auto withNul = [&](const std::string& s) {
        if (!s.empty()) sum = PuzChecksum(std::span(reinterpret_cast<const std::uint8_t*>(s.c_str()), s.size() + 1), sum);
    };
    withNul(title);  // author and copyright are empty
    for (const std::string& clue : clues) sum = PuzChecksum(Bytes(clue), sum);
    withNul(notes);
    return sum;
}

}  // namespace

std::uint16_t PuzChecksum(std::span<const std::uint8_t> bytes, std::uint16_t sum) {
    for (std::uint8_t b : bytes) {
        sum = static_cast<std::uint16_t>((sum >> 1) | ((sum & 1) << 15));
        sum = static_cast<std::uint16_t>(sum + b);
    }
    return sum;
}

std::vector<std::uint8_t> PuzBytes(const ExchangePuzzle& p) {
    std::string solution, state;
    for (const ExchangeCell& cell : p.cells) {
        if (cell.kind != CellKind::Letter) {
            solution += '.';
            state += '.';
        } else {
            solution += cell.letter;
            state += cell.given ? cell.letter : '-';
        }
    }
    const std::string title = Clean(p.title);
    const std::string notes = Clean(p.Notes());
    const std::vector<std::string> clues = ClueOrder(p);

    std::vector<std::uint8_t> b(kHeaderSize, 0);
    std::copy(std::begin(kMagic), std::end(kMagic), b.begin() + 0x02);
    std::copy(std::begin(kVersion), std::end(kVersion), b.begin() + 0x18);
    b[0x2C] = static_cast<std::uint8_t>(p.width);
    b[0x2D] = static_cast<std::uint8_t>(p.height);
    PutShort(b, 0x2E, static_cast<std::uint16_t>(clues.size()));
    PutShort(b, 0x30, 0x0001);  // the usual value of the unexplained bit mask

    const std::uint16_t cib = PuzChecksum(std::span(b).subspan(0x2C, 8));
    const std::uint16_t sol = PuzChecksum(Bytes(solution));
    const std::uint16_t grid = PuzChecksum(Bytes(state));
    const std::uint16_t part = TextChecksum(title, clues, notes, 0);
    std::uint16_t whole = PuzChecksum(Bytes(state), PuzChecksum(Bytes(solution), cib));
    whole = TextChecksum(title, clues, notes, whole);

    PutShort(b, 0x00, whole);
    PutShort(b, 0x0E, cib);
    const std::uint16_t sums[4] = {cib, sol, grid, part};
    for (int i = 0; i < 4; ++i) {
        b[static_cast<std::size_t>(0x10 + i)] = static_cast<std::uint8_t>(kMask[i] ^ (sums[i] & 0xFF));
        b[static_cast<std::size_t>(0x14 + i)] = static_cast<std::uint8_t>(kMask[i + 4] ^ (sums[i] >> 8));
    }

    auto append = [&](const std::string& s) { b.insert(b.end(), s.begin(), s.end()); };
    auto appendString = [&](const std::string& s) { append(s); b.push_back(0); };
    append(solution);
    append(state);
    appendString(title);
    appendString("");  // author
    appendString("");  // copyright
    for (const std::string& clue : clues) appendString(clue);
    appendString(notes);
    return b;
}

Outcome ParsePuz(std::span<const std::uint8_t> b, std::vector<ImportedEntry>& out) {
    if (b.size() < 0x34 || std::string(reinterpret_cast<const char*>(b.data()) + 2, 12) != std::string("ACROSS&DOWN\0", 12))
        return RefuseCrossword("it is not an Across Lite file");
    auto shortAt = [&](std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); };
    const int width = b[0x2C], height = b[0x2D];
    const int clueCount = shortAt(0x2E);
    const auto cells = static_cast<std::size_t>(width * height);
    if (width < 1 || height < 1 || b.size() < 0x34 + 2 * cells) return RefuseCrossword("its grid is cut short");
    if (shortAt(0x32) != 0) return RefuseCrossword("its answers are locked");
    if (PuzChecksum(b.subspan(0x2C, 8)) != shortAt(0x0E)) return RefuseCrossword("its checksums do not match");

    const auto solution = b.subspan(0x34, cells), state = b.subspan(0x34 + cells, cells);
    std::vector<std::string> strings;
    std::size_t at = 0x34 + 2 * cells;
    while (strings.size() < static_cast<std::size_t>(3 + clueCount + 1)) {
        std::size_t end = at;
        while (end < b.size() && b[end] != 0) ++end;
        if (end >= b.size()) return RefuseCrossword("its clues are cut short");
        strings.emplace_back(reinterpret_cast<const char*>(b.data()) + at, end - at);
        at = end + 1;
    }
    // The whole file's checksum, with the notes counted as newer files count them or not at all.
    auto textSum = [&](std::uint16_t sum, bool withNotes) {
        auto withNul = [&](const std::string& s) {
            if (!s.empty()) sum = PuzChecksum(std::span(reinterpret_cast<const std::uint8_t*>(s.c_str()), s.size() + 1), sum);
        };
        withNul(strings[0]);
        withNul(strings[1]);
        withNul(strings[2]);
        for (int i = 0; i < clueCount; ++i) {
            const std::string& clue = strings[static_cast<std::size_t>(3 + i)];
            sum = PuzChecksum(std::span(reinterpret_cast<const std::uint8_t*>(clue.data()), clue.size()), sum);
        }
        if (withNotes) withNul(strings.back());
        return sum;
    };
    const std::uint16_t boards = PuzChecksum(state, PuzChecksum(solution, shortAt(0x0E)));
    if (textSum(boards, true) != shortAt(0x00) && textSum(boards, false) != shortAt(0x00))
        return RefuseCrossword("its checksums do not match");

    std::vector<bool> white(cells);
    for (std::size_t k = 0; k < cells; ++k) white[k] = solution[k] != '.' && solution[k] != ':';
    std::vector<GridRun> runs = GridRuns(width, height, white);
    if (static_cast<int>(runs.size()) != clueCount) return RefuseCrossword("its clues do not fit its grid");
    // Stored in number order, the across clue before the down clue of the same number.
    std::stable_sort(runs.begin(), runs.end(), [](const GridRun& x, const GridRun& y) { return x.number < y.number; });
    std::vector<ImportedEntry> across, down;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        std::string word;
        for (int k : runs[i].cells) word += static_cast<char>(solution[static_cast<std::size_t>(k)]);
        (runs[i].across ? across : down).push_back(MakeImportedEntry(word, strings[3 + i]));
    }
    across.insert(across.end(), down.begin(), down.end());
    if (across.empty()) return RefuseCrossword("it has no clues");
    out = std::move(across);
    return Outcome::Done();
}

}  // namespace qf
