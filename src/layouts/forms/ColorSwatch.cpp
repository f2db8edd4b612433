#include "layouts/forms/ColorSwatch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "base/forms/FormControls.h"
#include "base/forms/InterfaceFonts.h"

namespace qf {

ColorSwatch::ColorSwatch(const char* name, const char* buttonCaption, std::int32_t color, ColorChooser& colors)
    : color_(color), colors_(colors) {
    setObjectName(name);
    swatch_ = new QLabel;
    swatch_->setFixedSize(40, 20);
    swatch_->setFrameShape(QFrame::Box);
    swatch_->setAutoFillBackground(true);
    button_ = NamedButton(QString(name) + "Button", buttonCaption, FocusEnter::Passes);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(swatch_);
    row->addWidget(button_);
    row->addStretch();
    connect(button_, &QPushButton::clicked, this, [this] {
        if (const auto chosen = colors_.Choose(color_)) {
            color_ = *chosen;
            Paint();
        }
    });
    Paint();
}

void ColorSwatch::SetButtonEnabled(bool on) { button_->setEnabled(on); }

void ColorSwatch::Paint() {
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, ColorOf(color_));
    swatch_->setPalette(palette);
}

}  // namespace qf
