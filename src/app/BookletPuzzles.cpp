#include "app/BookletPuzzles.h"

#include <filesystem>
#include <memory>

#include "collections/CollectionFile.h"

namespace qf {

std::vector<std::int64_t> BookletSlots(const CollectionListing& listing, const std::optional<std::string>& category) {
    std::vector<std::int64_t> slots;
    for (const ListRow& c : CategoryRows(listing)) {
        if (category && !SameIgnoringCase(c.text, *category)) continue;
        for (const ListRow& t : TitleRows(listing, static_cast<int>(c.value))) slots.push_back(t.value);
    }
    return slots;
}

FileDialogRequest BookletFileRequest(const std::string& collection) {
    FileDialogRequest request;
    request.title = "Save Booklet";
    request.filter = "PDF Documents (*.pdf)|*.pdf";
    request.defaultExtension = "pdf";
    const std::filesystem::path open(collection);
    request.initialPath = (open.parent_path() / (open.stem().string() + " booklet.pdf")).string();
    request.save = true;
    request.confirmOverwrite = true;
    return request;
}

Message BookletWritten(int pages) {
    return InfoMessage("Booklet written: " + std::to_string(pages) + (pages == 1 ? " page." : " pages."), "Booklet");
}

Outcome ReadBookletPuzzles(const std::string& collection, const std::vector<std::int64_t>& slots,
                           const std::optional<PageLayoutRecord>& layout, std::vector<BookletPuzzle>& puzzles) {
    std::vector<BookletPuzzle> read;
    read.reserve(slots.size());
    for (std::int64_t slot : slots) {
        BookletPuzzle p{std::make_unique<PuzzleRecord>(), {}};
        if (Outcome o = ReadPuzzle(collection, slot, *p.puzzle); !o.IsDone()) return o;
        p.layout = layout ? *layout : p.puzzle->layout;
        read.push_back(std::move(p));
    }
    puzzles = std::move(read);
    return Outcome::Done();
}

}  // namespace qf
