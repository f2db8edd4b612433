#include "collections/OldVersions.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/RecordFile.h"
#include "base/UserLibrary.h"
#include "collections/CollectionFile.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeFiles.h"

namespace qf {
namespace {

// Offsets of the old record.
constexpr std::size_t kOldTitle = 0;
constexpr std::size_t kOldGridSize = 36;
constexpr std::size_t kOldGrid = 40;
constexpr std::size_t kOldWordCount = 2540;
constexpr std::size_t kOldAcrossCount = 2542;
constexpr std::size_t kOldDownCount = 2544;
constexpr std::size_t kOldWords = 2546;
constexpr std::size_t kOldClues = 8746;
constexpr std::size_t kOldClueCapacity = 100;
constexpr std::size_t kOldStartCell = 28946;
constexpr std::size_t kOldLetterCount = 29346;
constexpr std::size_t kOldNumber = 29746;
constexpr std::size_t kOldIsAcross = 30146;

std::int16_t Int16At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)));
}

// Copies an old short string of capacity `oldCapacity` into `into`, cut to both capacities.
template <std::size_t N>
void CopyText(std::span<const std::uint8_t> b, std::size_t at, std::size_t oldCapacity, ShortString<N>& into) {
    const std::size_t n = std::min<std::size_t>({b[at], oldCapacity, N});
    into.chars.fill(0);
    std::memcpy(into.chars.data(), b.data() + at + 1, std::min(oldCapacity, N));
    into.length = static_cast<std::uint8_t>(n);
}

template <std::size_t N>
void Clear(ShortString<N>& s) {
    s.length = 0;
    s.chars.fill(0);
}

}  // namespace

void ConvertOldPuzzle(std::span<const std::uint8_t> old, const OldVersionPaths& paths, PuzzleRecord& working) {
    if (old.size() < kOldPuzzleSize) return;
    LoadPageLayout(paths.layoutsLibrary, paths.defaultPage, working.layout);
    working.version = kRecordVersion;
    CopyText(old, kOldTitle, kTitleCapacity, working.title);
    working.bonusQuestion = "";
    working.category = kOldPuzzleCategory;
    working.width = working.height = Int16At(old, kOldGridSize);
    working.wordCount = Int16At(old, kOldWordCount);
    working.acrossCount = Int16At(old, kOldAcrossCount);
    working.downCount = Int16At(old, kOldDownCount);
    std::memcpy(working.grid.data(), old.data() + kOldGrid, working.grid.size());
    for (std::size_t i = 0; i < static_cast<std::size_t>(kMaxWords); ++i) {
        CopyText(old, kOldWords + i * 31, kWordCapacity, working.words[i]);
        CopyText(old, kOldClues + i * (kOldClueCapacity + 1), kOldClueCapacity, working.clues[i]);
        working.startCell[i] = Int16At(old, kOldStartCell + i * 2);
        working.letterCount[i] = Int16At(old, kOldLetterCount + i * 2);
        working.number[i] = Int16At(old, kOldNumber + i * 2);
        working.isAcross[i] = old[kOldIsAcross + i];
    }
    // The word count comes from the file: it only bounds these loops, never indexes.
    const int inGrid = std::clamp<int>(working.wordCount, 0, kMaxWords);
    for (int i = 0; i < kMaxWords; ++i) {
        working.inGrid[static_cast<std::size_t>(i)] = i < inGrid ? 1 : 0;
        if (i >= inGrid) {
            Clear(working.words[static_cast<std::size_t>(i)]);
            Clear(working.clues[static_cast<std::size_t>(i)]);
        }
    }
    working.generated = 1;
}

Outcome ConvertOldPuzzlesFile(const std::string& oldFile, const std::string& collection, const OldVersionPaths& paths,
                              PuzzleRecord& working) {
    auto in = RecordFile::Open(oldFile, kOldPuzzleSize, RecordFile::Mode::Read);
    if (!in) return Outcome::Refused(ErrorMessage(kPuzzlesNotImported));
    auto out = RecordFile::Open(collection, kSlotSize, RecordFile::Mode::Update);
    if (!out) return Outcome::Refused(ErrorMessage(kUnableToSavePuzzles));
    RecordEdit edit(*out);  // every puzzle or none
    std::vector<std::uint8_t> old(kOldPuzzleSize);
    std::vector<std::uint8_t> slot(kSlotSize);
    const std::int64_t n = in->Count();
    for (std::int64_t i = 0; i < n; ++i) {
        in->Read(i, old);
        ConvertOldPuzzle(old, paths, working);
        EncodeRecord(working, std::span<std::uint8_t>(slot));
        edit.Append(slot);
    }
    edit.Commit();
    out->Close();
    in->Close();
    return Outcome::Done(n);
}

