// dictionary: the user's include and exclude word lists, as the dictionary maintenance
// dialog reads and writes them.
#include <algorithm>
#include <ostream>

#include "base/Ansi.h"
#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliLanguages.h"
#include "editor/AnsiCase.h"
#include "editor/SpellLanguages.h"
#include "editor/UserWordList.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli dictionary include|exclude [--lang N] list           the words of the list\n"
    "  quernfold-cli dictionary include|exclude [--lang N] add WORD...    add words not listed yet\n"
    "  quernfold-cli dictionary include|exclude [--lang N] remove WORD... remove words\n"
    "  include: words the check accepts; exclude: words it refuses even when a dictionary knows them.\n"
    "  N: 1..8 as for spell, 9 the American lists; without --lang the Dictionary setting.\n";

bool Listed(const std::vector<std::string>& words, const std::string& word) {
    const std::string folded = LowerAnsi(word);
    return std::any_of(words.begin(), words.end(), [&](const std::string& w) { return LowerAnsi(w) == folded; });
}

int Run(CliContext& ctx, Args& args) {
    const auto lang = args.Option("--lang");
    const auto which = args.Next();
    const auto action = args.Next();
    std::vector<std::string> words;
    while (auto w = args.Next()) words.push_back(TrimBlanks(Utf8ToAnsi(*w)));
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (which != "include" && which != "exclude") return ctx.Usage(kUsage);
    if (action != "list" && action != "add" && action != "remove") return ctx.Usage(kUsage);
    if ((action == "list") != words.empty()) return ctx.Usage(kUsage);
    for (const auto& w : words)
        if (w.empty() || w.find_first_of("\r\n") != std::string::npos) return ctx.Usage(kUsage);

    const auto setting = SpellLanguageOption(lang, ctx.state.settings.dictionary);
    if (!setting) return ctx.Usage(kUsage);
    const UserListNames names = UserListNamesFor(*setting);
    if (names.Empty()) return ctx.Fail(ErrorMessage("No spelling language is available."));
    const UserListMode mode = which == "include" ? UserListMode::Include : UserListMode::Exclude;
    const std::string path = ctx.state.UserWordList(mode == UserListMode::Include ? names.include : names.exclude);

    std::vector<std::string> list = LoadUserWordList(path);
    if (action == "list") {
        for (const auto& w : list) ctx.Line(w);
        return kExitOk;
    }
    int rc = kExitOk;
    for (const auto& word : words) {
        if (action == "add") {
            if (!Listed(list, word)) AddToWordList(list, word);
            continue;
        }
        const auto before = list.size();
        const std::string folded = LowerAnsi(word);
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](const std::string& w) { return LowerAnsi(w) == folded; }),
                   list.end());
        if (list.size() == before) {
            ctx.err << "quernfold-cli: " << AnsiToUtf8(word) << " is not in the list\n";
            rc = kExitFailed;
        }
    }
    if (!SaveUserWordList(path, mode, names.code, list)) return ctx.Fail(ErrorMessage("Could not write " + path + "."));
    return rc;
}

const CommandRegistrar reg({"dictionary", kUsage, "show or change the user's include and exclude word lists", Run});

}  // namespace
}  // namespace qf::cli
