#include "shapes/forms/SelectShapes.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "shapes/forms/ShapePanel.h"

namespace qf {

namespace {
constexpr int kManagerPicture = 240;
}

TSelectShapes::TSelectShapes(SelectShapesInputs inputs, QWidget* parent) : ProgramDialog(inputs.look, parent) {
    setObjectName("SelectShapes");
    setWindowTitle("Shapes");
    panel_ = new TShapePanel(ShapePanelInputs{inputs.look, ShapeListOwner::Manager, inputs.settings,
                                              inputs.currentShape, inputs.prompter, inputs.fileChooser,
                                              inputs.shapesLibrary, kManagerPicture, {}});
    QPushButton* exit = NamedButton("ExitButton", "E&xit", FocusEnter::Passes);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);  // ExitButtonClick

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_, 1);
    layout->addLayout(ButtonRow({exit}));
    SetDesignSize(QSize(560, 290));
}

// The list is filled when the window first shows, so its warning comes over the window.
void TSelectShapes::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous() || started_) return;
    started_ = true;
    panel_->Start();
}

void TSelectShapes::Run(SelectShapesInputs inputs, QWidget* parent) {
    TSelectShapes manager(std::move(inputs), parent);
    manager.exec();
}

}  // namespace qf
