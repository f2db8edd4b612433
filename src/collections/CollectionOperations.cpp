#include "collections/CollectionOperations.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/RecordFile.h"
#include "app/TextHelpers.h"
#include "collections/CollectionFile.h"
#include "layouts/LayoutLibrary.h"

namespace qf {
namespace {

std::string UpperTail(const std::string& path) {
    std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    for (char& c : tail)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return tail;
}

}  // namespace

void CreateEmptyCollection(const std::string& path) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Create);
    if (!file) throw IoError("file not created", path);
    file->Close();
}

bool DeletePuzzleSlot(const std::string& path, std::int64_t slot) {
    return RemoveRecord(path, kSlotSize, slot).has_value();
}

Message DeletePuzzle(PuzzleLists& lists, const std::string& path, Prompter& prompter) {
    const ListRow* row = lists.SelectedPuzzle();
    if (!row) return {kNoPuzzleSelected, kCaptionError};
    const Message question{"Are you sure you want to delete " + row->text + "?", kCaptionDelete};
    if (prompter.Ask(question, Question::YesNo) != Answer::Yes) return {};
    DeletePuzzleSlot(path, row->value);
    lists.ReselectAfterDelete();
    lists.LoadInPuzzles(path);
    return {};
}

bool SameFile(const std::string& a, const std::string& b) {
    if (LowerAscii(a) == LowerAscii(b)) return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

Message CheckImportChoice(const std::string& chosen, const std::string& openPath, ImportKind& kind) {
    const std::string tail = UpperTail(chosen);
    if (tail == ".QFD") {
        kind = ImportKind::OldPuzzle;
        return {};
    }
    if (tail != ".QF3") return {kNotQuernfoldFile, kCaptionError};
    if (SameFile(chosen, openPath)) return {kImportSameFile, kCaptionError};
    kind = ImportKind::Collection;
    return {};
}

Message ImportPuzzles(const std::string& source, const std::string& target, const std::vector<std::int64_t>& slots) {
    if (slots.empty()) return {kNoPuzzlesForImport, kCaptionError};
    // Appending a file to itself would read slots it is writing.
    if (SameFile(source, target)) return {kImportSameFile, kCaptionError};
    auto in = RecordFile::Open(source, kSlotSize, RecordFile::Mode::Read);
    if (!in) return {kUnableToImport, kCaptionError};
    auto out = RecordFile::Open(target, kSlotSize, RecordFile::Mode::Update);
    if (!out) return {kUnableToImport, kCaptionError};
    std::vector<std::uint8_t> buffer(kSlotSize);
    for (const std::int64_t slot : slots) {
        in->Read(slot, buffer);
        out->Append(buffer);
    }
    out->Close();
    in->Close();
    return {};
}

std::vector<std::int64_t> SlotsInListOrder(const CollectionListing& listing, const std::vector<std::int64_t>& selected) {
    std::vector<std::int64_t> slots;
    for (const ListRow& row : AllTitleRows(listing))
        if (std::find(selected.begin(), selected.end(), row.value) != selected.end()) slots.push_back(row.value);
    return slots;
}

Message ExportPuzzles(const std::string& openPath, const std::vector<std::int64_t>& slots, const std::string& target) {
    if (slots.empty()) return {kNoPuzzlesForExport, kCaptionError};
    if (SameFile(openPath, target)) return {kExportSameFile, kCaptionError};
    auto out = RecordFile::Open(target, kSlotSize, RecordFile::Mode::Create);
    if (!out) return {kUnableToExport, kCaptionError};
    auto in = RecordFile::Open(openPath, kSlotSize, RecordFile::Mode::Read);
    if (!in) return {kUnableToExport, kCaptionError};
    std::vector<std::uint8_t> buffer(kSlotSize);
    for (const std::int64_t slot : slots) {
        in->Read(slot, buffer);
        out->Append(buffer);
    }
    in->Close();
    out->Close();
    return {};
}

Message ExtractLayout(const std::string& openPath, std::int64_t slot, const std::string& layoutsPath,
                      std::int64_t* newPosition) {
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (!ReadPuzzle(openPath, slot, *puzzle, kUnableToOpenPuzzle).Empty()) return {kUnableToOpenPuzzle, kCaptionError};
    return AppendLayout(layoutsPath, puzzle->layout, newPosition);
}

}  // namespace qf
