#include "shapes/ShapeFiles.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/RecordFile.h"
#include "base/TextHelpers.h"

namespace qf {
namespace {

constexpr std::size_t kRecordSize = ShapeRecord::kStoredSize;

Outcome Corrupt() { return Outcome::Refused(ErrorMessage(kShapeFileCorrupt)); }

// Reads up to n bytes; returns how many were read (a short count is the corrupt-file case).
std::size_t ReadSome(std::FILE* f, std::uint8_t* out, std::size_t n) { return std::fread(out, 1, n, f); }

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
    const std::int64_t index = file->Append(EncodeRecord(shape));
    file->Close();
    return Outcome::Done(index);
}

Outcome WriteShape(const std::string& libraryPath, std::int64_t index, const ShapeRecord& shape) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Update);
    if (!file) return UnableToAdd();
    if (index < 0 || index > file->Count()) throw IoError("seek beyond end of file", libraryPath);
    file->Write(index, EncodeRecord(shape));
    file->Close();
    return Outcome::Done(index);
}

Outcome DeleteShape(const std::string& libraryPath, std::int64_t index) {
    if (!RemoveRecord(libraryPath, kRecordSize, index))
        return Outcome::Refused(ErrorMessage(kUnableToDeleteShape, kCaptionDiskError));
    return Outcome::Done();
}

Outcome ReadShapeExchange(const std::string& path, ShapeRecord& shape) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return Outcome::Refused(ErrorMessage(kShapeNotImported));
    std::array<std::uint8_t, kShapeExchangeSize> bytes{};
    const std::size_t tag = ReadSome(f, bytes.data(), 3);
    const bool tagOk = tag == 3 && std::memcmp(bytes.data(), "LAY", 3) == 0;
    const bool rest = tagOk && ReadSome(f, bytes.data() + 3, 3) == 3 &&
                      ReadSome(f, bytes.data() + 6, kRecordSize) == kRecordSize;
    std::fclose(f);
    if (!rest) return Corrupt();
    ShapeRecord read;
    DecodeRecord(std::span<const std::uint8_t>(bytes).subspan(6), read);
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
    const Outcome notExported = Outcome::Refused(ErrorMessage(kShapeNotExported));
    if (!ReadShape(libraryPath, index, current).IsDone()) return notExported;
    const auto bytes = EncodeShapeExchange(current);
    std::FILE* f = std::fopen(targetPath.c_str(), "wb");
    if (!f) return notExported;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !written) throw IoError("write failed", targetPath);
    return Outcome::Confirmed(InfoMessage(kShapeExported, kCaptionOK));
}

}  // namespace qf
