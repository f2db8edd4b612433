#include "editor/HunspellDictionary.h"

#include <map>

#include <hunspell.hxx>

#include "base/Ansi.h"
#include "base/FileUtil.h"

namespace qf {

HunspellDictionary::HunspellDictionary(const std::string& basePath)
    : hunspell_(std::make_unique<Hunspell>((basePath + ".aff").c_str(), (basePath + ".dic").c_str())) {
    utf8_ = hunspell_->get_dict_encoding() == "UTF-8";
}

HunspellDictionary::~HunspellDictionary() = default;

// Dictionaries in UTF-8 get converted text; 8-bit ones (ISO 8859-1) take our bytes as they are.
std::string HunspellDictionary::ToDictionary(const std::string& ansi) const {
    return utf8_ ? AnsiToUtf8(ansi) : ansi;
}

bool HunspellDictionary::Spell(const std::string& ansiWord) const {
    return hunspell_->spell(ToDictionary(ansiWord));
}

std::vector<std::string> HunspellDictionary::Suggest(const std::string& ansiWord) const {
    std::vector<std::string> out;
    for (const auto& s : hunspell_->suggest(ToDictionary(ansiWord))) {
        if (!utf8_) {
            out.push_back(s);
            continue;
        }
        bool lossy = false;
        std::string ansi = Utf8ToAnsi(s, &lossy);
        if (!lossy) out.push_back(std::move(ansi));
    }
    return out;
}

std::shared_ptr<const HunspellDictionary> LoadHunspellDictionary(const std::string& basePath) {
    static std::map<std::string, std::shared_ptr<const HunspellDictionary>> loaded;
    if (auto it = loaded.find(basePath); it != loaded.end()) return it->second;
    // Hunspell itself does not tell a missing file (or a folder of that name) from an empty dictionary.
    if (!FileExists(basePath + ".aff") || !FileExists(basePath + ".dic")) return nullptr;
    auto dict = std::make_shared<const HunspellDictionary>(basePath);
    loaded.emplace(basePath, dict);
    return dict;
}

}  // namespace qf
