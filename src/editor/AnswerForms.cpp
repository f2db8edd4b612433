#include "editor/AnswerForms.h"

#include <algorithm>

#include "editor/AnsiCase.h"
#include "editor/WordNet.h"

namespace qf {
namespace {

// Endings taken off a word to reach its stem, inflectional and the common derivational ones.
constexpr const char* kEndings[] = {"s",   "es",   "ed",  "ing", "er",  "ers",  "est",   "ly",     "ies",
                                    "ied", "ier",  "iest", "y",  "ily", "ness", "ment", "ments", "ion",
                                    "ions", "ation", "ations", "or", "ors", "ful", "less", "able", "ist", "ists", "ism"};
constexpr std::size_t kShortestStem = 2;
constexpr std::size_t kShortestRelative = 4;  // stems shorter than this only match the answer itself
constexpr std::size_t kShortestPart = 3;

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0xC0; }

bool IsConsonant(char c) { return c >= 'a' && c <= 'z' && std::string_view("aeiou").find(c) == std::string_view::npos; }

void AddOnce(std::vector<std::string>& list, std::string item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(std::move(item));
}

// The word with each ending taken off, with an "e" put back, "i" read as "y" and a doubled
// last consonant undone ("running": runn, run, runne...).
std::vector<std::string> Variants(const std::string& word) {
    std::vector<std::string> v{word};
    for (std::string_view ending : kEndings) {
        if (word.size() < ending.size() + kShortestStem || !word.ends_with(ending)) continue;
        const std::string stem = word.substr(0, word.size() - ending.size());
        AddOnce(v, stem);
        AddOnce(v, stem + "e");
        if (stem.back() == 'i') AddOnce(v, stem.substr(0, stem.size() - 1) + "y");
        const std::size_t n = stem.size();
        if (n >= 2 && stem[n - 1] == stem[n - 2] && IsConsonant(stem[n - 1])) AddOnce(v, stem.substr(0, n - 1));
    }
    return v;
}

}  // namespace

std::vector<TextWord> WordsOfText(std::string_view text) {
    std::vector<TextWord> words;
    for (std::size_t i = 0; i < text.size();) {
        if (!IsLetter(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsLetter(static_cast<unsigned char>(text[end]))) ++end;
        words.push_back({i, end - i, LowerAnsi(text.substr(i, end - i))});
        i = end;
    }
    return words;
}

AnswerForms::AnswerForms(std::string_view answer, const WordNet* wordNet) : wordNet_(wordNet) {
    const auto words = WordsOfText(answer);
    std::string joined;
    for (const TextWord& w : words) {
        joined += w.lower;
        if (words.size() > 1 && w.lower.size() < kShortestPart) continue;
        AddOnce(keys_, w.lower);
        if (wordNet) for (auto& base : wordNet->BaseForms(w.lower)) AddOnce(keys_, std::move(base));
        for (auto& variant : Variants(w.lower))
            if (variant.size() >= kShortestRelative) AddOnce(keys_, std::move(variant));
    }
    if (!joined.empty()) AddOnce(keys_, joined);
}

std::vector<std::string> AnswerForms::FormsOfWord(std::string_view lowerWord, const WordNet* wordNet) {
    std::vector<std::string> forms = Variants(std::string(lowerWord));
    if (wordNet) for (auto& base : wordNet->BaseForms(lowerWord)) AddOnce(forms, std::move(base));
    return forms;
}

bool AnswerForms::Matches(std::string_view lowerWord) const {
    if (lowerWord.empty()) return false;
    for (const auto& form : FormsOfWord(lowerWord, wordNet_))
        if (std::find(keys_.begin(), keys_.end(), form) != keys_.end()) return true;
    return false;
}

std::string AnswerForms::FoundIn(std::string_view text) const {
    for (const TextWord& w : WordsOfText(text))
        if (Matches(w.lower)) return std::string(text.substr(w.start, w.length));
    return {};
}

std::string AnswerForms::Blanked(std::string_view text) const {
    std::string out;
    std::size_t at = 0;
    for (const TextWord& w : WordsOfText(text)) {
        if (!Matches(w.lower)) continue;
        out.append(text.substr(at, w.start - at));
        out += "___";
        at = w.start + w.length;
    }
    out.append(text.substr(at));
    return out;
}

}  // namespace qf
