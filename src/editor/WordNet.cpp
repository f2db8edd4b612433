// WordNet's database: index.*, data.*, *.exc and cntlist.rev, in the formats of its wndb and
// cntlist manual pages.
#include "editor/WordNet.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "base/FileUtil.h"

#ifndef QF_WORDNET_DIR
#define QF_WORDNET_DIR ""
#endif

namespace qf {
namespace {

constexpr const char* kPosFile[kWordNetPosCount] = {"noun", "verb", "adj", "adv"};
constexpr const char* kPosNames[kWordNetPosCount] = {"noun", "verb", "adjective", "adverb"};

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        const std::size_t end = std::min(line.find(' ', i), line.size());
        if (end > i) fields.push_back(line.substr(i, end - i));
        i = end;
    }
    return fields;
}

std::string_view FirstField(std::string_view line) { return line.substr(0, std::min(line.find(' '), line.size())); }

bool ReadText(const std::filesystem::path& path, std::string& text) {
    const auto bytes = ReadWholeFile(path.string());
    if (!bytes) return false;
    text.assign(bytes->begin(), bytes->end());
    return true;
}

long ToLong(std::string_view field, int base = 10) {
    const std::string text(field);
    return std::strtol(text.c_str(), nullptr, base);
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" ;");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" ;");
    return std::string(text.substr(first, last - first + 1));
}

// The gloss "definition; "example"; "example"" cut into its definition and its examples.
void SplitGloss(std::string_view gloss, WordNetSense& sense) {
    const auto quote = gloss.find('"');
    sense.definition = Trimmed(gloss.substr(0, quote));
    for (std::size_t at = quote; at != std::string_view::npos && at < gloss.size();) {
        const auto close = gloss.find('"', at + 1);
        if (close == std::string_view::npos) break;
        if (close > at + 1) sense.examples.push_back(std::string(gloss.substr(at + 1, close - at - 1)));
        at = gloss.find('"', close + 1);
    }
}

// WordNet's detachment rules: suffix and its replacement, by part of speech.
struct Detachment {
    const char* suffix;
    const char* ending;
};
const std::vector<Detachment> kRules[kWordNetPosCount] = {
    {{"s", ""}, {"ses", "s"}, {"xes", "x"}, {"zes", "z"}, {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}},
    {{"s", ""}, {"ies", "y"}, {"es", "e"}, {"es", ""}, {"ed", "e"}, {"ed", ""}, {"ing", "e"}, {"ing", ""}},
    {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}},
    {},
};

}  // namespace

const char* PosName(WordNetPos pos) { return kPosNames[static_cast<int>(pos)]; }

std::string WordNetFolder() {
    if (const char* set = std::getenv("QUERNFOLD_WORDNET_DIR")) return set;
    return QF_WORDNET_DIR;
}

WordNet::~WordNet() = default;

std::unique_ptr<WordNet> WordNet::Open(const std::string& folder) {
    if (folder.empty()) return nullptr;
    std::unique_ptr<WordNet> wn(new WordNet);
    wn->folder_ = folder;
    const std::filesystem::path dir(folder);
    for (int p = 0; p < kWordNetPosCount; ++p) {
        Index& index = wn->index_[p];
        if (!ReadText(dir / (std::string("index.") + kPosFile[p]), index.text)) return nullptr;
        std::string_view text = index.text;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = std::min(text.find('\n', at), text.size());
            const std::string_view line = text.substr(at, end - at);
            if (!line.empty() && line[0] != ' ') index.lines.push_back(line);  // licence lines start with blanks
            at = end + 1;
        }
        const auto byLemma = [](std::string_view a, std::string_view b) { return FirstField(a) < FirstField(b); };
        if (!std::is_sorted(index.lines.begin(), index.lines.end(), byLemma))
            std::sort(index.lines.begin(), index.lines.end(), byLemma);
        if (!ReadText(dir / (std::string("data.") + kPosFile[p]), wn->data_[p])) return nullptr;
        std::string exc;
        if (ReadText(dir / (std::string(kPosFile[p]) + ".exc"), exc)) {
            std::istringstream lines(exc);
            for (std::string line; std::getline(lines, line);) {
                const auto f = Fields(line);
                for (std::size_t i = 1; i < f.size(); ++i) wn->exceptions_[p].emplace(std::string(f[0]), std::string(f[i]));
            }
        }
    }
    // "lemma%ss_type:lex_filenum:lex_id:head_word:head_id sense_number tag_cnt": counted by the
    // sense's number within its part of speech, the order of the index's synsets.
    std::string counts;
    if (ReadText(dir / "cntlist.rev", counts)) {
        std::istringstream lines(counts);
        for (std::string line; std::getline(lines, line);) {
            const auto f = Fields(line);
            if (f.size() < 3) continue;
            const auto percent = f[0].find('%');
            if (percent == std::string_view::npos || percent + 1 >= f[0].size()) continue;
            const int type = f[0][percent + 1] - '0';
            const int pos = type == 5 ? 2 : type - 1;  // satellites are adjectives
            if (pos < 0 || pos >= kWordNetPosCount) continue;
            wn->tagCounts_[std::string(f[0].substr(0, percent)) + "#" + std::to_string(pos) + "#" + std::string(f[1])] =
                static_cast<int>(ToLong(f[2]));
        }
    }
    return wn;
}

