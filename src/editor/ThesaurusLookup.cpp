#include "editor/ThesaurusLookup.h"

#include <algorithm>

#include "base/TextHelpers.h"

namespace qf {
namespace {

constexpr std::int16_t kBufferSize = 256;

struct PartOfSpeech {
    std::uint32_t code;
    const char* display;  // with its leading blank
    const char* tag;
};
constexpr PartOfSpeech kParts[] = {
    {kThesNoun, " (noun)", ".n"},
    {kThesVerb, " (verb)", ".v"},
    {kThesAdjective, " (adjective)", ".adj"},
    {kThesAdverb, " (adverb)", ".adv"},
};

}  // namespace

std::string CategoryDisplayForm(const std::string& categoryName) {
    char base[kBufferSize];
    std::uint32_t code = 0;
    ThesDB_SplitCategoryName(categoryName.c_str(), base, kBufferSize, &code);
    for (const auto& part : kParts)
        if (part.code == code) return std::string(base) + part.display;
    return base;
}

std::string CategoryNameFromDisplay(const std::string& displayEntry) {
    for (const auto& part : kParts) {
        const auto at = displayEntry.find(part.display);
        if (at != std::string::npos) return displayEntry.substr(0, at) + part.tag;
    }
    return ".adv";
}

std::string NoThesaurusSuggestionsText(const std::string& word) {
    return "No suggestions found for the word " + word + ".";
}

Outcome ThesaurusLookup::OpenThes(const std::string& thesaurusPath) {
    CloseThes();
    session_ = ThesDB_OpenSession();
    thesaurus_ = session_ >= 0 ? ThesDB_OpenThesaurus(session_, thesaurusPath.c_str()) : kThesBadSession;
    if (thesaurus_ < 0) {
        if (session_ >= 0) ThesDB_CloseSession(session_);
        session_ = -1;
        return Outcome::Refused(ErrorMessage(kMsgThesaurusFileMissing));
    }
    open_ = true;
    return Outcome::Done();
}

void ThesaurusLookup::CloseThes() {
    if (!open_) return;
    ThesDB_CloseThesaurus(session_, thesaurus_);
    ThesDB_CloseSession(session_);
    open_ = false;
    session_ = thesaurus_ = -1;
}

LookUpResult ThesaurusLookup::LookUpWord(const std::string& text) {
    LookUpResult result;
    if (!open_) return result;
    const std::string word = TrimBlanks(text);
    char category[kBufferSize];
    const std::int16_t first = ThesDB_GetFirstCategory(session_, word.c_str(), category, kBufferSize);
    if (first == 0) {
        result.message = WarningMessage(kMsgWordNotInThesaurus);
        return result;
    }
    if (first != 1) return result;
    do {
        char antonym[kBufferSize];
        if (ThesDB_GetCategoryAntonym(session_, category, antonym, kBufferSize) == 1) {
            std::string entry = CategoryDisplayForm(antonym).substr(0, kMaxAntonymLength);
            if (result.antonyms.size() < kMaxAntonyms &&
                std::find(result.antonyms.begin(), result.antonyms.end(), entry) == result.antonyms.end())
                result.antonyms.push_back(std::move(entry));
        }
        result.categories.push_back(CategoryDisplayForm(category));
    } while (ThesDB_GetNextCategory(session_, category, kBufferSize) != 0);

    SynonymList firstSynonyms = LoadInSyns(result.categories.front());
    result.synonyms = std::move(firstSynonyms.synonyms);
    result.acceptEnabled = firstSynonyms.acceptEnabled;
    return result;
}

SynonymList ThesaurusLookup::LoadInSyns(const std::string& displayEntry) {
    SynonymList list;
    if (!open_) return list;
    const std::string name = CategoryNameFromDisplay(displayEntry);
    char synonym[kBufferSize];
    if (ThesDB_GetFirstSynonym(session_, name.c_str(), synonym, kBufferSize) == 1) {
        do list.synonyms.emplace_back(synonym);
        while (ThesDB_GetNextSynonym(session_, synonym, kBufferSize) == 1);
    }
    list.acceptEnabled = !list.synonyms.empty();
    return list;
}

Outcome ThesaurusLookup::Suggestions(const std::string& text, std::vector<std::string>& words) {
    words.clear();
    const std::string word = TrimBlanks(text);
    char suggestion[kBufferSize];
    if (!open_ || ThesDB_GetFirstSuggestion(session_, word.c_str(), suggestion, kBufferSize) != 1)
        return Outcome::Refused(ErrorMessage(NoThesaurusSuggestionsText(word)));
    do words.emplace_back(suggestion);
    while (ThesDB_GetNextSuggestion(session_, suggestion, kBufferSize) == 1);
    return Outcome::Done();
}

}  // namespace qf
