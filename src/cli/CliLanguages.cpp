#include "cli/CliLanguages.h"

#include "base/TextHelpers.h"
#include "editor/SpellLanguages.h"

namespace qf::cli {

std::optional<int> SpellLanguageOption(const std::optional<std::string>& option, int setting) {
    if (!option) return setting;
    const auto value = static_cast<int>(ReadLeadingInteger(*option));
    if (value < 1 || value > kChooseSpellLanguage) return std::nullopt;
    return value;
}

}  // namespace qf::cli
