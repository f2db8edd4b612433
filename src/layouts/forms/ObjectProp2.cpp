#include "layouts/forms/ObjectProp2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"
#include "layouts/forms/ColorSwatch.h"

namespace qf {

TObjectProp2::TObjectProp2(const FormLook& look, PageDesign& design, int slot, Prompter& prompter,
                           ColorChooser& colors, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ObjectProp2");
    setWindowTitle(FromAnsi(PropertiesCaption(Object())));
    const PuzzleProperties start = PuzzlePropertiesOf(Object());
    skeleton_ = NamedCheckBox("SkeletonBox", "Skeleton Puzzle", start.skeleton);
    fill_ = new ColorSwatch("FillColor", "Change", start.fillColor, colors);
    block_ = new ColorSwatch("BlockColor", "Change", start.blockColor, colors);
    line_ = new ColorSwatch("LineColor", "Change", start.lineColor, colors);
    lineWidth_ = NamedEdit(PuzzlePropertiesControls::kLineWidth.text, 1, FromAnsi(start.lineWidth));
    auto* grid = new QGridLayout;
    grid->addWidget(skeleton_, 0, 0, 1, 2);
    grid->addWidget(new QLabel("Puzzle Fill Color"), 1, 0);
    grid->addWidget(fill_, 1, 1);
    grid->addWidget(new QLabel("Puzzle Block Color"), 2, 0);
    grid->addWidget(block_, 2, 1);
    grid->addWidget(new QLabel("Puzzle Line Color"), 3, 0);
    grid->addWidget(line_, 3, 1);
    grid->addWidget(BuddyLabel("Puzzle Line Width", lineWidth_), 4, 0);
    grid->addWidget(lineWidth_, 4, 1);
    fill_->SetButtonEnabled(!start.skeleton);
    connect(skeleton_, &QCheckBox::toggled, this, [this](bool on) { fill_->SetButtonEnabled(!on); });
    Finish(grid);
}

Outcome TObjectProp2::Confirm() {
    return ApplyPuzzleProperties(design_, slot_,
                                 {skeleton_->isChecked(), fill_->Color(), block_->Color(), line_->Color(),
                                  ToAnsi(lineWidth_->text())});
}

}  // namespace qf
