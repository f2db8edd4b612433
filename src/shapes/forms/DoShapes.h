#pragma once
// TDoShapes, "Shape Creator": draws one puzzle shape (its name, size and usable cells) and
// writes it into the shapes library, appended for a new shape or a copy, over its record for
// a modified one. The rules live in shapes/ShapeDesign; the window shows the design, forwards
// what the user does and repaints what the rules name.
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "shapes/ShapeDesign.h"

class QAction;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace qf {

class TShapeCanvas;

struct DoShapesInputs {
    FormLook look;
    ShapeDesignMode mode = ShapeDesignMode::New;
    ShapeRecord start;               // the current shape (ignored for a new one)
    std::int64_t recordIndex = -1;   // Modify: the record Save writes over
    std::string shapesLibrary;
    Prompter& prompter;
};

class TDoShapes : public ProgramDialog {
    Q_OBJECT
public:
    explicit TDoShapes(DoShapesInputs inputs, QWidget* parent = nullptr);

    // Done with the record index written when Save was done; Cancelled otherwise.
    const Outcome& Result() const { return result_; }
    // The shape as saved (valid when Result() is done).
    const ShapeRecord& Shape() const { return design_.shape; }
    const ShapeDesign& Design() const { return design_; }

    static Outcome Run(DoShapesInputs inputs, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool ConfirmLeave() override;

private:
    // The controls, built by their groups.
    void BuildControls();
    void BuildCanvas();
    QGridLayout* NameAndSize();
    QGridLayout* ShiftArrows();
    QHBoxLayout* AdjustButtons();
    void FillEdits();
    void SetTabOrder();
    void Apply(const ShapeAction& action);
    void DrawGrid();
    void ShowCursor();
    void ShowHistory(bool undo, bool redo);
    void TitleChanged(const QString& text);
    void SaveButtonClick();

    DoShapesInputs in_;
    ShapeDesign design_;
    ShapeDesign opened_;  // the design as it opened: leaving asks when it differs
    Outcome result_ = Outcome::Cancelled();
    QString title_;  // the name edit's text
    QLineEdit* titleEdit_ = nullptr;
    QLineEdit* widthEdit_ = nullptr;
    QLineEdit* heightEdit_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    QAction* undoKey_ = nullptr;  // Ctrl+Z and Ctrl+Y, enabled with their buttons
    QAction* redoKey_ = nullptr;
    TShapeCanvas* img_ = nullptr;
};

}  // namespace qf
