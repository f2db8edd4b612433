#include "editor/forms/ChooseLanguage.h"

#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "editor/forms/WordToolControls.h"

namespace qf {

TLanguageChooser::TLanguageChooser(const FormLook& look, const char* caption, const std::vector<const char*>& captions,
                                   const std::vector<bool>& available, std::int32_t& lastPicked, QWidget* parent)
    : ProgramDialog(look, parent), lastPicked_(lastPicked) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const int value = static_cast<int>(i) + 1;
        auto* radio = ToolRadio(("Language" + std::to_string(value)).c_str(), captions[i]);
        radio->setEnabled(value < static_cast<int>(available.size()) && available[static_cast<std::size_t>(value)]);
        connect(radio, &QRadioButton::clicked, this, [this, value] { lastPicked_ = value; });
        languages_.push_back(radio);
        layout->addWidget(radio);
    }
    const OkCancel buttons = OkCancelButtons(*this, {}, kEnterPasses);
    layout->addLayout(ButtonRow({buttons.ok, buttons.cancel}, RowAlign::Spread));
}

void TLanguageChooser::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous()) return;
    const int picked = lastPicked_;
    if (picked >= 1 && picked <= static_cast<int>(languages_.size())) {
        QRadioButton* radio = languages_[static_cast<std::size_t>(picked - 1)];
        if (radio->isEnabled()) radio->setChecked(true);
    }
}

std::optional<int> TLanguageChooser::Choose() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    for (std::size_t i = 0; i < languages_.size(); ++i)
        if (languages_[i]->isChecked()) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace qf
