#pragma once
// TImportWordLists, "Import Word Lists": the word list files to turn into new puzzles (added
// through an open dialog that takes several at once, removed with Delete or the button), the
// category they go into and the attempts of each run; the puzzles are built in the current
// shape. It hands back the choice; the caller builds and stores the puzzles. Help opens the
// manual at the topic of this window.
#include <optional>
#include <string>
#include <vector>

#include "app/ListPuzzle.h"
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace qf {

inline constexpr const char* kImportWordListsHelp = "IMPORT WORD LISTS";

struct ImportWordListsInputs {
    FormLook look;
    std::vector<std::string> categories;  // the open collection's, as stored
    std::string category;                 // the one to start with
    int attempts = 1;
    std::string shapeText;  // the current shape, described
    FileDialogRequest files;  // the open dialog of Add Files
    char separator = ':';   // between a word and its clue, as the word list editor's import has it
    std::string programDir;  // where the help is
    FileChooser& chooser;
    Prompter& prompter;
};

class TImportWordLists : public ProgramDialog {
    Q_OBJECT
public:
    explicit TImportWordLists(ImportWordListsInputs inputs, QWidget* parent = nullptr);

    // The checked choice once Import was pressed; nothing when the window was left otherwise.
    const std::optional<WordListImport>& Result() const { return result_; }
    static std::optional<WordListImport> Run(ImportWordListsInputs inputs, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddFiles();
    void RemoveFiles();
    void ImportClick();
    WordListImport Choice() const;

    ImportWordListsInputs in_;
    std::optional<WordListImport> result_;
    QListWidget* files_ = nullptr;
    QComboBox* category_ = nullptr;
    QLineEdit* attempts_ = nullptr;
};

}  // namespace qf
