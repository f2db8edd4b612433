#include "layouts/LayoutLibrary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/RecordFile.h"
#include "base/TextHelpers.h"
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

Outcome ReadLayout(const std::string& libraryPath, std::int64_t position, PageLayoutRecord& layout) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Read);
    if (!file) return Outcome::Refused(WarningMessage(kNoLayoutsFound));
    ReadRecord(*file, position, layout);
    file->Close();
    return Outcome::Done(position);
}

Outcome AppendLayout(const std::string& libraryPath, const PageLayoutRecord& layout) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Update);
    if (!file) return Outcome::Refused(ErrorMessage(kUnableToAddLayout, kCaptionDiskError));
    RecordEdit edit(*file);
    const std::int64_t p = edit.Append(EncodeRecord(layout));
    edit.Commit();
    file->Close();
    return Outcome::Done(p);
}

Outcome WriteLayout(const std::string& libraryPath, std::int64_t position, const PageLayoutRecord& layout) {
    auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Update);
    if (!file) return Outcome::Refused(ErrorMessage(kUnableToAddLayout, kCaptionDiskError));
    RecordEdit edit(*file);
    edit.Write(position, EncodeRecord(layout));
    edit.Commit();
    file->Close();
    return Outcome::Done(position);
}

Outcome DeleteLayout(const std::string& libraryPath, std::int64_t position) {
    if (!RemoveRecord(libraryPath, kRecordSize, position))
        return Outcome::Refused(ErrorMessage(kUnableToDeleteLayout, kCaptionDiskError));
    return Outcome::Done();
}

std::int64_t DefaultAfterDelete(std::int64_t defaultPosition, std::int64_t deleted) {
    if (defaultPosition == deleted) return 0;
    return defaultPosition > deleted ? defaultPosition - 1 : defaultPosition;
}

Outcome DeleteLayoutKeepingDefault(const std::string& libraryPath, std::int64_t position, std::int32_t& defaultPage) {
    const Outcome deleted = DeleteLayout(libraryPath, position);
    if (!deleted.IsDone()) return deleted;
    const bool wasDefault = defaultPage == position;
    defaultPage = static_cast<std::int32_t>(DefaultAfterDelete(defaultPage, position));
    if (!wasDefault) return deleted;
    auto first = std::make_unique<PageLayoutRecord>();
    if (CountLayouts(libraryPath).value_or(0) == 0 || !ReadLayout(libraryPath, 0, *first).IsDone())
        return deleted;  // no layout is left: the list says so itself
    return Outcome::Confirmed(InfoMessage("The default page layout was deleted.  \"" + LayoutEntryText(*first, false) +
                                              "\" is now the default page layout.",
                                          kCaptionNotice));
}

std::string DistinctLayoutName(const std::string& libraryPath, const std::string& name, std::size_t capacity) {
    std::vector<std::string> taken;
    if (auto file = RecordFile::Open(libraryPath, kRecordSize, RecordFile::Mode::Read)) {
        auto layout = std::make_unique<PageLayoutRecord>();
        for (std::int64_t p = 0, n = file->Count(); p < n; ++p) {
            ReadRecord(*file, p, *layout);
            taken.push_back(LowerAscii(TrimBlanks(layout->name.Str())));
        }
        file->Close();
    }
    auto isTaken = [&](const std::string& n) {
        return std::find(taken.begin(), taken.end(), LowerAscii(TrimBlanks(n))) != taken.end();
    };
    if (!isTaken(name)) return name;
    std::string candidate = MakeCopyName(name, capacity);
    // Bounded: a name cut to its capacity may stop changing.
    for (std::size_t tries = 0; isTaken(candidate) && tries <= taken.size(); ++tries)
        candidate = MakeCopyName(candidate, capacity);
    return candidate;
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

Outcome ReadLayoutExchange(const std::string& path, PageLayoutRecord& layout) {
    const auto bytes = ReadFileHead(path, kLayoutExchangeSize);
    if (!bytes) return Outcome::Refused(ErrorMessage(kLayoutNotImported));
    // The tag, 3 version bytes (not compared) and a whole record.
    if (bytes->size() < kLayoutExchangeSize || std::memcmp(bytes->data(), "PAG", 3) != 0)
        return Outcome::Refused(ErrorMessage(kLayoutFileCorrupt));
    DecodeRecord(std::span<const std::uint8_t>(*bytes).subspan(6), layout);
    return Outcome::Done();
}

Outcome ImportLayout(const std::string& exchangePath, const std::string& libraryPath) {
    auto layout = std::make_unique<PageLayoutRecord>();
    if (Outcome read = ReadLayoutExchange(exchangePath, *layout); !read.IsDone()) return read;
    return AppendLayout(libraryPath, *layout);
}

namespace {

Outcome WriteExchange(const std::string& targetPath, const PageLayoutRecord& layout) {
    if (!WriteLayoutExchangeFile(targetPath, layout)) return Outcome::Refused(ErrorMessage(kLayoutNotExported));
    return Outcome::Confirmed(InfoMessage(kLayoutExported, kCaptionOK));
}

}  // namespace

// Never over the library itself: it would be left with one layout.
Outcome ExportLayout(const std::string& libraryPath, std::int64_t position, const std::string& targetPath) {
    if (SameFile(targetPath, libraryPath)) return Outcome::Refused(ErrorMessage(kExportSameAsLayouts));
    auto layout = std::make_unique<PageLayoutRecord>();
    if (!ReadLayout(libraryPath, position, *layout).IsDone()) return Outcome::Refused(ErrorMessage(kLayoutNotExported));
    return WriteExchange(targetPath, *layout);
}

Outcome ExportDefaultLayout(const std::string& libraryPath, const std::string& targetPath) {
    if (SameFile(targetPath, libraryPath)) return Outcome::Refused(ErrorMessage(kExportSameAsLayouts));
    auto layout = std::make_unique<PageLayoutRecord>();
    layout->zoom = 1;  // the default's coordinates are those of the Small zoom
    BuildDefaultLayout(*layout);
    return WriteExchange(targetPath, *layout);
}

}  // namespace qf
