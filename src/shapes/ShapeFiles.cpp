#include "shapes/ShapeFiles.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/RecordFile.h"
#include "base/SaveFile.h"
#include "base/TextHelpers.h"

namespace qf {
namespace {

constexpr std::size_t kRecordSize = ShapeRecord::kStoredSize;

Outcome Corrupt() { return Outcome::Refused(ErrorMessage(kShapeFileCorrupt)); }

}  // namespace

bool ShapeSizeValid(const ShapeRecord& shape) {
    return shape.width >= 1 && shape.width <= kGridSide && shape.height >= 1 && shape.height <= kGridSide;
}

std::string ShapeListText(const ShapeRecord& shape) {
    return std::to_string(shape.width) + "x" + std::to_string(shape.height) + " " + shape.name.Str();
}

std::optional<std::vector<ShapeEntry>> ListShapes(const std::string& libraryPath) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Read);
    if (!file) return std::nullopt;
    std::vector<ShapeEntry> entries;
    std::array<std::uint8_t, kRecordSize> bytes{};
    ShapeRecord shape;
    const std::int64_t n = file->Count();
    for (std::int64_t i = 0; i < n; ++i) {
        file->Read(i, bytes);
        DecodeRecord(std::span<const std::uint8_t>(bytes), shape);
        entries.push_back({ShapeListText(shape), i});
    }
    file->Close();
    return entries;
}

void SortShapeEntries(std::vector<ShapeEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const ShapeEntry& a, const ShapeEntry& b) {
        return ListOrderLess(a.text, b.text);
    });
}

Outcome ReadShape(const std::string& libraryPath, std::int64_t index, ShapeRecord& shape) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Read);
    if (!file) return Outcome::Refused(WarningMessage(kNoShapesFound));
    std::array<std::uint8_t, kRecordSize> bytes{};
    file->Read(index, bytes);
    file->Close();
    DecodeRecord(std::span<const std::uint8_t>(bytes), shape);
    return Outcome::Done(index);
}

// The designer shows this one with a warning icon.
Outcome UnableToAdd() { return Outcome::Refused(WarningMessage(kUnableToAddShape, kCaptionDiskError)); }

Outcome AppendShape(const std::string& libraryPath, const ShapeRecord& shape) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Update);
    if (!file) return UnableToAdd();
    RecordEdit edit(*file);
    const std::int64_t index = edit.Append(EncodeRecord(shape));
    edit.Commit();
    file->Close();
    return Outcome::Done(index);
}

Outcome WriteShape(const std::string& libraryPath, std::int64_t index, const ShapeRecord& shape) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Update);
    if (!file) return UnableToAdd();
    RecordEdit edit(*file);
    edit.Write(index, EncodeRecord(shape));
    edit.Commit();
    file->Close();
    return Outcome::Done(index);
}

Outcome DeleteShape(const std::string& libraryPath, std::int64_t index) {
    if (!RemoveRecord(libraryPath, kRecordSize, index))
        return Outcome::Refused(ErrorMessage(kUnableToDeleteShape, kCaptionDiskError));
    return Outcome::Done();
}

Outcome ReadShapeExchange(const std::string& path, ShapeRecord& shape) {
    const auto bytes = ReadFileHead(path, kShapeExchangeSize);
    if (!bytes) return Outcome::Refused(ErrorMessage(kShapeNotImported));
    // The tag, 3 version bytes (not compared) and a whole record.
    if (bytes->size() < kShapeExchangeSize || std::memcmp(bytes->data(), "LAY", 3) != 0) return Corrupt();
    ShapeRecord read;
    DecodeRecord(std::span<const std::uint8_t>(*bytes).subspan(6), read);
    // A size outside the cell array would make every later drawing or construction leave it.
    if (!ShapeSizeValid(read)) return Corrupt();
    shape = read;
    return Outcome::Done();
}

std::vector<std::uint8_t> EncodeShapeExchange(const ShapeRecord& shape) {
    std::vector<std::uint8_t> bytes(kShapeExchangeSize);
    std::memcpy(bytes.data(), kShapeExchangeTag, 6);
    EncodeRecord(shape, std::span<std::uint8_t>(bytes).subspan(6));
    return bytes;
}

Outcome ReadShapeByIndexOrFile(const std::string& libraryPath, const std::string& indexOrPath, ShapeRecord& shape) {
    const bool digits = !indexOrPath.empty() && indexOrPath.size() <= 18 &&
                        std::all_of(indexOrPath.begin(), indexOrPath.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && FileExists(libraryPath)) {
        const std::int64_t index = std::stoll(indexOrPath);
        const auto entries = ListShapes(libraryPath);
        if (entries && index >= static_cast<std::int64_t>(entries->size()))
            return Outcome::Refused(ErrorMessage("No shape " + indexOrPath + " in the shapes library."));
        return ReadShape(libraryPath, index, shape);
    }
    return ReadShapeExchange(indexOrPath, shape);
}

Outcome ImportShape(const std::string& exchangePath, const std::string& libraryPath, ShapeRecord& current) {
    ShapeRecord shape;
    if (Outcome read = ReadShapeExchange(exchangePath, shape); !read.IsDone()) return read;
    current = shape;
    return AppendShape(libraryPath, current);
}

Outcome ExportShape(const std::string& libraryPath, std::int64_t index, const std::string& targetPath,
                    ShapeRecord& current) {
    // Writing the library over itself would leave one shape of it.
    if (SameFile(targetPath, libraryPath)) return Outcome::Refused(ErrorMessage(kExportSameAsShapes));
    const Outcome notExported = Outcome::Refused(ErrorMessage(kShapeNotExported));
    if (!ReadShape(libraryPath, index, current).IsDone()) return notExported;
    SaveFile file(targetPath);
    if (!file.Open()) return notExported;
    if (!file.Write(EncodeShapeExchange(current)) || !file.Commit()) throw IoError("write failed", targetPath);
    return Outcome::Confirmed(InfoMessage(kShapeExported, kCaptionOK));
}

}  // namespace qf
