#pragma once
// The list of every title of a collection, as the import, export and extract dialogs show it:
// sorted by the core (without regard to letter case), each row carrying its slot index.
#include <cstdint>
#include <vector>

#include "collections/CollectionListing.h"

class QListWidget;

namespace qf {

// Fills `list` with the rows in their order; the list itself does not sort.
void FillTitleList(QListWidget& list, const std::vector<ListRow>& rows);
// The slot indexes of the selected rows.
std::vector<std::int64_t> SelectedSlots(const QListWidget& list);

}  // namespace qf
