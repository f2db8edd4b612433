#include "app/ListPuzzle.h"

#include <filesystem>

#include "base/Ansi.h"
#include "base/TextHelpers.h"
#include "editor/WordTextImport.h"
#include "exchange/CrosswordImport.h"
#include "layouts/LayoutLibrary.h"
#include "model/CandidateChoice.h"
#include "model/GenerationRun.h"
#include "shapes/ShapeFiles.h"

namespace qf {

Outcome ReadWordFile(const std::string& path, char separator, Prompter& prompter, CreateEntries& entries) {
    std::vector<std::string> lines;
    const auto crossword = FormatOfFile(path);
    if (crossword && *crossword != ExchangeFormat::Html) {
        // A crossword's answers and clues, joined by a character that neither can hold.
        std::vector<ImportedEntry> imported;
        if (Outcome read = ReadCrosswordFile(path, *crossword, imported); !read.IsDone()) return read;
        separator = '\x1F';
        for (const ImportedEntry& e : imported) lines.push_back(e.word + separator + e.clue);
    } else {
        const Outcome read = ReadImportFile(path, lines);
        if (!read.IsDone()) return read;
        if (!read.message.Empty()) prompter.Inform(read.message);  // characters replaced by "?"
    }
    EditorGrid grid;
    const Outcome imported =
        ImportIntoGrid(grid, lines, WordTextKind::WordsAndClues, std::string(1, separator), prompter);
    if (!imported.IsDone()) return imported;
    entries.words = grid.words;
    entries.clues = grid.clues;
    return Outcome::Done();
}

ShapeRecord ShapeForNewPuzzles(const ProgramState& state) {
    ShapeRecord shape = state.currentShape;
    if (shape.width > 0 && shape.height > 0) return shape;
    if (!ReadShape(state.ShapesLibrary(), state.settings.lastShape, shape).IsDone()) shape = ShapeRecord{};
    return shape;
}

std::string ListPuzzle::Line() const {
    std::string line = puzzle->title.Str() + ": " + std::to_string(words - static_cast<int>(leftOut.size())) + " of " +
                       std::to_string(words) + " words";
    for (std::size_t k = 0; k < leftOut.size(); ++k) line += (k == 0 ? "; left out " : ", ") + leftOut[k];
    return line;
}

Outcome BuildListPuzzle(const ProgramState& state, Prompter& prompter, const ListPuzzleRequest& request,
                        const ShapeRecord& shape, ListPuzzle& made) {
    CreateEntries entries;
    if (Outcome o = ReadWordFile(request.words, request.separator, prompter, entries); !o.IsDone()) return o;
    entries.title = !request.title.empty() ? Utf8ToAnsi(request.title)
                                           : Utf8ToAnsi(std::filesystem::path(request.words).stem().string());
    entries.category = request.category;
    entries.attempts = request.attempts;
    auto working = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    LoadPageLayout(state.LayoutsLibrary(), state.settings.defaultPage, working->layout);
    const CreateCheckResult check = CheckCreate(entries, shape, *working);
    if (!check.Ok()) return Outcome::Refused(check.error);
    RunOptions options;
    options.attempts = check.attempts;
    options.shrink = request.shrink;
    options.quickCreate = request.quick;
    options.seed = request.seed;
    RunResults results;
    BuildPuzzles(*working, shape, options, results);
    made.words = working->wordCount;
    made.leftOut = ExcludedWords(results, 1, made.words);
    TakeCandidate(results, 1, *working);
    made.puzzle = std::move(working);
    return Outcome::Done();
}

Outcome CheckWordListImport(const WordListImport& choice) {
    if (choice.files.empty())
        return Outcome::Refused(ErrorMessage("Add one or more word list files to import.").Focus(WordListImportControls::kAddFiles));
    if (TrimBlanks(choice.category).empty()) return Outcome::Refused(ErrorMessage(kNoCategory).Focus(WordListImportControls::kCategory));
    if (ValidAttempts(choice.attempts) == 0)
        return Outcome::Refused(ErrorMessage(kBadAttempts).Focus(WordListImportControls::kAttempts));
    return Outcome::Done();
}

Message WordListImportSummary(const std::vector<std::string>& stored, const std::vector<std::string>& notStored) {
    const std::size_t total = stored.size() + notStored.size();
    std::string text = std::to_string(stored.size()) + " of " + std::to_string(total) +
                       (total == 1 ? " word list" : " word lists") + " stored as new puzzles.";
    if (!stored.empty()) text += "\n";
    for (const std::string& line : stored) text += "\n" + line;
    if (!notStored.empty()) text += "\n\nNot stored:";
    for (const std::string& line : notStored) text += "\n" + line;
    if (notStored.empty()) return InfoMessage(text, kImportWordListsCaption);
    return WarningMessage(text, kImportWordListsCaption);
}

}  // namespace qf
