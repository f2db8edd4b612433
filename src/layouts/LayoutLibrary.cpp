#include "layouts/LayoutLibrary.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/ByteCodec.h"
#include "app/RecordFile.h"
#include "app/TextHelpers.h"
#include "layouts/LayoutExchange.h"
#include "layouts/PageObjects.h"

namespace qf {
namespace {

constexpr std::size_t kRecordSize = PageLayoutRecord::kStoredSize;

void ReadRecord(const RecordFile& file, std::int64_t position, PageLayoutRecord& layout) {
    std::vector<std::uint8_t> bytes(kRecordSize);
    file.Read(position, bytes);
    DecodeRecord(std::span<const std::uint8_t>(bytes), layout);
}

std::string WholeNumber(double value) {
    // A damaged record may hold any double; keep the text short and defined.
    if (!std::isfinite(value) || std::fabs(value) > 1e9) value = 0;
    return TrimBlanks(FormatNumber(value, 0, 0));
}

}  // namespace

std::string LayoutEntryText(const PageLayoutRecord& layout, bool isDefault) {
    const std::string paper = layout.paperName.Str();
    std::string text = layout.name.Str() + " (" + paper;
    if (paper == "Custom")
        text += " " + WholeNumber(layout.pageWidth) + "\" x " + WholeNumber(layout.pageHeight) + "\"";
    text += ")";
    if (isDefault) text += "  <<DEFAULT>>";
    return text;
}

std::vector<LayoutEntry> ListLayouts(const std::string& libraryPath, std::int64_t defaultPosition) {
    std::vector<LayoutEntry> entries;
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Read);
    if (!file) return entries;
    auto layout = std::make_unique<PageLayoutRecord>();
    const std::int64_t n = file->Count();
    for (std::int64_t p = 0; p < n; ++p) {
        ReadRecord(*file, p, *layout);
        entries.push_back({LayoutEntryText(*layout, p == defaultPosition), p});
    }
    file->Close();
    return entries;
}

std::optional<std::int64_t> CountLayouts(const std::string& libraryPath) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Read);
    if (!file) return std::nullopt;
    return file->Count();
}

Message ReadLayout(const std::string& libraryPath, std::int64_t position, PageLayoutRecord& layout) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Read);
    if (!file) return {kNoLayoutsFound, kCaptionWarning};
    ReadRecord(*file, position, layout);
    file->Close();
    return {};
}

Message AppendLayout(const std::string& libraryPath, const PageLayoutRecord& layout, std::int64_t* newPosition) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Update);
    if (!file) return {kUnableToAddLayout, kCaptionDiskError};
    const std::int64_t p = file->Append(EncodeRecord(layout));
    file->Close();
    if (newPosition) *newPosition = p;
    return {};
}

Message WriteLayout(const std::string& libraryPath, std::int64_t position, const PageLayoutRecord& layout) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Update);
    if (!file) return {kUnableToAddLayout, kCaptionDiskError};
    if (position < 0 || position > file->Count()) throw IoError("seek beyond end of file", libraryPath);
    file->Write(position, EncodeRecord(layout));
    file->Close();
    return {};
}

Message DeleteLayout(const std::string& libraryPath, std::int64_t position) {
    if (!RemoveRecord(libraryPath, kRecordSize, position)) return {kUnableToDeleteLayout, kCaptionDiskError};
    return {};
}

void LoadPageLayout(const std::string& libraryPath, std::int64_t position, PageLayoutRecord& layout) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Read);
    const std::int64_t n = file ? file->Count() : 0;
    if (n == 0) {
        BuildDefaultLayout(layout);
        return;
    }
    ReadRecord(*file, position >= 0 && position < n ? position : 0, layout);
    file->Close();
}

Message ReadLayoutExchange(const std::string& path, PageLayoutRecord& layout) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return {kLayoutNotImported, kCaptionError};
    std::vector<std::uint8_t> bytes(kLayoutExchangeSize);
    const bool tagOk = std::fread(bytes.data(), 1, 3, f) == 3 && std::memcmp(bytes.data(), "PAG", 3) == 0;
    const bool whole = tagOk && std::fread(bytes.data() + 3, 1, 3, f) == 3 &&
                       std::fread(bytes.data() + 6, 1, kRecordSize, f) == kRecordSize;
    std::fclose(f);
    if (!whole) return {kLayoutFileCorrupt, kCaptionError};
    DecodeRecord(std::span<const std::uint8_t>(bytes).subspan(6), layout);
    return {};
}

Message ImportLayout(const std::string& exchangePath, const std::string& libraryPath, std::int64_t* newPosition) {
    auto layout = std::make_unique<PageLayoutRecord>();
    if (Message m = ReadLayoutExchange(exchangePath, *layout); !m.Empty()) return m;
    return AppendLayout(libraryPath, *layout, newPosition);
}

Message ExportLayout(const std::string& libraryPath, std::int64_t position, const std::string& targetPath) {
    auto layout = std::make_unique<PageLayoutRecord>();
    if (!ReadLayout(libraryPath, position, *layout).Empty()) return {kLayoutNotExported, kCaptionError};
    if (!WriteLayoutExchangeFile(targetPath, *layout)) return {kLayoutNotExported, kCaptionError};
    return {};
}

}  // namespace qf
