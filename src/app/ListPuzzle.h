#pragma once
// A puzzle built straight from a word file, as the word list editor would build it from the
// same words: the file read as the editor's import reads it (plain text, one entry a line, or
// a crossword made elsewhere), checked as Create checks, one generation run, its best grid
// taken. The batch of the tool and the window's import of several word files both use it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "base/ControlName.h"
#include "base/Outcome.h"
#include "base/Prompter.h"
#include "model/CreateCheck.h"
#include "model/PuzzleRecord.h"

namespace qf {

// The word file's lines taken as the import takes words and clues, in file order. Characters
// the puzzle cannot hold are told through `prompter` (as "?").
Outcome ReadWordFile(const std::string& path, char separator, Prompter& prompter, CreateEntries& entries);

struct ListPuzzleRequest {
    std::string words;     // the word file
    std::string title;     // empty: the word file's name
    std::string category;  // as stored (Windows-1252)
    std::string attempts;  // as typed, checked as Create checks it
    bool shrink = false;
    bool quick = false;
    std::optional<std::uint64_t> seed;
    char separator = ':';
};

struct ListPuzzle {
    std::unique_ptr<PuzzleRecord> puzzle;  // the best grid, titled, with the default page layout
    std::vector<std::string> leftOut;      // its words not in the grid, in list order
    int words = 0;                         // the words of the list

    // "Title: 12 of 13 words; left out OWL, WREN"
    std::string Line() const;
};

// The shape a new puzzle is built in: the current one, or before the word list editor has
// chosen one in this run, the library's shape a new puzzle starts with (empty when unreadable).
ShapeRecord ShapeForNewPuzzles(const ProgramState& state);

// Builds the puzzle of one word file in `shape`; refused with the import's or Create's message.
Outcome BuildListPuzzle(const ProgramState& state, Prompter& prompter, const ListPuzzleRequest& request,
                        const ShapeRecord& shape, ListPuzzle& made);

// The window's import of several word files: each becomes a new puzzle of the category, built
// in the current shape with the attempts given.
inline constexpr const char* kImportWordListsCaption = "Import Word Lists";
struct WordListImportControls {
    static constexpr ControlName kAddFiles{"AddFiles"};
    static constexpr ControlName kCategory{"Category"};
    static constexpr ControlName kAttempts{"Attempts"};
    static constexpr ControlName kAll[] = {kAddFiles, kCategory, kAttempts};
};
struct WordListImport {
    std::vector<std::string> files;
    std::string category;  // as stored (Windows-1252)
    std::string attempts;  // as typed
};
// Refused with the message and the control to focus: no files, no category, attempts not 1 to 999.
Outcome CheckWordListImport(const WordListImport& choice);
// What the import says at the end: a line for each puzzle stored, then each file not stored.
Message WordListImportSummary(const std::vector<std::string>& stored, const std::vector<std::string>& notStored);

}  // namespace qf
