#pragma once
// TChooseSpellCheck, "Spell Check": one of the eight spelling languages, kept in the
// "User Dictionary" setting.
#include <vector>

#include "base/Settings.h"
#include "editor/forms/ChooseLanguage.h"

namespace qf {

class TChooseSpellCheck : public TLanguageChooser {
    Q_OBJECT
public:
    TChooseSpellCheck(const FormLook& look, const std::vector<bool>& available, Settings& settings,
                      QWidget* parent = nullptr);
};

}  // namespace qf
