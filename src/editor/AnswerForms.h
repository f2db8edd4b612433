#pragma once
// Whether a text gives a crossword answer away: the answer, an inflection of it (regular, or
// irregular as WordNet's exception lists know them) or a word of the same stem ("teaches" for
// TEACHER). A multi-word answer is given away by any of its words of three letters or more.
#include <string>
#include <string_view>
#include <vector>

namespace qf {

class WordNet;

// The words of a text as runs of letters, lower case (Windows-1252 letters count).
struct TextWord {
    std::size_t start = 0, length = 0;
    std::string lower;
};
std::vector<TextWord> WordsOfText(std::string_view text);

class AnswerForms {
public:
    // `wordNet` may be null: the regular rules alone are used then.
    AnswerForms(std::string_view answer, const WordNet* wordNet);

    // The forms a word of a clue is compared by: the word, its base forms and its variants
    // with an ending taken off.
    static std::vector<std::string> FormsOfWord(std::string_view lowerWord, const WordNet* wordNet);
    // The answer's own forms that such a form may meet: its words, their base forms, the words
    // run together, and the stems of four letters or more.
    const std::vector<std::string>& Keys() const { return keys_; }

    // True when the lower-case word is a form or a stem relative of the answer.
    bool Matches(std::string_view lowerWord) const;
    // The first word of the text that gives the answer away, as written; empty when none.
    std::string FoundIn(std::string_view text) const;
    // The text with every such word replaced by a blank "___".
    std::string Blanked(std::string_view text) const;

private:
    std::vector<std::string> keys_;
    const WordNet* wordNet_ = nullptr;
};

}  // namespace qf
