#pragma once
// TDoPages, "Page Creator": the page layout designer. It edits one layout on a to-scale
// picture of the page (PageDesign holds every rule), and saves it into the layouts library:
// appended for a new layout or a copy, written back at its position for a modified one.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "base/Choosers.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "layouts/PageDesign.h"
#include "layouts/PageObjectDialogs.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace qf {

class TPageCanvas;

struct DoPagesInputs {
    FormLook look;
    PageDesignMode mode = PageDesignMode::New;
    const PageLayoutRecord* source = nullptr;  // Modify and Copy: the layout opened
    std::int64_t position = -1;                // Modify: where Save writes
    Settings& settings;                        // zoom, window geometry, heading labels
    std::string layoutsLibrary;
    std::string programDir;                    // for the help
    Prompter& prompter;
    FileChooser& fileChooser;
    FontChooser& fontChooser;
    ColorChooser& colorChooser;
};

class TDoPages : public ProgramDialog {
    Q_OBJECT
public:
    explicit TDoPages(DoPagesInputs inputs, QWidget* parent = nullptr);
    ~TDoPages() override;

    // Done with the layout's position in the library when it was saved, Cancelled otherwise.
    const Outcome& Result() const { return result_; }
    static Outcome Run(DoPagesInputs inputs, QWidget* parent = nullptr);

    const PageDesign& Design() const { return design_; }
    // The object pop-up menu as it was last built (for the selected object).
    QMenu* ObjectMenu() const { return objectMenu_; }
    // Runs one command of the object menu on the selected object, as choosing it does.
    void RunObjectCommand(ObjectMenuItem item);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;  // every way out stores the window's geometry
    bool ConfirmLeave() override;

private:
    // The panel beside the page, built by its groups, and the page.
    void BuildPanel();
    void BuildPageControls();
    QWidget* CustomSizeBox();
    QGroupBox* KindGroup(const char* caption, std::initializer_list<ObjectKind> kinds);
    void BuildCanvas();
    void BuildMenus();
    void BuildObjectMenu();
    PageChange Apply(const PageAction& action);
    void Show(const PageChange& change);
    void ShowHistory();
    void ShowSelected();
    void SetTabOrder();
    void ShowBoxes();
    void ShowButtons();
    void ShowZoomChecks();
    void PopUp(QPoint global);
    void UpdateObjectMenu();

    void SaveClick();
    bool Changed() const;
    void StoreGeometry();

    // The pop-up commands (DoPagesObjects.cpp).
    void SizeAndPosition();
    void Properties();
    void Border();
    void Fill();
    void ChangeText();
    void TextFont();
    void ClueNumberFont();
    void LoadBitmap();

    DoPagesInputs in_;
    PageDesign design_;
    PageDesignSnapshot snapshot_;  // the layout as opened, for the exit question
    Outcome result_ = Outcome::Cancelled();
    bool shownOnce_ = false;
    std::vector<Message> openWarnings_;

    QLineEdit* name_ = nullptr;
    QComboBox* paper_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QCheckBox* inches_ = nullptr;
    QWidget* customBox_ = nullptr;
    std::array<QPushButton*, kObjectKindCount + 1> kindButtons_{};
    QScrollArea* scroll_ = nullptr;
    TPageCanvas* canvas_ = nullptr;
    QMenu* objectsMenu_ = nullptr;
    std::array<QAction*, kMaxPageObjects> objectItems_{};
    std::array<QAction*, 4> zoomItems_{};
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QMenu* objectMenu_ = nullptr;
    std::array<QAction*, kObjectMenuItems> menuItems_{};
    std::array<QAction*, 4> alignItems_{};
};

}  // namespace qf
