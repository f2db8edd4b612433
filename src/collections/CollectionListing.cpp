#include "collections/CollectionListing.h"

#include <algorithm>
#include <array>

#include "base/FileNotices.h"
#include "base/RecordFile.h"
#include "base/ShortString.h"
#include "base/TextHelpers.h"
#include "collections/CollectionFile.h"

namespace qf {
namespace {

// Category (offset 6, 21 bytes) and title (offset 27, 36 bytes) lie next to each other.
constexpr std::size_t kNamesOffset = 6;
constexpr std::size_t kNamesSize = 21 + 36;

std::string ShortText(const std::uint8_t* at, std::size_t capacity) {
    const std::size_t n = std::min<std::size_t>(at[0], capacity);
    return std::string(reinterpret_cast<const char*>(at + 1), n);
}

}  // namespace

Message DamagedCollectionMessage(const std::string& path, std::int64_t wholeSlots) {
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string head = name + " is damaged or is not a puzzle group: its length is not a whole number of puzzles.  ";
    if (wholeSlots == 0) return WarningMessage(head + "It holds no whole puzzle, and nothing is saved into it.");
    return WarningMessage(head + "Its " + std::to_string(wholeSlots) +
                          " whole puzzles are listed and can be copied into a new puzzle group; nothing is "
                          "saved into this one.");
}

CollectionListing ListCollection(const std::string& path) {
    CollectionListing listing;
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Read);
    if (!file) return listing;
    listing.opened = true;
    if (!file->Whole()) {
        listing.damaged = true;
        AddFileNotice(DamagedCollectionMessage(path, file->Count()));
    }
    const std::int64_t n = std::min(file->Count(), kMaxListedSlots);
    std::array<std::uint8_t, kNamesSize> names{};
    // The names lie one in each 69,623-byte slot: read one after another from a cold disk, every
    // read waits for the one before. Asked for a batch ahead, the disk serves many at once. A file
    // whose first names are in memory most likely is whole; the hints would only cost calls.
    constexpr std::int64_t kAhead = 2048;
    const bool cold = n > 0 && !file->InMemory(0, kNamesOffset, kNamesSize);
    for (std::int64_t k = 0; k < n; ++k) {
        if (cold && k % kAhead == 0)
            file->WillRead(k + (k == 0 ? 0 : kAhead), k == 0 ? 2 * kAhead : kAhead, kNamesOffset, kNamesSize);
        file->Read(k, names, kNamesOffset);
        std::string category = ShortText(names.data(), 20);
        auto found = std::find(listing.categoryNames.begin(), listing.categoryNames.end(), category);
        if (found == listing.categoryNames.end()) {
            listing.categoryNames.push_back(std::move(category));
            found = listing.categoryNames.end() - 1;
        }
        listing.puzzleEntries.push_back({ShortText(names.data() + 21, 35), static_cast<std::uint16_t>(k),
                                         static_cast<std::uint16_t>(found - listing.categoryNames.begin())});
    }
    file->Close();
    return listing;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) { return LowerAscii(a) == LowerAscii(b); }

void SortRows(std::vector<ListRow>& rows) {
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) keys.emplace_back(ListSortKey(rows[i].text), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        return std::lexicographical_compare(a.first.begin(), a.first.end(), b.first.begin(), b.first.end(),
                                            [](char x, char y) {
                                                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                            });
    });
    std::vector<ListRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& k : keys) sorted.push_back(std::move(rows[k.second]));
    rows = std::move(sorted);
}

std::vector<ListRow> CategoryRows(const CollectionListing& listing) {
    std::vector<ListRow> rows;
    for (std::size_t i = 0; i < listing.categoryNames.size(); ++i)
        rows.push_back({listing.categoryNames[i], static_cast<std::int64_t>(i)});
    SortRows(rows);
    return rows;
}

std::vector<ListRow> TitleRows(const CollectionListing& listing, int categoryPosition) {
    std::vector<ListRow> rows;
    for (const PuzzleEntry& e : listing.puzzleEntries)
        if (e.category == categoryPosition) rows.push_back({e.title, e.slot});
    SortRows(rows);
    return rows;
}

std::vector<ListRow> AllTitleRows(const CollectionListing& listing) {
    std::vector<ListRow> rows;
    for (const PuzzleEntry& e : listing.puzzleEntries) rows.push_back({e.title, e.slot});
    SortRows(rows);
    return rows;
}

}  // namespace qf
