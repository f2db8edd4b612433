#include "editor/SpellSession.h"

#include "base/Directories.h"
#include "base/FileUtil.h"

namespace qf {
namespace {

constexpr std::int32_t kSuggestionBufferSize = 500;
constexpr std::int16_t kScoreCount = 30;
constexpr std::int16_t kReplacementSize = 50;
constexpr std::uint32_t kCheckOptions = 128;

}  // namespace

SpellSession::~SpellSession() { Close(); }

void SpellSession::Close() {
    for (SsceLexId lex : opened_) SSCE_CloseLex(session_, lex);
    opened_.clear();
    if (session_ >= 0) SSCE_CloseSession(session_);
    session_ = -1;
    language_ = nullptr;
}

bool SpellSession::Open(const std::string& programDir, int language, const UserListNames& userLists,
                       const std::string& userDir) {
    Close();
    session_ = SSCE_OpenSession();
    if (session_ < 0) return false;
    for (const std::string& list : {userLists.exclude, userLists.include}) {
        const std::string path = JoinPath(userDir.empty() ? programDir : userDir, list);
        if (list.empty() || !FileExists(path)) continue;
        const SsceLexId lex = SSCE_OpenLex(session_, path.c_str(), -1);
        if (lex >= 0) opened_.push_back(lex);
    }
    const SpellLanguage* lang = FindSpellLanguage(language);
    if (!lang) return false;
    for (const char* name : {lang->mainLexicon, lang->companionLexicon}) {
        const SsceLexId lex = SSCE_OpenLex(session_, JoinPath(programDir, name).c_str(), -1);
        if (lex < 0) return false;
        opened_.push_back(lex);
    }
    language_ = lang;
    return true;
}

bool SpellSession::Accepts(const std::string& word) const {
    char replacement[kReplacementSize];
    return (SSCE_CheckWord(session_, kCheckOptions, word.c_str(), replacement, kReplacementSize) & 1) == 0;
}

std::vector<std::string> SpellSession::Suggest(const std::string& word) const {
    char buffer[kSuggestionBufferSize];
    std::int16_t scores[kScoreCount];
    SSCE_Suggest(session_, word.c_str(), -1, buffer, kSuggestionBufferSize, scores, kScoreCount);
    std::vector<std::string> suggestions;
    // Empty entries are skipped; the list ends at the empty word or the buffer's end.
    for (std::int32_t i = 0; i < kSuggestionBufferSize && buffer[i] != '\0';) {
        std::string s;
        while (i < kSuggestionBufferSize && buffer[i] != '\0') s += buffer[i++];
        ++i;
        suggestions.push_back(std::move(s));
    }
    return suggestions;
}

int SpellCheckLanguage(const Settings& settings) {
    return settings.dictionary == kChooseSpellLanguage ? settings.userDictionary : settings.dictionary;
}

int ThesaurusLookupLanguage(const Settings& settings) {
    return settings.thesaurus == kChooseThesaurus ? settings.userThesaurus : settings.thesaurus;
}

}  // namespace qf
