#pragma once
// A colour swatch and the button beside it (named NAME and NAMEButton) that asks the colour
// dialog; the swatch shows the colour chosen.
#include <QWidget>
#include <cstdint>

#include "base/Choosers.h"

class QLabel;
class QPushButton;

namespace qf {

class ColorSwatch : public QWidget {
public:
    ColorSwatch(const char* name, const char* buttonCaption, std::int32_t color, ColorChooser& colors);
    std::int32_t Color() const { return color_; }
    void SetButtonEnabled(bool on);

private:
    void Paint();

    std::int32_t color_;
    ColorChooser& colors_;
    QLabel* swatch_;
    QPushButton* button_;
};

}  // namespace qf
