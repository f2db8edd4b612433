#pragma once
// TMyBitmapWidth: the width in pixels of a bitmap, a JPEG picture or the web page's picture.
// One window serves the whole run; each showing takes the form of its format ("Bitmap" or
// "JPeg") and starts from the "Pixel Width" setting. A width it accepts is stored at once.
#include <optional>

#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qf {

class TMyBitmapWidth : public ProgramDialog {
    Q_OBJECT
public:
    enum class Form { Bitmap, Jpeg };

    TMyBitmapWidth(const FormLook& look, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the window in `form`, preset with `settings.pixelWidth`; on "Create" the width is
    // stored there and returned; nothing when cancelled.
    std::optional<int> Ask(Form form, Settings& settings);

private:
    void CreateClick();

    Prompter& prompter_;
    QLabel* label_ = nullptr;
    QLineEdit* width_ = nullptr;
    QPushButton* create_ = nullptr;
    Settings* settings_ = nullptr;
    int accepted_ = 0;
};

}  // namespace qf
