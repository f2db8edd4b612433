#pragma once
// TMyExport, "Export": lists the editor's words, clues, or words with clues, and writes the
// entries the user selects to a text file.
#include <string>
#include <vector>

#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "editor/EditorGrid.h"
#include "editor/WordTextExport.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qf {

class TMyExport : public ProgramDialog {
    Q_OBJECT
public:
    TMyExport(const FormLook& look, const EditorGrid& grid, bool isNewPuzzle, Settings& settings,
              Prompter& prompter, FileChooser& chooser, QWidget* parent = nullptr);

    // Shows the dialog.
    static void Run(const FormLook& look, const EditorGrid& grid, bool isNewPuzzle, Settings& settings,
                    Prompter& prompter, FileChooser& chooser, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void KindClick(WordTextKind kind);
    void FillList(WordTextKind kind);
    void SepCharChange(const QString& text);
    void ListBox1Click();
    void SelectUsedClick();
    void SaveFileClick();
    WordTextKind Kind() const;

    EditorGrid grid_;
    bool isNewPuzzle_;
    Settings& settings_;
    Prompter& prompter_;
    FileChooser& chooser_;
    std::vector<ExportItem> items_;  // in list order
    QListWidget* list_ = nullptr;
    QLineEdit* sepChar_ = nullptr;
    QLabel* sepLabel_ = nullptr;
    QPushButton* saveFile_ = nullptr;
    QRadioButton* kinds_[3] = {};
};

}  // namespace qf
