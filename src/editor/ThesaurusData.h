#pragma once
// One MyThes thesaurus, loaded once per process, asked in Windows-1252.
#include <memory>
#include <string>
#include <vector>

class MyThes;

namespace qf {

class HunspellDictionary;

// One meaning of a word as the thesaurus lists it.
struct ThesaurusMeaning {
    std::string headword;               // the word it was found under
    std::string tag;                    // "n", "v", "adj" or "adv"
    std::vector<std::string> synonyms;  // annotations such as "(similar term)" removed
    std::vector<std::string> antonyms;
    std::vector<std::string> broader;   // the synonyms marked "(generic term)": wider words
};

class ThesaurusData {
public:
    ThesaurusData(std::unique_ptr<MyThes> thes, std::vector<std::string> index, bool utf8,
                  std::shared_ptr<const HunspellDictionary> dictionary);
    ~ThesaurusData();

    // The meanings of a word, compared without regard to case; empty when it has no entry.
    std::vector<ThesaurusMeaning> Meanings(const std::string& ansiWord) const;
    bool HasEntry(const std::string& ansiWord) const;
    std::vector<std::string> Suggestions(const std::string& ansiWord, std::size_t limit) const;

private:
    std::string ToThesaurus(const std::string& ansi) const;
    bool FromThesaurus(const std::string& text, std::string& ansi) const;

    std::unique_ptr<MyThes> thes_;
    std::vector<std::string> index_;  // entries in the index's (byte) order, thesaurus encoding
    bool utf8_ = false;
    std::shared_ptr<const HunspellDictionary> dictionary_;
};

// The thesaurus at `basePath` (.idx and .dat) with the dictionary for suggestions (may be
// empty); nullptr when the files are missing or the index is damaged.
std::shared_ptr<const ThesaurusData> LoadThesaurus(const std::string& basePath, const std::string& dictionaryBase);

// The thesaurus a descriptor file of the program directory names (its MyThes files found beside
// it or where the system keeps them); nullptr when any of them is missing.
std::shared_ptr<const ThesaurusData> LoadThesaurusFile(const std::string& descriptorPath);

// The category tag of a MyThes part of speech: "(noun)" -> "n" and so on; unknown ones count
// as nouns.
std::string TagOfPartOfSpeech(const std::string& definition);

}  // namespace qf
