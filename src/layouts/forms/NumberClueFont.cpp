#include "layouts/forms/NumberClueFont.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"

namespace qf {

TNumberClueFont::TNumberClueFont(const FormLook& look, PageDesign& design, int slot, Prompter& prompter,
                                 FontChooser& fonts, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent), font_(Object().numberFont) {
    setObjectName("NumberClueFont");
    setWindowTitle("Numbers In Puzzle");
    auto* orientation = new QGroupBox("Orientation");
    horizontal_ = new QRadioButton("&Horizontal");
    horizontal_->setObjectName("HorizontalButton");
    auto* vertical = new QRadioButton("&Vertical");
    vertical->setObjectName("VerticalButton");
    (Object().numbersHorizontal != 0 ? horizontal_ : vertical)->setChecked(true);
    auto* column = new QVBoxLayout(orientation);
    column->addWidget(horizontal_);
    column->addWidget(vertical);
    QPushButton* change = NamedButton("FontButton", "Change &Font", FocusEnter::Passes);
    connect(change, &QPushButton::clicked, this, [this, &fonts] {
        if (const auto chosen = fonts.Choose(ChoiceOfFont(font_))) font_ = FontOfChoice(*chosen);
    });
    auto* body = new QHBoxLayout;
    body->addWidget(orientation);
    body->addWidget(change, 0, Qt::AlignTop);
    Finish(body);
}

Outcome TNumberClueFont::Confirm() { return ApplyNumberFont(design_, slot_, font_, horizontal_->isChecked()); }

}  // namespace qf
