#include "base/forms/ProgramDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <utility>

#include "base/forms/InterfaceFonts.h"

namespace qf {

ProgramDialog::ProgramDialog(FormLook look, QWidget* parent) : QDialog(parent), look_(std::move(look)) {}

void ProgramDialog::RecordDesign() {
    recorded_ = true;
    if (!designSize_.isValid()) designSize_ = sizeHint();
    designFonts_.emplace_back(this, font());
    for (QWidget* child : findChildren<QWidget*>()) designFonts_.emplace_back(child, child->font());
}

void ProgramDialog::Place() {
    for (auto& [widget, design] : designFonts_)
        if (widget) ApplyLook(*widget, design, look_, applyFonts_ && widget != this);
    // The layout decides the least size the scaled controls need; the design size times the
    // scale is what the dialog is given when that is more.
    const QSize wanted(Scaled(designSize_.width(), look_.scale), Scaled(designSize_.height(), look_.scale));
    resize(wanted.expandedTo(minimumSizeHint()));
    const Placement at = CentreDialog(look_.screenWidth, look_.screenHeight, width(), height());
    move(at.left, at.top);
}

void ProgramDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!recorded_) RecordDesign();
        Place();
    }
    QDialog::showEvent(event);
}

QHBoxLayout* ProgramDialog::OkCancelRow(std::function<void()> onOk) {
    auto* ok = new QPushButton("&Ok");
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    if (onOk)
        connect(ok, &QPushButton::clicked, this, std::move(onOk));
    else
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("CancelButton");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

}  // namespace qf
