#pragma once
// TLanguageChooser: the dialog that asks for a language at use time when the settings say
// "choose" (TChooseSpellCheck, TChooseThesCheck). The language last picked is preselected; a
// click stores it in its setting at once; unavailable languages are disabled.
#include <cstdint>
#include <optional>
#include <vector>

#include "base/forms/ProgramDialog.h"

class QRadioButton;

namespace qf {

class TLanguageChooser : public ProgramDialog {
    Q_OBJECT
public:
    // `available[v]` for the values 1..captions.size(); `lastPicked` is the setting kept up to date.
    TLanguageChooser(const FormLook& look, const char* caption, const std::vector<const char*>& captions,
                     const std::vector<bool>& available, std::int32_t& lastPicked, QWidget* parent = nullptr);

    // The language selected when "&Ok" closed the dialog; 0 when none was; nothing on "&Cancel".
    std::optional<int> Choose();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::int32_t& lastPicked_;
    std::vector<QRadioButton*> languages_;
};

}  // namespace qf
