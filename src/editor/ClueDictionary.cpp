#include "editor/ClueDictionary.h"

#include <filesystem>

#include "base/Directories.h"
#include "editor/SpellLanguages.h"
#include "editor/ThesaurusData.h"
#include "editor/WordNet.h"

namespace qf {
namespace {

bool IsEnglish(int spelling) { return spelling == 0 || spelling == 1 || spelling == 2; }

std::string ThesaurusPath(const ClueLanguages& languages) {
    const char* file = ThesaurusFileName(languages.thesaurus);
    return file ? JoinPath(languages.programDir, file) : std::string();
}

}  // namespace

bool ClueDataInstalled(const ClueLanguages& languages) {
    std::error_code ec;
    const auto exists = [&](const std::string& path) { return !path.empty() && std::filesystem::exists(path, ec); };
    if (!languages.wordNetFolder.empty() && exists(JoinPath(languages.wordNetFolder, "index.noun"))) return true;
    for (int value : {1, 2})
        if (const char* file = ThesaurusFileName(value); exists(JoinPath(languages.programDir, file))) return true;
    return false;
}

ClueDictionary::ClueDictionary(ClueLanguages languages) : languages_(std::move(languages)) {}
ClueDictionary::~ClueDictionary() = default;

Outcome ClueDictionary::Open() {
    if (!IsEnglish(languages_.spelling)) {
        const SpellLanguage* language = FindSpellLanguage(languages_.spelling);
        return Outcome::Refused(
            WarningMessage(NoDictionaryForLanguageText(language ? language->name : "this"), kCaptionNotice));
    }
    if (!opened_) {
        opened_ = true;
        wordNet_ = WordNet::Open(languages_.wordNetFolder);
        thesaurus_ = LoadThesaurusFile(ThesaurusPath(languages_));
    }
    if (!wordNet_ && !thesaurus_) return Outcome::Refused(WarningMessage(kMsgNoDictionaryData, kCaptionNotice));
    return Outcome::Done();
}

ClueSources ClueDictionary::Sources() const { return {wordNet_.get(), thesaurus_.get(), languages_.caseSetting}; }

}  // namespace qf
