#pragma once
// The shape list with its thumbnail and its six buttons, as the word list editor and the shape
// manager both show them: the library's shapes sorted as text, the chosen one loaded into the
// program's current shape, and New, Copy, Modify (through the shape designer), Delete, Import
// and Export. The list's rules live in shapes/ShapeList and shapes/ShapeFiles.
#include <QWidget>
#include <functional>
#include <string>

#include "base/FormGeometry.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "shapes/ShapeDesign.h"
#include "shapes/ShapeList.h"

class QListWidget;
class QPushButton;

namespace qf {

class TShapeCanvas;

struct ShapePanelInputs {
    FormLook look;                 // for the designer
    ShapeListOwner owner = ShapeListOwner::Manager;
    Settings& settings;            // "Last Shape" and the last import and export files
    ShapeRecord& currentShape;
    Prompter& prompter;
    FileChooser& fileChooser;
    std::string shapesLibrary;
    int pictureSide = 240;         // the thumbnail's width and height in pixels
    // The editor changing a puzzle: the puzzle's own shape, for the "<Current Puzzle>" item.
    std::function<ShapeRecord()> puzzleShape;
};

class TShapePanel : public QWidget {
    Q_OBJECT
public:
    explicit TShapePanel(ShapePanelInputs inputs, QWidget* parent = nullptr);

    // What the form does when shown: fill the list, select its starting item, load and draw it.
    void Start();
    // The editor changing a puzzle: the list and the six buttons stay disabled.
    void Lock();

    void LoadInLayouts();
    void LoadALayout();
    void DrawTheBox();
    void SetShapeBoxIndex(std::int64_t index);

    // The record index (or the "<Current Puzzle>" value) of the selected item; -1 for none.
    std::int64_t SelectedValue() const;

private:
    void ShapeBoxClick();
    void NewShapeClick();
    void CopyShapeClick();
    void ModifyShapeClick();
    void DeleteShapeClick();
    void ImportShapeClick();
    void ExportShapeClick();
    // Opens the designer; after a save the list is refilled and the saved shape selected.
    void Design(ShapeDesignMode mode, std::int64_t recordIndex);
    void ShowList(int row);
    void EnableChoices();
    QWidget& Form();

    ShapePanelInputs in_;
    ShapeList list_;
    ShapeRecord puzzleShape_;  // the "<Current Puzzle>" item's shape
    bool locked_ = false;
    QListWidget* box_ = nullptr;
    TShapeCanvas* picture_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* copy_ = nullptr;
};

}  // namespace qf
