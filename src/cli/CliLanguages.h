#pragma once
// The --lang option of the spelling commands.
#include <optional>
#include <string>

namespace qf::cli {

// 1..9 from --lang; nullopt for any other value. Without the option: the "Dictionary" setting
// as start-up corrected it (`setting`).
std::optional<int> SpellLanguageOption(const std::optional<std::string>& option, int setting);

}  // namespace qf::cli
