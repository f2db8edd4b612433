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
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Update);
    if (!file) return Outcome::Refused(ErrorMessage(kUnableToSavePuzzle));
    RecordEdit edit(*file);
    const std::int64_t slot = edit.Append(EncodeRecord(record));
    edit.Commit();
    file->Close();
    return Outcome::Done(slot);
}

}  // namespace qf
