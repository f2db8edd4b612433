#include "editor/SpellLanguages.h"

#include "base/FileUtil.h"

namespace qf {

const std::vector<SpellLanguage>& SpellLanguages() {
    static const std::vector<SpellLanguage> table = {
        {1, "&American", "American", "ssceam.tlx", "ssceam1.clx", "IncEngl.tlx", "ExcEngl.tlx", 1033, "en_US"},
        {2, "&British", "British", "sscebr.tlx", "sscebr1.clx", "IncBrit.tlx", "ExcBrit.tlx", 2057, "en_GB"},
        {3, "&Spanish", "Spanish", "sscesp.tlx", "sscesp1.clx", "IncSpan.tlx", "ExcSpan.tlx", 1034, "es_ES"},
        {4, "&Italian", "Italian", "ssceit.tlx", "ssceit1.clx", "IncItal.tlx", "ExcItal.tlx", 1040, "it_IT"},
        {5, "&French", "French", "sscefr.tlx", "sscefr1.clx", "IncFrnch.tlx", "ExcFrnch.tlx", 1036, "fr"},
        {6, "&German", "German", "sscege.tlx", "sscege1.clx", "IncGerm.tlx", "ExcGerm.tlx", 1031, "de_DE"},
        // 1030 is what earlier versions wrote into Dutch lists; kept so old lists stay alike.
        {7, "&Dutch", "Dutch", "sscedu.tlx", "sscedu1.clx", "IncDutch.tlx", "ExcDutch.tlx", 1030, "nl"},
        {8, "S&wedish", "Swedish", "sscesw.tlx", "sscesw1.clx", "IncSwed.tlx", "ExcSwed.tlx", 1053, "sv_SE"},
    };
    return table;
}

const SpellLanguage* FindSpellLanguage(int value) {
    if (value < 1 || value > kSpellLanguageCount) return nullptr;
    return &SpellLanguages()[static_cast<std::size_t>(value - 1)];
}

bool SpellLanguageAvailable(const Directories& dirs, int value) {
    const SpellLanguage* lang = FindSpellLanguage(value);
    return lang && FileExists(dirs.ProgramFile(lang->companionLexicon));
}

bool AnySpellLanguageAvailable(const Directories& dirs) {
    for (int v = 1; v <= kSpellLanguageCount; ++v)
        if (SpellLanguageAvailable(dirs, v)) return true;
    return false;
}

int CorrectDictionarySetting(int dictionary, const Directories& dirs) {
    if (dictionary >= 2 && dictionary <= kSpellLanguageCount && !SpellLanguageAvailable(dirs, dictionary))
        dictionary = 1;
    if (dictionary == 1 && !SpellLanguageAvailable(dirs, 1)) dictionary = kNoSpellLanguage;
    return dictionary;
}

UserListNames UserListNamesFor(int dictionary) {
    const SpellLanguage* lang = FindSpellLanguage(dictionary == kChooseSpellLanguage ? 1 : dictionary);
    if (!lang) return {};
    return {lang->includeList, lang->excludeList, lang->code, lang->name};
}

const char* ThesaurusFileName(int value) {
    switch (value) {
        case 1: return "thesdbam.cth";
        case 2: return "thesdbbr.cth";
        default: return nullptr;
    }
}

bool ThesaurusAvailable(const Directories& dirs, int value) {
    const char* name = ThesaurusFileName(value);
    return name && FileExists(dirs.ProgramFile(name));
}

int CorrectThesaurusSetting(int thesaurus, const Directories& dirs) {
    if (thesaurus == 2 && !ThesaurusAvailable(dirs, 2)) thesaurus = 1;
    if (thesaurus == 1 && !ThesaurusAvailable(dirs, 1)) thesaurus = 0;
    return thesaurus;
}

void CorrectLanguageSettings(Settings& settings, const Directories& dirs) {
    settings.dictionary = CorrectDictionarySetting(settings.dictionary, dirs);
    settings.thesaurus = CorrectThesaurusSetting(settings.thesaurus, dirs);
}

}  // namespace qf
