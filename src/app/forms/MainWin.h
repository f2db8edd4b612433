#pragma once
// TMainWin: the program's main window and its command hub. It shows the open collection as two
// sorted lists (categories, and the puzzles of the chosen one), carries the menus and the speed
// buttons, owns the working puzzle and keeps the window's design geometry.
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/forms/ProgramContext.h"
#include "base/FormGeometry.h"
#include "collections/forms/CollectionModel.h"
#include "model/PuzzleRecord.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QScreen;

namespace qf {

class PageExporter;
class PagePrinter;
class TMyBitmapWidth;
class TClientArea;
class TSelectedPuzzlePicture;
struct WordListInputs;
enum class ListPagesMode;
struct WordToolInputs;
enum class UserListMode;

class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainWin(ProgramContext& context, QWidget* parent = nullptr);
    ~TMainWin() override;

    // "Quernfold 98 (" + DisplayName + ")"
    void DoCaption();
    const QString& DisplayName() const { return displayName_; }
    // The one-puzzle commands are enabled exactly when a puzzle row is selected.
    void EnableDisable();

    CollectionModel& Collection() { return collection_; }
    PuzzleRecord& Working() { return *working_; }
    const DesignGeometry& Design() const { return design_; }
    const std::vector<QWidget*>& Components() const { return components_; }
    QAction* Action(const char* name) const;
    // The page layout chooser in its mode for the word list editor or the print options: true
    // when a layout was chosen into the argument (MainWinLayouts.cpp).
    std::function<bool(PageLayoutRecord&)> LayoutChooser(ListPagesMode mode);

    // A file named on the command line: opened (a collection) or offered for import (a shape,
    // a page layout) once the window is first shown, before the tip of the day.
    void OpenAfterShow(std::string path) { startFile_ = std::move(path); }
    void OpenStartFile(const std::string& path);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction (MainWinMenus.cpp).
    void BuildClient();
    void BuildMenus();
    QAction* AddCommand(QMenu* menu, const char* name, const char* caption, const char* shortcut,
                        const std::function<void()>& handler);
    QAction* AddCommand(QMenu* menu, const char* name, const char* caption, const char* shortcut,
                        void (TMainWin::*handler)()) {
        return AddCommand(menu, name, caption, shortcut, [this, handler] { (this->*handler)(); });
    }
    void AddSpeedButton(const char* name, const char* actionName, const char* hint, const char* picture, int left);
    void BuildOptionsMenu(QMenu* options);
    void BuildLanguageMenus(QMenu* options);
    void StartUp();

    // Collection commands (MainWinCommands.cpp).
    void NewGroupClick();
    void OpenGroupClick();
    void OpenSaveFile(int entry);
    void DeletePuzzleClick();
    void ImportPuzzleClick();
    void ExportPuzzleClick();
    void ExportPuzzleAsClick();  // one puzzle in an open format or as a solving page (MainWinExchange.cpp)
    void ExitClick() { close(); }

    // Puzzle commands (MainWinPuzzles.cpp).
    void MakeNewPuzzle();
    void ModifyPuzzle();
    void CopyPuzzle();
    bool ReadSelectedPuzzle();
    WordListInputs EditorInputs(const char* caption);

    // Printing (MainWinPrint.cpp).
    void PrintPuzzle();
    void PrintBookletClick();
    void ImportWordListsClick();
    void PrinterSetupClick();
    void ClueHeadersClick();
    PagePrinter& Printer();
    PageExporter& Exporter();
    void JpegFactorClick();

    // The shape manager (MainWinShapes.cpp).
    void DoPuzzleShape();

    // The page layouts (MainWinLayouts.cpp).
    void PageLayoutClick();

    // Help menu (MainWinHelp.cpp).
    void UserManualClick();
    void ReviewTipsClick();
    void AboutClick();
    void ShowHelpClick();
    void DataExchangeClick();
    void OpenedCollection();
    void SetMenuLastFiles();

    // Options (MainWinOptions.cpp).
    void ChooseScreenSize(int windowSize);
    void ShowScreenSize(int windowSize);
    void ScreenMoved(QScreen* screen);  // with Automatic the scale follows the screen
    void ToggleBackground();
    void ChooseInterfaceFont(InterfaceFontKind kind);
    void ChooseDictionary(int value);
    void ChooseThesaurus(int value);
    void ChoosePixelFormat(int value);
    void ShowLanguageChecks();
    void WordSeparatorsClick();

    // Word commands (MainWinWords.cpp).
    WordToolInputs WordTools() const;
    void EditUserList(UserListMode mode);
    void AddDictClick();
    void ExcludeDictClick();
    void IntCharsClick();
    void PuzzleWordsClick();

    void ShowLists();
    void CategoryClick(int row);
    void PuzzleClick(int row);
    void ApplyLook();

    // View menu: the selected puzzle's picture (MainWinPicture.cpp).
    void TogglePuzzlePicture();
    void LayOutPicture();  // shown or not, and the client's width with it
    void ShowPicture();    // the selected puzzle, read again

    ProgramContext& context_;
    CollectionModel collection_;
    std::unique_ptr<PuzzleRecord> working_;
    TMyBitmapWidth* bitmapWidth_ = nullptr;  // a child window, made at the first print, kept for the run
    std::shared_ptr<PageExporter> exporter_;
    std::shared_ptr<PagePrinter> printer_;  // made at the first print; shared_ptr: this header need not know it
    std::int64_t editRecordIndex_ = 0;
    bool isNewPuzzle_ = true;
    QString displayName_;
    DesignGeometry design_;
    bool shownOnce_ = false;
    bool tipShown_ = false;
    std::string startFile_;

    TClientArea* client_ = nullptr;
    QListWidget* categoryBox_ = nullptr;
    QListWidget* puzzleBox_ = nullptr;
    QLabel* pictureHeading_ = nullptr;
    TSelectedPuzzlePicture* picture_ = nullptr;
    int designWidth_ = 0;  // the client's design width without the picture
    std::vector<QWidget*> components_;  // the client's controls in the order they were made
    std::map<std::string, QAction*> actions_;
    std::array<QAction*, 5> lastFiles_{};
    QAction* lastFilesSeparator_ = nullptr;
};

// The open collection's file name without its folder and its last four characters.
std::string ComputeDisplayName(const std::string& collectionPath);

}  // namespace qf
