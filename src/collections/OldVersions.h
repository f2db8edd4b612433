#pragma once
// Conversion of the earlier 16-bit version's files: the user puzzles file QFFUPUZZ.DAT (old
// records of 30347 bytes), single-puzzle .QFD files ("QFD", a skipped text, one old record) and
// the user shapes file QFFULAY.DAT (records identical to ShapeRecord). Nothing is ever written
// in the old formats.
#include <cstdint>
#include <span>
#include <string>

#include "base/Directories.h"
#include "base/Outcome.h"
#include "base/Prompter.h"
#include "model/PuzzleRecord.h"

namespace qf {

inline constexpr std::size_t kOldPuzzleSize = 30347;
inline constexpr const char* kOldPuzzlesFileName = "QFFUPUZZ.DAT";
inline constexpr const char* kOldShapesFileName = "QFFULAY.DAT";
inline constexpr const char* kOldPuzzlesCollectionName = "OLDPUZZ.QF3";
inline constexpr const char* kOldPuzzleCategory = "Version 2.0 Puzzles";

inline constexpr const char* kOldPuzzlesQuestion =
    "User generated puzzles from a previous version of Quernfold have been detected.  Would you like to "
    "convert them to a puzzle group?";
inline constexpr const char* kOldShapesQuestion =
    "User generated shapes from a previous version of Quernfold have been detected.  Would you like to add "
    "them to the current list of puzzle shapes?";
inline constexpr const char* kPuzzlesNotImported = "Puzzles could not be imported.";
inline constexpr const char* kUnableToSavePuzzles = "Unable to save puzzles.";
inline constexpr const char* kOldGroupCreated = "A new puzzle group named \"OLDPUZZ.QF3\" has been created.";
// The confirmation of a conversion into `collection`: its name alone when it lies beside the
// program, its whole path when the user has to find it in a folder of their own.
Message OldGroupCreated(const Directories& dirs, const std::string& collection);
inline constexpr const char* kUnableToAddShapes = "Unable to add shapes.";
inline constexpr const char* kShapesAdded = "Puzzle shapes have been added.";
inline constexpr const char* kPuzzleNotImported = "Puzzle could not be imported.";
inline constexpr const char* kOldPuzzleCorrupt = "Puzzle file is corrupt or incompatible.  Import aborted.";

// Where the old files are read and the converted ones written.
struct OldVersionPaths {
    std::string layoutsLibrary;    // QFFPAGE.DAT, for the default layout
    std::int64_t defaultPage = 0;  // the "Default Page" setting
};

// Turns one old record (at least kOldPuzzleSize bytes) into `working`. Fields the old record
// does not give keep what `working` held (Reserved); Words and Clues above the word count are
// emptied.
void ConvertOldPuzzle(std::span<const std::uint8_t> old, const OldVersionPaths& paths, PuzzleRecord& working);

// Appends every record of an old puzzles file to `collection` (created when missing), all or
// none; the outcome's index is the number converted. "Puzzles could not be imported." / "Unable to save
// puzzles.".
Outcome ConvertOldPuzzlesFile(const std::string& oldFile, const std::string& collection, const OldVersionPaths& paths,
                              PuzzleRecord& working);

// Appends every record of an old shapes file to the shapes library (created when missing); the
// outcome's index is the number added. "Puzzles could not be imported." / "Unable to add
// shapes." (caption "Error"). A shape whose size a .LAY import would refuse makes the whole
// file refused with the shape file's corrupt-file message; nothing is added then.
Outcome AddOldShapesFile(const std::string& oldFile, const std::string& shapesLibrary);

// The start-up offer: converts QFFUPUZZ.DAT and QFFULAY.DAT of the working directory when the
// user agrees, deleting each after a successful conversion, and tells the outcome.
void CheckForOldVersions(const Directories& dirs, const OldVersionPaths& paths, Prompter& prompter,
                         PuzzleRecord& working);

// Reads a .QFD file into `working` (converted).
Outcome ReadOldPuzzleFile(const std::string& path, const OldVersionPaths& paths, PuzzleRecord& working);

// Import Puzzles of a .QFD file: converts its puzzle and appends it to the open collection
// ("Unable to save puzzle." when that cannot be opened or created). The caller reselects the
// category "Version 2.0 Puzzles" and the converted title.
Outcome Import16Bit(const std::string& chosen, const std::string& openPath, const OldVersionPaths& paths,
                    PuzzleRecord& working);

}  // namespace qf
