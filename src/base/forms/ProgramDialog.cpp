#include "base/forms/ProgramDialog.h"

#include <QShowEvent>
#include <utility>

#include "base/forms/AccessibleNames.h"
#include "base/forms/InterfaceFonts.h"
#include "base/forms/WindowGeometry.h"
#include "base/forms/WindowKeys.h"

namespace qf {

ProgramDialog::ProgramDialog(FormLook look, QWidget* parent) : QDialog(parent), look_(std::move(look)) {
    new WindowKeys(*this);
}

void ProgramDialog::reject() {
    CommitOpenEditors(*this);
    if (ConfirmLeave()) QDialog::reject();
}

void ProgramDialog::RecordDesign() {
    recorded_ = true;
    if (!designSize_.isValid()) designSize_ = sizeHint();
    designFonts_.emplace_back(this, font());
    for (QWidget* child : findChildren<QWidget*>()) designFonts_.emplace_back(child, child->font());
}

void ProgramDialog::Place() {
    const ScreenArea area = AvailableArea(*this);
    const QSize frame = FrameAllowance(*this);
    FormLook look = look_;
    look.scale = FittingScale(designSize_.width(), designSize_.height(), look_.scale, area, frame.width(),
                              frame.height());
    for (auto& [widget, design] : designFonts_)
        if (widget) ApplyLook(*widget, design, look, applyFonts_ && widget != this);
    ScaleChosen(look.scale);
    // The layout decides the least size the scaled controls need; the design size times the
    // scale is what the dialog is given when that is more, and never more than the screen has.
    const QSize wanted(Scaled(designSize_.width(), look.scale), Scaled(designSize_.height(), look.scale));
    QSize size = wanted.expandedTo(minimumSizeHint());
    if (area.width > 0) size = size.boundedTo(QSize(area.width - frame.width(), area.height - frame.height()));
    resize(size);
    Placement at = CentreDialog(look.screenWidth, look.screenHeight, width(), height());
    at = KeepInside(at, width() + frame.width(), height() + frame.height(), area);
    move(at.left, at.top);
}

void ProgramDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!recorded_) RecordDesign();
        Place();
        NameControlsByLabels(*this);  // labels given their buddies after the kit made them
    }
    QDialog::showEvent(event);
}

}  // namespace qf
