#include "editor/ClueSuggestions.h"

#include <algorithm>
#include <cctype>

#include "base/TextHelpers.h"
#include "editor/AnswerForms.h"
#include "editor/AnsiCase.h"
#include "editor/ThesaurusData.h"
#include "editor/WordNet.h"

namespace qf {
namespace {

constexpr std::size_t kMaxSynonyms = 6;
constexpr const char* kSynonymOf = "Synonym of ";

std::string WithoutParentheses(const std::string& text) {
    std::string out;
    int depth = 0;
    for (char c : text) {
        if (c == '(') ++depth;
        else if (c == ')' && depth > 0) --depth;
        else if (depth == 0) out += c;
    }
    std::string tidy;
    for (char c : out) {
        if (c == ' ' && (tidy.empty() || tidy.back() == ' ')) continue;
        if ((c == ',' || c == ';') && !tidy.empty() && tidy.back() == ' ') tidy.pop_back();
        tidy += c;
    }
    return TrimBlanks(tidy);
}

std::string CutAtWord(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text;
    const auto semicolon = text.rfind("; ", limit);
    if (semicolon != std::string::npos && semicolon > limit / 3) return text.substr(0, semicolon);
    auto blank = text.rfind(' ', limit);
    if (blank == std::string::npos || blank == 0) return text.substr(0, limit);
    std::string cut = text.substr(0, blank);
    // A cut text ends on a word that carries meaning, not on "and", "with", "usually"...
    constexpr std::string_view kLinking[] = {"and", "or", "with", "of", "the", "a", "an", "to", "in", "on",
                                             "for", "by", "as", "that", "which", "usually", "often", "especially"};
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        while (!cut.empty() && (cut.back() == ',' || cut.back() == ';' || cut.back() == ':' || cut.back() == ' '))
            cut.pop_back();
        const auto last = cut.rfind(' ');
        if (last == std::string::npos) break;
        const std::string_view word = std::string_view(cut).substr(last + 1);
        for (std::string_view linking : kLinking)
            if (word == linking) {
                cut.resize(last);
                trimmed = true;
                break;
            }
    }
    return cut;
}

bool Contains(const std::vector<ClueSuggestion>& list, const std::string& clue) {
    const std::string lower = LowerAnsi(clue);
    return std::any_of(list.begin(), list.end(), [&](const ClueSuggestion& s) { return LowerAnsi(s.clue) == lower; });
}

void AddDefinitions(const std::string& word, const AnswerForms& forms, const ClueSources& sources,
                    std::size_t limit, std::vector<ClueSuggestion>& out) {
    std::string lemma = LookupLemma(word);
    if (!sources.wordNet->HasLemma(lemma)) {
        // WordNet writes a few compounds with a hyphen ("t-shirt").
        std::string hyphened = lemma;
        std::replace(hyphened.begin(), hyphened.end(), '_', '-');
        if (sources.wordNet->HasLemma(hyphened)) lemma = hyphened;
    }
    for (const WordNetSense& sense : sources.wordNet->Senses(lemma)) {
        if (out.size() >= limit) return;
        ClueSuggestion s;
        s.partOfSpeech = PosName(sense.pos);
        if (!sense.examples.empty()) s.example = forms.Blanked(sense.examples.front());
        const std::string definition = ClueText(sense.definition, sources.caseSetting);
        if (!definition.empty() && forms.FoundIn(definition).empty()) {
            s.clue = definition;
        } else if (!s.example.empty() && s.example != sense.examples.front()) {
            // The definition gives the word away; the example with the word blanked out does not.
            s.kind = SuggestionKind::Example;
            s.clue = ClueText(s.example, sources.caseSetting);
        } else if (!definition.empty()) {
            // No example to blank: the definition itself, with a blank where it names the word
            // ("frozen dessert containing ___ and sugar" for ICE CREAM).
            s.clue = ClueText(forms.Blanked(sense.definition), sources.caseSetting);
        }
        if (s.clue.empty() || !forms.FoundIn(s.clue).empty() || Contains(out, s.clue)) continue;
        out.push_back(std::move(s));
    }
}

void AddSynonyms(const std::string& word, const AnswerForms& forms, const ClueSources& sources,
                 std::size_t limit, std::vector<ClueSuggestion>& out) {
    std::size_t added = 0;
    for (const ThesaurusMeaning& meaning : sources.thesaurus->Meanings(TrimBlanks(word))) {
        for (const std::string& synonym : meaning.synonyms) {
            if (added == kMaxSynonyms || out.size() >= limit) return;
            // A wider word ("person" for TIGER) is no clue to the answer.
            const bool broader =
                std::find(meaning.broader.begin(), meaning.broader.end(), synonym) != meaning.broader.end();
            if (synonym.empty() || broader || !forms.FoundIn(synonym).empty()) continue;
            ClueSuggestion s;
            s.kind = SuggestionKind::Synonym;
            s.clue = ClueText(kSynonymOf + synonym, sources.caseSetting);
            if (Contains(out, s.clue)) continue;
            out.push_back(std::move(s));
            ++added;
        }
    }
}

}  // namespace

std::string NoDictionaryForLanguageText(const std::string& language) {
    return "There is no dictionary for " + language + " clues.  Suggestions are made for English words.";
}

std::string NoSuggestionText(const std::string& word) { return "No clue suggestion was found for " + word + "."; }

std::string LookupLemma(const std::string& word) {
    std::string lemma;
    for (const TextWord& w : WordsOfText(word)) lemma += (lemma.empty() ? "" : "_") + w.lower;
    return lemma;
}

std::string ClueText(std::string text, int caseSetting) {
    text = TrimBlanks(text);
    if (text.size() > kClueCapacityChars) text = WithoutParentheses(text);
    text = CutAtWord(text, kClueCapacityChars);
    // The first letter, after any opening bracket or blank ("(computing) a collection...").
    for (char& c : text) {
        const bool letter = std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0xC0;
        if (!letter) continue;
        c = caseSetting == 2 ? LowerAnsiLetter(c) : UpperLetter(c);
        break;
    }
    return text;
}

std::vector<ClueSuggestion> SuggestClues(const std::string& word, const ClueSources& sources, std::size_t limit) {
    std::vector<ClueSuggestion> out;
    if (TrimBlanks(word).empty() || limit == 0) return out;
    const AnswerForms forms(word, sources.wordNet);
    if (sources.wordNet) AddDefinitions(word, forms, sources, limit, out);
    if (sources.thesaurus && out.size() < limit) AddSynonyms(word, forms, sources, limit, out);
    return out;
}

}  // namespace qf
