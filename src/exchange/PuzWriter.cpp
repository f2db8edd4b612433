#include "exchange/PuzWriter.h"

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

}  // namespace qf
