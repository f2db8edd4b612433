#pragma once
// The lexicon and thesaurus files of the program directory. They are small text files of our
// own: a main lexicon names the Hunspell dictionary of its language, a companion lexicon holds
// the words crossword makers need that the dictionaries lack, a thesaurus file names the MyThes
// thesaurus (and the dictionary whose suggestions it offers). User word lists are plain word
// lists, one word a line, without any header.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qf {

inline constexpr const char* kLexiconHeader = "QUERNFOLD LEXICON 1";
inline constexpr const char* kThesaurusHeader = "QUERNFOLD THESAURUS 1";

struct LexiconDescriptor {
    enum class Kind { Main, Companion };
    Kind kind = Kind::Main;
    std::string dictionary;          // Hunspell dictionary name, or its path without extension
    std::vector<std::string> words;  // companion words, Windows-1252
};

struct ThesaurusDescriptor {
    std::string thesaurus;   // MyThes name (th_en_US_v2) or path without .idx/.dat
    std::string dictionary;  // Hunspell dictionary for suggestions; may be empty
};

// nullopt when the text is not a descriptor (for lexicons: then it is a user word list).
std::optional<LexiconDescriptor> ParseLexiconDescriptor(std::string_view text);
std::optional<ThesaurusDescriptor> ParseThesaurusDescriptor(std::string_view text);
std::string FormatLexiconDescriptor(const LexiconDescriptor& lexicon);
std::string FormatThesaurusDescriptor(const ThesaurusDescriptor& thesaurus);

// Plain word lists: one word a line, UTF-8 on disk; lines that are not valid UTF-8 are taken
// as Windows-1252. Empty lines are skipped.
std::vector<std::string> ParseWordLines(std::string_view contents);

// Where Debian puts the dictionaries and thesauri.
std::vector<std::string> SystemDictionaryDirs();
std::vector<std::string> SystemThesaurusDirs();

// The base path (without extension) of a dictionary (.aff + .dic) or thesaurus (.idx + .dat)
// called `name`: an absolute base path is taken as it is, a bare name is looked for in
// `besideFolder` first, then in `dirs`. Names with folder parts are refused.
std::optional<std::string> FindHunspellDictionary(const std::string& name, const std::string& besideFolder,
                                                  const std::vector<std::string>& dirs = SystemDictionaryDirs());
std::optional<std::string> FindMythesThesaurus(const std::string& name, const std::string& besideFolder,
                                               const std::vector<std::string>& dirs = SystemThesaurusDirs());

// Writes the main and companion lexicon of every language whose dictionary is found in
// `dictionaryDirs`, and the thesaurus files whose thesaurus is found in `thesaurusDirs`, into
// `folder`. Companion words come from `<companionSourceDir>/<language>.words` when present.
// Languages without a dictionary get no files, so start-up reports them missing.
// Returns the names of the files written; an empty optional when a file could not be written.
struct LexiconSetup {
    std::string companionSourceDir;
    std::vector<std::string> dictionaryDirs = SystemDictionaryDirs();
    std::vector<std::string> thesaurusDirs = SystemThesaurusDirs();
};
std::optional<std::vector<std::string>> WriteLexiconFiles(const std::string& folder, const LexiconSetup& setup);

}  // namespace qf
