#pragma once
// TSelectShapes, "Shapes": the shape manager of the main window. The shapes library as a list
// with a large thumbnail, and the list's commands: New, Copy, Modify, Delete, Import, Export.
#include <string>

#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "shapes/ShapeRecord.h"

namespace qf {

class TShapePanel;

struct SelectShapesInputs {
    FormLook look;
    Settings& settings;
    ShapeRecord& currentShape;  // keeps the last shape loaded, imported or copied
    Prompter& prompter;
    FileChooser& fileChooser;
    std::string shapesLibrary;
};

class TSelectShapes : public ProgramDialog {
    Q_OBJECT
public:
    explicit TSelectShapes(SelectShapesInputs inputs, QWidget* parent = nullptr);

    TShapePanel& Panel() { return *panel_; }

    static void Run(SelectShapesInputs inputs, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TShapePanel* panel_ = nullptr;
    bool started_ = false;
};

}  // namespace qf
