#pragma once
// TListPages, "Puzzle Page Layouts": the page layouts library as a list with a thumbnail of the
// chosen layout. It manages the library (new, modify, copy, delete, default, import, export,
// extract) and, opened for the word list editor or the print options, hands back the layout
// chosen with "&Select".
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/Choosers.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageLayoutRecord.h"

class QListWidget;
class QPushButton;

namespace qf {

class TPageBox;

enum class ListPagesMode {
    Manage = 1,  // the main window's page layout command: "&Select" is disabled
    Editor = 2,  // the word list editor: the chosen layout goes into the edited puzzle
    Print = 3,   // the print options: the chosen layout goes into the print's working copy
};

struct ListPagesInputs {
    FormLook look;
    ListPagesMode mode = ListPagesMode::Manage;
    Settings& settings;  // "Default Page", the folders of the exchange dialogs, the designer's
    std::string layoutsLibrary;
    std::string programDir;
    Prompter& prompter;
    FileChooser& fileChooser;
    FontChooser& fontChooser;
    ColorChooser& colorChooser;
    // "Ex&tract": copies a puzzle's layout from the open collection into the library; Done with
    // the new layout's position. Without it the button stays disabled.
    std::function<Outcome()> extract;
};

class TListPages : public ProgramDialog {
    Q_OBJECT
public:
    explicit TListPages(ListPagesInputs inputs, QWidget* parent = nullptr);
    ~TListPages() override;

    // The layout chosen with "&Select" (modes 2 and 3), or nothing.
    const PageLayoutRecord* Chosen() const { return chosen_.get(); }

    // Shows the chooser modally; the layout selected, or nothing when it was left otherwise.
    static std::optional<PageLayoutRecord> Run(ListPagesInputs inputs, QWidget* parent = nullptr);

    // For the callers that take a chooser: fills `layout` and returns true when one was selected.
    static std::function<bool(PageLayoutRecord&)> Chooser(std::function<ListPagesInputs()> inputs,
                                                          QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Rebuilds the list from the library and selects `row` (clamped to the last row), or the
    // entry of `position` when one is given.
    void LoadList(int row, std::int64_t position = -1);
    void LoadListAt(std::int64_t position);
    void EnableButtons();
    void DrawSelected();
    const LayoutEntry* Selected(const char* refusal);
    int RowOfPosition(std::int64_t position) const;

    void SelectClick();
    void NewClick();
    void ModifyClick();
    void CopyClick();
    void DeleteClick();
    void DefaultClick();
    void ImportClick();
    void ExportClick();
    void ExtractClick();
    void OpenDesigner(int mode);

    ListPagesInputs in_;
    std::vector<LayoutEntry> entries_;
    std::unique_ptr<PageLayoutRecord> chosen_;
    bool shownOnce_ = false;
    QListWidget* list_ = nullptr;
    TPageBox* pageBox_ = nullptr;
};

}  // namespace qf
