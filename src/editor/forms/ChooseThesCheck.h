#pragma once
// TChooseThesCheck, "Thesaurus": one of the two thesaurus languages, kept in the
// "User Thesaurus" setting.
#include <vector>

#include "base/Settings.h"
#include "editor/forms/ChooseLanguage.h"

namespace qf {

class TChooseThesCheck : public TLanguageChooser {
    Q_OBJECT
public:
    TChooseThesCheck(const FormLook& look, const std::vector<bool>& available, Settings& settings,
                     QWidget* parent = nullptr);
};

}  // namespace qf