Outcome AddOldShapesFile(const std::string& oldFile, const std::string& shapesLibrary) {
    auto in = RecordFile::Open(oldFile, ShapeRecord::kStoredSize, RecordFile::Mode::Read);
    if (!in) return Outcome::Refused(ErrorMessage(kPuzzlesNotImported));
    std::array<std::uint8_t, ShapeRecord::kStoredSize> record{};
    ShapeRecord shape;
    const std::int64_t n = in->Count();
    // A shape of a size outside the cell array is refused as a .LAY import refuses it, and then
    // none of the file's shapes is added.
    for (std::int64_t i = 0; i < n; ++i) {
        in->Read(i, record);
        DecodeRecord(std::span<const std::uint8_t>(record), shape);
        if (!ShapeSizeValid(shape)) return Outcome::Refused(ErrorMessage(kShapeFileCorrupt));
    }
    auto out = RecordFile::Open(shapesLibrary, ShapeRecord::kStoredSize, RecordFile::Mode::Update);
    if (!out) return Outcome::Refused(ErrorMessage(kUnableToAddShapes));
    RecordEdit edit(*out);
    for (std::int64_t i = 0; i < n; ++i) {
        in->Read(i, record);
        edit.Append(record);
    }
    edit.Commit();
    out->Close();
    in->Close();
    return Outcome::Done(n);
}

Message OldGroupCreated(const Directories& dirs, const std::string& collection) {
    if (!dirs.installed) return InfoMessage(kOldGroupCreated, kCaptionOk);
    return InfoMessage("A new puzzle group named \"" + collection + "\" has been created.", kCaptionOk);
}

void CheckForOldVersions(const Directories& dirs, const OldVersionPaths& paths, Prompter& prompter,
                         PuzzleRecord& working) {
    const std::string oldPuzzles = dirs.WorkingFile(kOldPuzzlesFileName);
    if (FileExists(oldPuzzles) &&
        prompter.Ask(InfoMessage(kOldPuzzlesQuestion, kCaptionNotice), Question::YesNo) == Answer::Yes) {
        const std::string target = dirs.MadeCollection(kOldPuzzlesCollectionName);
        const Outcome converted =
            ConvertOldPuzzlesFile(oldPuzzles, target, paths, working);
        if (!converted.IsDone()) {
            prompter.Inform(converted.message);  // a failed puzzle step skips the shapes for this run
            return;
        }
        std::remove(oldPuzzles.c_str());
        prompter.Inform(OldGroupCreated(dirs, target));
    }
    const std::string oldShapes = dirs.WorkingFile(kOldShapesFileName);
    if (!FileExists(oldShapes)) return;
    if (prompter.Ask(InfoMessage(kOldShapesQuestion, kCaptionNotice), Question::YesNo) != Answer::Yes) return;
    if (const Outcome added = AddOldShapesFile(oldShapes, UserLibrary(dirs, kShapesFileName)); !added.IsDone()) {
        prompter.Inform(added.message);
        return;
    }
    std::remove(oldShapes.c_str());
    prompter.Inform(InfoMessage(kShapesAdded, kCaptionOk));
}

Outcome ReadOldPuzzleFile(const std::string& path, const OldVersionPaths& paths, PuzzleRecord& working) {
    // "QFD", a length byte, at most 255 bytes of text, one old record.
    const auto bytes = ReadFileHead(path, 3 + 1 + 255 + kOldPuzzleSize);
    if (!bytes) return Outcome::Refused(ErrorMessage(kPuzzleNotImported));
    const std::vector<std::uint8_t>& b = *bytes;
    if (b.size() < 4 || std::memcmp(b.data(), "QFD", 3) != 0) return Outcome::Refused(ErrorMessage(kOldPuzzleCorrupt));
    const std::size_t start = 4 + b[3];
    if (b.size() < start + kOldPuzzleSize) return Outcome::Refused(ErrorMessage(kOldPuzzleCorrupt));
    ConvertOldPuzzle(std::span<const std::uint8_t>(b).subspan(start, kOldPuzzleSize), paths, working);
    return Outcome::Done();
}

Outcome Import16Bit(const std::string& chosen, const std::string& openPath, const OldVersionPaths& paths,
                    PuzzleRecord& working) {
    if (Outcome read = ReadOldPuzzleFile(chosen, paths, working); !read.IsDone()) return read;
    return AppendPuzzle(openPath, working);
}

}  // namespace qf
