#include "editor/LexiconFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "base/Ansi.h"
#include "base/Directories.h"
#include "base/FileUtil.h"
#include "base/SaveFile.h"
#include "editor/SpellLanguages.h"

namespace qf {
namespace {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// "key value" with one blank between; the value keeps inner blanks.
bool SplitKey(const std::string& line, std::string& key, std::string& value) {
    const auto blank = line.find(' ');
    key = line.substr(0, blank);
    value = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    return !key.empty();
}

std::string DecodeLine(const std::string& line) {
    return IsValidUtf8(line) ? Utf8ToAnsi(line) : line;
}

bool AcceptableName(const std::string& name) {
    if (name.empty() || name.find('\0') != std::string::npos) return false;
    if (name.front() == '/') return name.find("/../") == std::string::npos;
    return name.find('/') == std::string::npos && name != "." && name != "..";
}

std::optional<std::string> FindPair(const std::string& name, const std::string& beside,
                                    const std::vector<std::string>& dirs, const char* ext1, const char* ext2) {
    if (!AcceptableName(name)) return std::nullopt;
    auto present = [&](const std::string& base) {
        return FileExists(base + ext1) && FileExists(base + ext2);
    };
    if (name.front() == '/') return present(name) ? std::optional<std::string>(name) : std::nullopt;
    std::vector<std::string> folders;
    if (!beside.empty()) folders.push_back(beside);
    folders.insert(folders.end(), dirs.begin(), dirs.end());
    for (const auto& folder : folders) {
        const std::string base = JoinPath(folder, name);
        if (present(base)) return base;
    }
    return std::nullopt;
}

// A dictionary found in the system folders is named bare, so the program folder can move;
// one found elsewhere is named by its full path.
std::string NameFor(const std::string& base, const std::string& name, const std::vector<std::string>& systemDirs) {
    for (const auto& dir : systemDirs)
        if (base == JoinPath(dir, name)) return name;
    return base;
}

std::string CompanionSourceName(const SpellLanguage& lang) {
    if (lang.value <= 2) return "english.words";  // American and British share one supplement
    std::string name = lang.name;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return name + ".words";
}

bool WriteText(const std::string& path, const std::string& text) {
    return WriteWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace

std::vector<std::string> ParseWordLines(std::string_view contents) {
    std::vector<std::string> words;
    for (auto& line : SplitLines(contents)) {
        // A NUL cannot be part of a word handed out as a NUL-ended string.
        for (std::size_t start = 0; start <= line.size();) {
            std::size_t end = line.find('\0', start);
            if (end == std::string::npos) end = line.size();
            if (end > start) words.push_back(DecodeLine(line.substr(start, end - start)));
            start = end + 1;
        }
    }
    return words;
}

std::optional<LexiconDescriptor> ParseLexiconDescriptor(std::string_view text) {
    const auto lines = SplitLines(text);
    if (lines.empty() || lines[0] != kLexiconHeader) return std::nullopt;
    LexiconDescriptor lex;
    bool kindSeen = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string key, value;
        if (lines[i].empty() || lines[i][0] == '#' || !SplitKey(lines[i], key, value)) continue;
        if (key == "kind") {
            if (value == "main") lex.kind = LexiconDescriptor::Kind::Main;
            else if (value == "companion") lex.kind = LexiconDescriptor::Kind::Companion;
            else return std::nullopt;
            kindSeen = true;
        } else if (key == "dictionary") {
            lex.dictionary = value;
        } else if (key == "words") {
            for (std::size_t w = i + 1; w < lines.size(); ++w)
                if (!lines[w].empty()) lex.words.push_back(DecodeLine(lines[w]));
            break;
        }
    }
    if (!kindSeen) return std::nullopt;
    if (lex.kind == LexiconDescriptor::Kind::Main && lex.dictionary.empty()) return std::nullopt;
    return lex;
}

std::optional<ThesaurusDescriptor> ParseThesaurusDescriptor(std::string_view text) {
    const auto lines = SplitLines(text);
    if (lines.empty() || lines[0] != kThesaurusHeader) return std::nullopt;
    ThesaurusDescriptor thes;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string key, value;
        if (lines[i].empty() || lines[i][0] == '#' || !SplitKey(lines[i], key, value)) continue;
        if (key == "thesaurus") thes.thesaurus = value;
        else if (key == "dictionary") thes.dictionary = value;
    }
    if (thes.thesaurus.empty()) return std::nullopt;
    return thes;
}

std::string FormatLexiconDescriptor(const LexiconDescriptor& lexicon) {
    std::string text = std::string(kLexiconHeader) + "\n";
    if (lexicon.kind == LexiconDescriptor::Kind::Main) {
        text += "kind main\ndictionary " + lexicon.dictionary + "\n";
        return text;
    }
    text += "kind companion\n";
    if (!lexicon.dictionary.empty()) text += "dictionary " + lexicon.dictionary + "\n";
    text += "words\n";
    for (const auto& word : lexicon.words) text += AnsiToUtf8(word) + "\n";
    return text;
}

std::string FormatThesaurusDescriptor(const ThesaurusDescriptor& thesaurus) {
    std::string text = std::string(kThesaurusHeader) + "\nthesaurus " + thesaurus.thesaurus + "\n";
    if (!thesaurus.dictionary.empty()) text += "dictionary " + thesaurus.dictionary + "\n";
    return text;
}

std::vector<std::string> SystemDictionaryDirs() {
    return {"/usr/share/hunspell", "/usr/share/myspell/dicts", "/usr/share/myspell"};
}

std::vector<std::string> SystemThesaurusDirs() { return {"/usr/share/mythes"}; }

std::optional<std::string> FindHunspellDictionary(const std::string& name, const std::string& besideFolder,
                                                  const std::vector<std::string>& dirs) {
    return FindPair(name, besideFolder, dirs, ".aff", ".dic");
}

std::optional<std::string> FindMythesThesaurus(const std::string& name, const std::string& besideFolder,
                                               const std::vector<std::string>& dirs) {
    return FindPair(name, besideFolder, dirs, ".idx", ".dat");
}

std::optional<std::vector<std::string>> WriteLexiconFiles(const std::string& folder, const LexiconSetup& setup) {
    std::vector<std::string> written;
    const auto systemDicts = SystemDictionaryDirs();
    std::string englishUs, englishGb;
    for (const auto& lang : SpellLanguages()) {
        const auto base = FindHunspellDictionary(lang.dictionary, {}, setup.dictionaryDirs);
        if (!base) {
            // Files left by an earlier setup would make the language look installed.
            std::remove(JoinPath(folder, lang.mainLexicon).c_str());
            std::remove(JoinPath(folder, lang.companionLexicon).c_str());
            continue;
        }
        const std::string named = NameFor(*base, lang.dictionary, systemDicts);
        if (lang.value == 1) englishUs = named;
        if (lang.value == 2) englishGb = named;

        LexiconDescriptor main{LexiconDescriptor::Kind::Main, named, {}};
        LexiconDescriptor companion{LexiconDescriptor::Kind::Companion, {}, {}};
        if (!setup.companionSourceDir.empty()) {
            if (auto bytes = ReadWholeFile(JoinPath(setup.companionSourceDir, CompanionSourceName(lang)))) {
                for (auto& word : ParseWordLines(std::string(bytes->begin(), bytes->end())))
                    if (word[0] != '#') companion.words.push_back(word);
            }
        }
        if (!WriteText(JoinPath(folder, lang.mainLexicon), FormatLexiconDescriptor(main))) return std::nullopt;
        if (!WriteText(JoinPath(folder, lang.companionLexicon), FormatLexiconDescriptor(companion)))
            return std::nullopt;
        written.push_back(lang.mainLexicon);
        written.push_back(lang.companionLexicon);
    }

    const auto systemThes = SystemThesaurusDirs();
    struct Choice { int value; std::vector<const char*> names; std::string dictionary; };
    // British prefers an en-GB thesaurus and falls back to the Commonwealth (en-AU) one.
    const Choice choices[] = {
        {1, {"th_en_US_v2", "th_en_US"}, englishUs},
        {2, {"th_en_GB_v2", "th_en_GB", "th_en_AU_v2", "th_en_AU"}, englishGb.empty() ? englishUs : englishGb},
    };
    for (const auto& choice : choices) {
        std::remove(JoinPath(folder, ThesaurusFileName(choice.value)).c_str());
        for (const char* name : choice.names) {
            const auto base = FindMythesThesaurus(name, {}, setup.thesaurusDirs);
            if (!base) continue;
            const ThesaurusDescriptor thes{NameFor(*base, name, systemThes), choice.dictionary};
            const char* file = ThesaurusFileName(choice.value);
            if (!WriteText(JoinPath(folder, file), FormatThesaurusDescriptor(thes))) return std::nullopt;
            written.push_back(file);
            break;
        }
    }
    return written;
}

}  // namespace qf
