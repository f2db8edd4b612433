#include "editor/forms/ChooseSpellCheck.h"

#include "editor/SpellLanguages.h"

namespace qf {

namespace {
std::vector<const char*> SpellCaptions() {
    std::vector<const char*> captions;
    for (const SpellLanguage& language : SpellLanguages()) captions.push_back(language.caption);
    return captions;
}
}  // namespace

TChooseSpellCheck::TChooseSpellCheck(const FormLook& look, const std::vector<bool>& available, Settings& settings,
                                     QWidget* parent)
    : TLanguageChooser(look, "Spell Check", SpellCaptions(), available, settings.userDictionary, parent) {
    setObjectName("ChooseSpellCheck");
    SetDesignSize(QSize(220, 290));
}

}  // namespace qf
