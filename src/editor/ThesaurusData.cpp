#include "editor/ThesaurusData.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include <mythes.hxx>

#include "base/Ansi.h"
#include "editor/AnsiCase.h"
#include "editor/HunspellDictionary.h"

namespace qf {
namespace {

constexpr const char* kAnnotations[] = {" (similar term)", " (generic term)", " (related term)"};
constexpr const char* kAntonymMark = " (antonym)";
constexpr std::size_t kNeighbours = 6;

bool EndsWith(const std::string& s, const char* tail) {
    const std::size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

void AddUnique(std::vector<std::string>& list, const std::string& word) {
    if (!word.empty() && std::find(list.begin(), list.end(), word) == list.end()) list.push_back(word);
}

// Reads the index ourselves, both to list neighbouring entries and to refuse an index that
// does not match its data file before MyThes trusts it.
std::optional<std::vector<std::string>> ReadIndex(const std::string& idxPath, std::uintmax_t datSize,
                                                  std::string& encoding) {
    std::ifstream in(idxPath, std::ios::binary);
    std::string line;
    if (!std::getline(in, encoding)) return std::nullopt;
    if (!encoding.empty() && encoding.back() == '\r') encoding.pop_back();
    if (!std::getline(in, line)) return std::nullopt;
    const long count = std::strtol(line.c_str(), nullptr, 10);
    if (count <= 0 || count > 10'000'000) return std::nullopt;
    std::vector<std::string> index;
    index.reserve(static_cast<std::size_t>(count));
    while (static_cast<long>(index.size()) < count && std::getline(in, line)) {
        const auto bar = line.rfind('|');
        if (bar == std::string::npos || bar == 0 || bar + 1 >= line.size()) return std::nullopt;
        const unsigned long long offset = std::strtoull(line.c_str() + bar + 1, nullptr, 10);
        if (offset >= datSize || bar >= 200) return std::nullopt;  // MyThes keeps words under 200 bytes
        index.push_back(line.substr(0, bar));
    }
    if (static_cast<long>(index.size()) != count) return std::nullopt;
    if (!std::is_sorted(index.begin(), index.end())) return std::nullopt;  // MyThes searches it binarily
    return index;
}

std::size_t SharedPrefix(const std::string& a, const std::string& b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
    return n;
}

}  // namespace

std::string TagOfPartOfSpeech(const std::string& definition) {
    if (definition.rfind("(verb)", 0) == 0) return "v";
    if (definition.rfind("(adj)", 0) == 0) return "adj";
    if (definition.rfind("(adv)", 0) == 0) return "adv";
    return "n";
}

ThesaurusData::ThesaurusData(std::unique_ptr<MyThes> thes, std::vector<std::string> index, bool utf8,
                             std::shared_ptr<const HunspellDictionary> dictionary)
    : thes_(std::move(thes)), index_(std::move(index)), utf8_(utf8), dictionary_(std::move(dictionary)) {}

ThesaurusData::~ThesaurusData() = default;

std::string ThesaurusData::ToThesaurus(const std::string& ansi) const {
    return utf8_ ? AnsiToUtf8(ansi) : ansi;
}

bool ThesaurusData::FromThesaurus(const std::string& text, std::string& ansi) const {
    if (!utf8_) {
        ansi = text;
        return true;
    }
    bool lossy = false;
    ansi = Utf8ToAnsi(text, &lossy);
    return !lossy;
}

bool ThesaurusData::HasEntry(const std::string& ansiWord) const {
    const std::string key = ToThesaurus(LowerAnsi(ansiWord));
    return std::binary_search(index_.begin(), index_.end(), key);
}

std::vector<ThesaurusMeaning> ThesaurusData::Meanings(const std::string& ansiWord) const {
    std::vector<ThesaurusMeaning> meanings;
    const std::string lower = LowerAnsi(ansiWord);
    std::string key = ToThesaurus(lower);
    if (key.empty() || key.size() >= 200 || !std::binary_search(index_.begin(), index_.end(), key))
        return meanings;
    mentry* entries = nullptr;
    const int count = thes_->Lookup(key.c_str(), static_cast<int>(key.size()), &entries);
    for (int i = 0; i < count; ++i) {
        const mentry& e = entries[i];
        ThesaurusMeaning m;
        m.headword = lower;
        m.tag = TagOfPartOfSpeech(e.defn ? e.defn : "");
        for (int j = 0; j < e.count; ++j) {
            std::string word;
            if (!e.psyns[j] || !FromThesaurus(e.psyns[j], word)) continue;
            if (EndsWith(word, kAntonymMark)) {
                AddUnique(m.antonyms, word.substr(0, word.size() - std::strlen(kAntonymMark)));
                continue;
            }
            const bool generic = EndsWith(word, kAnnotations[1]);
            for (const char* note : kAnnotations)
                if (EndsWith(word, note)) word.resize(word.size() - std::strlen(note));
            if (LowerAnsi(word) == lower) continue;
            AddUnique(m.synonyms, word);
            if (generic) AddUnique(m.broader, word);
        }
        meanings.push_back(std::move(m));
    }
    if (entries) thes_->CleanUpAfterLookup(&entries, count);
    return meanings;
}

std::vector<std::string> ThesaurusData::Suggestions(const std::string& ansiWord, std::size_t limit) const {
    std::vector<std::string> out;
    const std::string lower = LowerAnsi(ansiWord);
    if (lower.empty()) return out;
    auto offer = [&](const std::string& word) {
        if (out.size() < limit && LowerAnsi(word) != lower) AddUnique(out, word);
    };
    if (dictionary_ && lower.size() <= 100)
        for (const auto& s : dictionary_->Suggest(ansiWord))
            if (HasEntry(s)) offer(LowerAnsi(s));

    const std::string key = ToThesaurus(lower);
    const auto at = static_cast<std::size_t>(std::lower_bound(index_.begin(), index_.end(), key) - index_.begin());
    const std::size_t from = at > kNeighbours ? at - kNeighbours : 0;
    const std::size_t to = std::min(index_.size(), at + kNeighbours);
    for (std::size_t i = from; i < to; ++i) {
        std::string word;
        if (SharedPrefix(index_[i], key) >= std::min<std::size_t>(3, key.size()) && FromThesaurus(index_[i], word))
            offer(word);
    }
    return out;
}

std::shared_ptr<const ThesaurusData> LoadThesaurus(const std::string& basePath, const std::string& dictionaryBase) {
    static std::map<std::string, std::shared_ptr<const ThesaurusData>> loaded;
    const std::string cacheKey = basePath + '\n' + dictionaryBase;
    if (auto it = loaded.find(cacheKey); it != loaded.end()) return it->second;

    const std::string idx = basePath + ".idx", dat = basePath + ".dat";
    std::error_code ec;
    const auto datSize = std::filesystem::file_size(dat, ec);
    if (ec || !std::filesystem::is_regular_file(idx, ec)) return nullptr;
    std::string encoding;
    auto index = ReadIndex(idx, datSize, encoding);
    if (!index) return nullptr;
    auto thes = std::make_unique<MyThes>(idx.c_str(), dat.c_str());
    std::shared_ptr<const HunspellDictionary> dictionary;
    if (!dictionaryBase.empty()) dictionary = LoadHunspellDictionary(dictionaryBase);
    auto data = std::make_shared<const ThesaurusData>(std::move(thes), std::move(*index), encoding == "UTF-8",
                                                      std::move(dictionary));
    loaded.emplace(cacheKey, data);
    return data;
}

}  // namespace qf
