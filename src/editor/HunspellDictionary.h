#pragma once
// One loaded Hunspell dictionary, spoken to in Windows-1252. Dictionaries are large, so each
// is loaded once per process and shared; nothing is ever added to them, which keeps sharing safe.
#include <memory>
#include <string>
#include <vector>

class Hunspell;

namespace qf {

class HunspellDictionary {
public:
    explicit HunspellDictionary(const std::string& basePath);
    ~HunspellDictionary();
    HunspellDictionary(const HunspellDictionary&) = delete;
    HunspellDictionary& operator=(const HunspellDictionary&) = delete;

    bool Spell(const std::string& ansiWord) const;
    // Suggestions that Windows-1252 can hold, in Hunspell's order.
    std::vector<std::string> Suggest(const std::string& ansiWord) const;

private:
    std::string ToDictionary(const std::string& ansi) const;
    std::unique_ptr<Hunspell> hunspell_;
    bool utf8_ = false;
};

// The dictionary at `basePath` (.aff and .dic), loaded on first use; nullptr when the files
// cannot be read.
std::shared_ptr<const HunspellDictionary> LoadHunspellDictionary(const std::string& basePath);

}  // namespace qf
