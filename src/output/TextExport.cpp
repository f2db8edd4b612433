#include "output/TextExport.h"

#include <algorithm>
#include <span>

#include "base/SaveFile.h"
#include "base/TextHelpers.h"
#include "output/PuzzleEntries.h"

namespace qf {
namespace {

constexpr std::size_t kPathCapacity = 255;

void AddEntries(const PuzzleRecord& puzzle, const std::vector<PuzzleEntry>& entries, TextExportKind kind,
                std::size_t numberWidth, std::vector<std::string>& lines) {
    for (const PuzzleEntry& e : entries) {
        const std::string text = kind == TextExportKind::Clues ? puzzle.Clue(e.slot).Str() : puzzle.Word(e.slot).Str();
        lines.push_back(PadLeft(std::to_string(e.number), numberWidth) + ". " + text);
    }
}

}  // namespace

std::vector<std::string> TextExportLines(const PuzzleRecord& puzzle, TextExportKind kind) {
    const PuzzleEntries entries = ListEntries(puzzle);
    // Numbers are right-aligned to the widest, so the clues and words start in one column.
    std::size_t width = 1;
    for (const PuzzleEntry& e : entries.All()) width = std::max(width, std::to_string(e.number).size());
    std::vector<std::string> lines{"ACROSS"};
    AddEntries(puzzle, entries.across, kind, width, lines);
    lines.emplace_back();
    lines.emplace_back("DOWN");
    AddEntries(puzzle, entries.down, kind, width, lines);
    return lines;
}

FileDialogRequest TextExportRequest(const Settings& settings) {
    FileDialogRequest r;
    r.title = "Export Clues";
    r.filter = "text (*.txt)|*.txt";
    r.defaultExtension = "txt";
    r.initialPath = settings.lastExportTextFile;
    r.save = true;
    r.confirmOverwrite = true;
    return r;
}

Outcome WriteTextExport(const std::string& path, const PuzzleRecord& puzzle, TextExportKind kind) {
    std::string text;
    for (const std::string& line : TextExportLines(puzzle, kind)) text += line + "\r\n";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!WriteWholeFile(path, std::span(bytes, text.size())))
        return Outcome::Refused(ErrorMessage(kUnableToCreateExportText));
    return Outcome::Done();
}

Outcome ExportText(const PuzzleRecord& puzzle, TextExportKind kind, Settings& settings, FileChooser& chooser) {
    const std::string path = chooser.Choose(TextExportRequest(settings));
    if (path.empty()) return Outcome::Cancelled();
    settings.lastExportTextFile = path.substr(0, kPathCapacity);
    return WriteTextExport(path, puzzle, kind);
}

}  // namespace qf
