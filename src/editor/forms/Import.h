#pragma once
// TImport, "Import": reads a text file, lists its lines sorted, and puts the lines the user
// selects into the empty rows of the editor's grid as words, clues, or words with clues.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "editor/EditorGrid.h"
#include "editor/WordTextImport.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace qf {

// Reads the answers and clues of a crossword made elsewhere (ipuz, .puz, .xd) as pairs of word
// and clue; nothing when the file is no crossword file, so it is read as a text list.
using CrosswordReader = std::function<std::optional<Outcome>(
    const std::string& path, std::vector<std::pair<std::string, std::string>>& entries)>;

class TImport : public ProgramDialog {
    Q_OBJECT
public:
    TImport(const FormLook& look, const EditorGrid& grid, Settings& settings, Prompter& prompter,
            FileChooser& chooser, CrosswordReader readCrossword = {}, QWidget* parent = nullptr);

    // The grid with the selected lines put in; meaningful when the dialog was accepted.
    const EditorGrid& Grid() const { return grid_; }

    // Shows the dialog on the editor's grid; true when "&Ok" filled rows into `grid`.
    static bool Run(const FormLook& look, EditorGrid& grid, Settings& settings, Prompter& prompter,
                    FileChooser& chooser, CrosswordReader readCrossword = {}, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenFileClick();
    void KindClick(WordTextKind kind);
    void SepCharChange(const QString& text);
    void OkClick();
    bool ReadCrossword(const std::string& path);
    WordTextKind Kind() const;

    EditorGrid grid_;
    std::vector<std::string> lines_;  // the file's entries as read, in list order
    CrosswordReader readCrossword_;
    bool crossword_ = false;  // the list holds a crossword's words and clues
    Settings& settings_;
    Prompter& prompter_;
    FileChooser& chooser_;
    QListWidget* list_ = nullptr;
    QLineEdit* sepChar_ = nullptr;
    QLabel* sepLabel_ = nullptr;
    QRadioButton* kinds_[3] = {};
};

}  // namespace qf
