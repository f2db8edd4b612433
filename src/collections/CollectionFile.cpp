#include "collections/CollectionFile.h"

#include <array>

#include "app/ByteCodec.h"
#include "app/RecordFile.h"

namespace qf {

std::optional<std::int64_t> CountSlots(const std::string& path) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Read);
    if (!file) return std::nullopt;
    return file->Count();
}

Message ReadPuzzle(const std::string& path, std::int64_t slot, PuzzleRecord& record, std::string_view openFailureText) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Read);
    if (!file) return {std::string(openFailureText), kCaptionError};
    std::vector<std::uint8_t> bytes(kSlotSize);
    file->Read(slot, bytes);
    file->Close();
    DecodeRecord(std::span<const std::uint8_t>(bytes), record);
    return {};
}

Message WritePuzzle(const std::string& path, std::int64_t slot, const PuzzleRecord& record) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Update);
    if (!file) return {kUnableToSavePuzzle, kCaptionError};
    // Never leave a gap of undefined slots: only an existing slot or the next one is written.
    if (slot < 0 || slot > file->Count()) throw IoError("seek beyond end of file", path);
    file->Write(slot, EncodeRecord(record));
    file->Close();
    return {};
}

Message AppendPuzzle(const std::string& path, const PuzzleRecord& record, std::int64_t* newSlot) {
    auto file = RecordFile::Open(path, kSlotSize, RecordFile::Mode::Update);
    if (!file) return {kUnableToSavePuzzle, kCaptionError};
    const std::int64_t slot = file->Append(EncodeRecord(record));
    file->Close();
    if (newSlot) *newSlot = slot;
    return {};
}

}  // namespace qf
