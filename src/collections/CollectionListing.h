#pragma once
// Listing a collection: its categories in order of first appearance and one entry per slot.
// Only the category and title of each slot are read, so large collections list quickly.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Message.h"

namespace qf {

// The lists address a slot in 16 bits, so at most this many slots of a file are listed.
inline constexpr std::int64_t kMaxListedSlots = 65536;

struct PuzzleEntry {
    std::string title;
    std::uint16_t slot = 0;      // the slot index (as the lists keep it, 16 bits)
    std::uint16_t category = 0;  // position in CategoryNames
};

struct CollectionListing {
    bool opened = false;
    bool damaged = false;  // the length is not whole slots: listed, but never written
    std::vector<std::string> categoryNames;  // exact values, in order of first appearance
    std::vector<PuzzleEntry> puzzleEntries;  // slot order
};

// A file that cannot be opened gives empty lists (opened = false) and no message. A read
// error after the open throws IoError. A damaged file (not whole slots) lists its whole slots
// and leaves DamagedCollectionMessage among the file notices (base/FileNotices.h).
CollectionListing ListCollection(const std::string& path);
// "NAME is damaged or is not a puzzle group: ..." (caption "Warning").
Message DamagedCollectionMessage(const std::string& path, std::int64_t wholeSlots);

// A row of a sorted list control: the text shown and the value attached to it.
struct ListRow {
    std::string text;
    std::int64_t value = 0;
};
// Sorts as the list controls do: alphabetically without regard to letter case and accents
// (ListSortKey); rows that compare equal keep the order in which they were added.
void SortRows(std::vector<ListRow>& rows);
bool SameIgnoringCase(const std::string& a, const std::string& b);

// The category list (values: positions in categoryNames) and the titles of one category
// (values: slot indexes), each sorted.
std::vector<ListRow> CategoryRows(const CollectionListing& listing);
std::vector<ListRow> TitleRows(const CollectionListing& listing, int categoryPosition);
// Every title of the file with its slot index, sorted (the import, export and extract lists).
std::vector<ListRow> AllTitleRows(const CollectionListing& listing);

}  // namespace qf
