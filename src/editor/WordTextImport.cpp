#include "editor/WordTextImport.h"

#include "base/Ansi.h"
#include "base/FileUtil.h"
#include "base/TextHelpers.h"

namespace qf {
namespace {

bool Blank(const std::string& cell) { return TrimBlanks(cell).empty(); }

// The first free row for the kind, or -1.
int FreeRow(const EditorGrid& grid, WordTextKind kind) {
    for (int row = 0; row < kEditorRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const bool free = kind == WordTextKind::Words ? Blank(grid.words[r]) : Blank(grid.words[r]) && Blank(grid.clues[r]);
        if (free) return row;
    }
    return -1;
}

void FillRow(EditorGrid& grid, std::size_t row, const std::string& item, WordTextKind kind, char separator) {
    switch (kind) {
        case WordTextKind::Words: grid.words[row] = TrimBlanks(item); break;
        case WordTextKind::Clues: grid.clues[row] = TrimBlanks(item); break;
        case WordTextKind::WordsAndClues: {
            const std::size_t at = item.find(separator);
            if (at == std::string::npos) {
                grid.words[row] = TrimBlanks(item);
                grid.clues[row].clear();
            } else {
                grid.words[row] = TrimBlanks(std::string_view(item).substr(0, at));
                grid.clues[row] = TrimBlanks(std::string_view(item).substr(at + 1));
            }
            break;
        }
    }
}

}  // namespace

int EditorGrid::WordCount() const {
    int n = 0;
    for (const std::string& word : words)
        if (!Blank(word)) ++n;
    return n;
}

std::vector<std::string> ImportLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string entry = TrimBlanks(line.substr(0, std::min(line.size(), kImportLineLimit)));
        if (!entry.empty()) lines.push_back(std::move(entry));
    }
    return lines;
}

FileDialogRequest ImportWordListRequest(const Settings& settings, bool withCrosswords) {
    FileDialogRequest r;
    r.title = "Import Word/Clue List";
    r.filter = withCrosswords ? "text (*.txt)|*.txt|crosswords (*.ipuz *.puz *.xd)|*.ipuz;*.puz;*.xd|all files (*.*)|*.*"
                              : "text (*.txt)|*.txt|all files (*.*)|*.*";
    r.defaultExtension = "txt";
    r.initialPath = settings.lastImportWordFile;
    return r;
}

Outcome ReadImportFile(const std::string& path, std::vector<std::string>& lines) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return Outcome::Refused(ErrorMessage(kUnableToOpenImportFile));
    std::string_view contents(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (contents.substr(0, 3) == "\xEF\xBB\xBF") contents.remove_prefix(3);
    bool lossy = false;
    lines = ImportLines(IsValidUtf8(contents) ? Utf8ToAnsi(contents, &lossy) : std::string(contents));
    if (lossy) return Outcome::Confirmed(WarningMessage(kImportCharactersReplaced));
    return Outcome::Done();
}

std::string TooManyWordsQuestion(int extra) {
    const std::string e = extra == 1 ? "word" : std::to_string(extra) + " words";
    return "Too many words selected.  Last " + e + " will not be used.  Continue?";
}

Outcome ImportIntoGrid(EditorGrid& grid, const std::vector<std::string>& items, WordTextKind kind,
                       std::string_view separator, Prompter& prompter) {
    char sep = 0;
    if (kind == WordTextKind::WordsAndClues) {
        const std::string trimmed = TrimBlanks(separator);
        if (trimmed.empty()) return Outcome::Refused(ErrorMessage(kNoSeparatorSpecified).Focus(TextImportControls::kSeparator));
        sep = trimmed.front();
    }
    int n = grid.WordCount();
    const auto total = static_cast<long long>(n) + static_cast<long long>(items.size());
    if (total > kEditorRows) {
        const Message question = WarningMessage(TooManyWordsQuestion(static_cast<int>(total - kEditorRows)));
        if (prompter.Ask(question, Question::YesNo) != Answer::Yes) return Outcome::Cancelled();
    }
    int filled = 0;
    for (const std::string& item : items) {
        if (n >= kEditorRows) break;
        const int row = FreeRow(grid, kind);
        if (row < 0) continue;  // no free row: the item is not placed and does not count
        FillRow(grid, static_cast<std::size_t>(row), item, kind, sep);
        ++n;
        ++filled;
    }
    return Outcome::Done(filled);
}

}  // namespace qf