std::string_view WordNet::IndexLine(int pos, std::string_view lemma) const {
    const auto& lines = index_[pos].lines;
    const auto it = std::lower_bound(lines.begin(), lines.end(), lemma,
                                     [](std::string_view line, std::string_view key) { return FirstField(line) < key; });
    return it != lines.end() && FirstField(*it) == lemma ? *it : std::string_view();
}

bool WordNet::HasLemma(std::string_view lemma) const {
    for (int p = 0; p < kWordNetPosCount; ++p)
        if (!IndexLine(p, lemma).empty()) return true;
    return false;
}

int WordNet::TagCount(std::string_view lemma, int pos, std::size_t senseNumber) const {
    const auto it = tagCounts_.find(std::string(lemma) + "#" + std::to_string(pos) + "#" + std::to_string(senseNumber));
    return it == tagCounts_.end() ? 0 : it->second;
}

bool WordNet::ReadSense(int pos, long offset, WordNetSense& sense) const {
    const std::string& data = data_[pos];
    if (offset < 0 || static_cast<std::size_t>(offset) >= data.size()) return false;
    const auto at = static_cast<std::size_t>(offset);
    const std::string_view line = std::string_view(data).substr(at, std::min(data.find('\n', at), data.size()) - at);
    const auto bar = line.find(" | ");
    const auto f = Fields(line.substr(0, bar));
    if (f.size() < 4 || ToLong(f[0]) != offset) return false;
    sense.pos = static_cast<WordNetPos>(pos);
    const long count = ToLong(f[3], 16);
    for (long i = 0; i < count && 5 + 2 * static_cast<std::size_t>(i) < f.size(); ++i) {
        const std::string_view word = f[4 + 2 * static_cast<std::size_t>(i)];
        std::string written(word.substr(0, std::min(word.find('('), word.size())));
        std::replace(written.begin(), written.end(), '_', ' ');
        sense.words.push_back(written);
    }
    if (bar != std::string_view::npos) SplitGloss(line.substr(bar + 3), sense);
    return true;
}

std::vector<WordNetSense> WordNet::Senses(const std::string& lemma) const {
    std::vector<std::string> lemmas;
    if (HasLemma(lemma)) lemmas.push_back(lemma);
    else lemmas = BaseForms(lemma);
    std::vector<WordNetSense> senses;
    for (const std::string& l : lemmas) {
        for (int p = 0; p < kWordNetPosCount; ++p) {
            const auto f = Fields(IndexLine(p, l));
            if (f.size() < 4) continue;
            const std::size_t pointers = static_cast<std::size_t>(ToLong(f[3]));
            const std::size_t first = 4 + pointers + 2;  // after the pointer symbols, sense_cnt and tagsense_cnt
            for (std::size_t i = first; i < f.size(); ++i) {
                WordNetSense sense;
                if (!ReadSense(p, ToLong(f[i]), sense)) continue;
                sense.tagCount = TagCount(l, p, i - first + 1);
                senses.push_back(std::move(sense));
            }
        }
    }
    // Within a part of speech WordNet lists the most frequent sense first; across them the
    // tagged counts decide, and equal counts keep the noun, verb, adjective, adverb order.
    std::stable_sort(senses.begin(), senses.end(),
                     [](const WordNetSense& a, const WordNetSense& b) { return a.tagCount > b.tagCount; });
    return senses;
}

std::vector<std::string> WordNet::BaseForms(std::string_view word) const {
    std::vector<std::string> bases;
    const auto add = [&](std::string base) {
        if (std::find(bases.begin(), bases.end(), base) == bases.end()) bases.push_back(std::move(base));
    };
    const std::string w(word);
    if (HasLemma(w)) add(w);
    for (int p = 0; p < kWordNetPosCount; ++p) {
        const auto [from, to] = exceptions_[p].equal_range(w);
        for (auto it = from; it != to; ++it) add(it->second);
        for (const Detachment& rule : kRules[p]) {
            const std::string_view suffix = rule.suffix;
            if (w.size() <= suffix.size() || w.compare(w.size() - suffix.size(), suffix.size(), suffix) != 0) continue;
            const std::string base = w.substr(0, w.size() - suffix.size()) + rule.ending;
            if (!IndexLine(p, base).empty()) add(base);
        }
    }
    return bases;
}

}  // namespace qf
