#pragma once
// The language dialogs shown at use time when the settings say "choose": TChooseSpellCheck
// ("Spell Check", eight spelling languages) and TChooseThesCheck ("Thesaurus", two thesaurus
// languages). The language last picked is preselected; a click stores it in its setting at once;
// unavailable languages are disabled.
#include <optional>
#include <vector>

#include "base/Settings.h"
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

class TChooseSpellCheck : public TLanguageChooser {
    Q_OBJECT
public:
    TChooseSpellCheck(const FormLook& look, const std::vector<bool>& available, Settings& settings,
                      QWidget* parent = nullptr);
};

class TChooseThesCheck : public TLanguageChooser {
    Q_OBJECT
public:
    TChooseThesCheck(const FormLook& look, const std::vector<bool>& available, Settings& settings,
                     QWidget* parent = nullptr);
};

}  // namespace qf
