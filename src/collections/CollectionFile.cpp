#include "collections/CollectionFile.h"

#include <array>

#include "base/ByteCodec.h"
#include "base/RecordFile.h"

namespace qf {

std::optional<std::int64_t> CountSlots(const std::string& path) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Read);
    if (!file) return std::nullopt;
    return file->Count();
}

Outcome ReadPuzzle(const std::string& path, std::int64_t slot, PuzzleRecord& record, std::string_view openFailureText) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Read);
    if (!file) return Outcome::Refused(ErrorMessage(std::string(openFailureText)));
    std::vector<std::uint8_t> bytes(kSlotSize);
    file->Read(slot, bytes);
    file->Close();
    DecodeRecord(std::span<const std::uint8_t>(bytes), record);
    return Outcome::Done(slot);
}

Outcome WritePuzzle(const std::string& path, std::int64_t slot, const PuzzleRecord& record) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Update);
    if (!file) return Outcome::Refused(ErrorMessage(kUnableToSavePuzzle));
    RecordEdit edit(*file);
    edit.Write(slot, EncodeRecord(record));
    edit.Commit();
    file->Close();
    return Outcome::Done(slot);
}

Outcome AppendPuzzle(const std::string& path, const PuzzleRecord& record) {
    return StorePuzzles(path, std::nullopt, {&record});
}

Outcome StorePuzzles(const std::string& path, std::optional<std::int64_t> replace,
                     const std::vector<const PuzzleRecord*>& records) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Update);
    if (!file) return Outcome::Refused(ErrorMessage(kUnableToSavePuzzle));
    RecordEdit edit(*file);
    std::int64_t first = -1;
    for (const PuzzleRecord* record : records) {
        std::int64_t slot = 0;
        if (first < 0 && replace) {
            slot = *replace;
            edit.Write(slot, EncodeRecord(*record));
        } else {
            slot = edit.Append(EncodeRecord(*record));
        }
        if (first < 0) first = slot;
    }
    edit.Commit();
    file->Close();
    return Outcome::Done(first < 0 ? 0 : first);
}

}  // namespace qf
