#pragma once
// The English dictionary behind the clue suggestions: WordNet's database files read directly
// (the files held in memory, a sense read from its data file at its byte offset), with
// WordNet's own rules for the base form of an inflected word. Once open it is only read.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qf {

enum class WordNetPos { Noun, Verb, Adjective, Adverb };
inline constexpr int kWordNetPosCount = 4;

// "noun", "verb", "adjective", "adverb".
const char* PosName(WordNetPos pos);

struct WordNetSense {
    WordNetPos pos = WordNetPos::Noun;
    std::string definition;             // the gloss without its examples
    std::vector<std::string> examples;  // the quoted examples of the gloss, without quotes
    std::vector<std::string> words;     // the synset's words, blanks for underscores
    int tagCount = 0;                   // how often the sense was met in the tagged texts
};

// The folder compiled in (empty when the build found none), unless QUERNFOLD_WORDNET_DIR is set.
std::string WordNetFolder();

class WordNet {
public:
    // nullptr when the folder lacks the index or data files.
    static std::unique_ptr<WordNet> Open(const std::string& folder);
    ~WordNet();
    WordNet(const WordNet&) = delete;
    WordNet& operator=(const WordNet&) = delete;

    // The senses of a lemma (lower case, underscores between words), the most common first;
    // an inflected word is looked up at its base forms when it has no entry of its own.
    std::vector<WordNetSense> Senses(const std::string& lemma) const;
    bool HasLemma(std::string_view lemma) const;
    // The base forms of a lower-case word: its irregular bases from the exception lists and
    // the forms the detachment rules make that the index holds; the word itself when it is a lemma.
    std::vector<std::string> BaseForms(std::string_view word) const;

private:
    WordNet() = default;
    struct Index {
        std::string text;
        std::vector<std::string_view> lines;  // sorted by lemma
    };
    std::string_view IndexLine(int pos, std::string_view lemma) const;
    bool ReadSense(int pos, long offset, WordNetSense& sense) const;
    int TagCount(std::string_view lemma, int pos, std::size_t senseNumber) const;

    std::string folder_;
    Index index_[kWordNetPosCount];
    std::unordered_multimap<std::string, std::string> exceptions_[kWordNetPosCount];  // inflected -> base
    std::string data_[kWordNetPosCount];
    std::unordered_map<std::string, int> tagCounts_;  // "lemma#pos#sense number" -> count
};

}  // namespace qf
