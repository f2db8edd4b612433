#include "collections/CollectionOperations.h"

#include <algorithm>
#include <memory>

#include "base/RecordFile.h"
#include "base/SaveFile.h"
#include "collections/CollectionFile.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageDesign.h"

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
    if (!WriteWholeFile(path, {})) throw IoError("file not created", path);
}

Outcome DeletePuzzleSlot(const std::string& path, std::int64_t slot) {
    if (!RemoveRecord(path, kSlotSize, slot)) return Outcome::Refused({});
    return Outcome::Done();
}

Outcome DeletePuzzle(PuzzleLists& lists, const std::string& path, Prompter& prompter) {
    const ListRow* row = lists.SelectedPuzzle();
    if (!row) return Outcome::Refused(ErrorMessage(kNoPuzzleSelected));
    const Message question = WarningMessage("Are you sure you want to delete " + row->text + "?", kCaptionDelete);
    if (prompter.Ask(question, Question::YesNo) != Answer::Yes) return Outcome::Cancelled();
    // A collection that cannot be opened is passed over; the lists are reloaded either way.
    (void)DeletePuzzleSlot(path, row->value);
    lists.ReselectAfterDelete();
    lists.LoadInPuzzles(path);
    return Outcome::Done();
}

Outcome CheckImportChoice(const std::string& chosen, const std::string& openPath, ImportKind& kind) {
    const std::string tail = UpperTail(chosen);
    if (tail == ".QFD") {
        kind = ImportKind::OldPuzzle;
        return Outcome::Done();
    }
    if (tail != ".QF3") return Outcome::Refused(ErrorMessage(kNotQuernfoldFile));
    if (SameFile(chosen, openPath)) return Outcome::Refused(ErrorMessage(kImportSameFile));
    kind = ImportKind::Collection;
    return Outcome::Done();
}

Outcome ImportPuzzles(const std::string& source, const std::string& target, const std::vector<std::int64_t>& slots) {
    if (slots.empty()) return Outcome::Refused(ErrorMessage(kNoPuzzlesForImport));
    // Appending a file to itself would read slots it is writing.
    if (SameFile(source, target)) return Outcome::Refused(ErrorMessage(kImportSameFile));
    auto in = RecordFile::Open(source, kSlotSize, RecordFile::Mode::Read);
    if (!in) return Outcome::Refused(ErrorMessage(kUnableToImport));
    auto out = RecordFile::Open(target, kSlotSize, RecordFile::Mode::Update);
    if (!out) return Outcome::Refused(ErrorMessage(kUnableToImport));
    // All the puzzles or none: a slot that cannot be read or written takes back those before it.
    RecordEdit edit(*out);
    std::vector<std::uint8_t> buffer(kSlotSize);
    for (const std::int64_t slot : slots) {
        in->Read(slot, buffer);
        edit.Append(buffer);
    }
    edit.Commit();
    out->Close();
    in->Close();
    return Outcome::Done();
}

std::vector<std::int64_t> SlotsInListOrder(const CollectionListing& listing, const std::vector<std::int64_t>& selected) {
    std::vector<std::int64_t> slots;
    for (const ListRow& row : AllTitleRows(listing))
        if (std::find(selected.begin(), selected.end(), row.value) != selected.end()) slots.push_back(row.value);
    return slots;
}

Outcome ExportPuzzles(const std::string& openPath, const std::vector<std::int64_t>& slots, const std::string& target) {
    if (slots.empty()) return Outcome::Refused(ErrorMessage(kNoPuzzlesForExport));
    if (SameFile(openPath, target)) return Outcome::Refused(ErrorMessage(kExportSameFile));
    // The new file replaces the old one only once it is whole; a failure leaves the old one.
    SaveFile out(target);
    if (!out.Open()) return Outcome::Refused(ErrorMessage(kUnableToExport));
    auto in = RecordFile::Open(openPath, kSlotSize, RecordFile::Mode::Read);
    if (!in) return Outcome::Refused(ErrorMessage(kUnableToExport));
    std::vector<std::uint8_t> buffer(kSlotSize);
    for (const std::int64_t slot : slots) {
        in->Read(slot, buffer);
        if (!out.Write(buffer)) throw IoError("write failed", target);
    }
    in->Close();
    if (!out.Commit()) throw IoError("write failed", target);
    return Outcome::Done();
}

Outcome ExtractLayout(const std::string& openPath, std::int64_t slot, const std::string& layoutsPath) {
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (Outcome read = ReadPuzzle(openPath, slot, *puzzle, kUnableToOpenPuzzle); !read.IsDone()) return read;
    // Two layouts of one name could not be told apart in the list.
    const std::string name = puzzle->layout.name.Str();
    const std::string distinct = DistinctLayoutName(layoutsPath, name, kLayoutNameLimit);
    if (distinct != name) puzzle->layout.name = distinct;  // else the record stays byte for byte
    return AppendLayout(layoutsPath, puzzle->layout);
}

}  // namespace qf
