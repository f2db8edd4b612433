// spell: the spelling engine on single words or on one clue, as the spelling check asks it.
#include <ostream>

#include "base/Ansi.h"
#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliLanguages.h"
#include "editor/ClueTokens.h"
#include "editor/SpellCheck.h"
#include "editor/SpellSession.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli spell [--lang N] WORD...             each word: \"ok\", or its suggestions\n"
    "  quernfold-cli spell [--lang N] --clue TEXT [--fix] the clue's tokens and the verdict of each;\n"
    "                                                     --fix replaces each rejected word by its first\n"
    "                                                     suggestion and prints the clue as stored\n"
    "  N: 1 American, 2 British, 3 Spanish, 4 Italian, 5 French, 6 German, 7 Dutch, 8 Swedish,\n"
    "     9 the language last chosen; without --lang the Dictionary setting of QFOLD3.INI.\n"
    "  The user's include and exclude lists of that language take part (the American ones for 9).\n";

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& w : words) text += (text.empty() ? "" : ", ") + w;
    return text;
}

std::string Verdict(const SpellSession& session, const std::string& word) {
    if (session.Accepts(word)) return "ok";
    const auto suggestions = session.Suggest(word);
    return suggestions.empty() ? word + " was not found in the dictionary.  " + kMsgNoSuggestions : Joined(suggestions);
}

// Answers the suggestions dialog as the tool's options say.
class FirstSuggestion : public SpellSuggestionsDialog {
public:
    SuggestionChoice ShowSuggestions(const std::string&, const std::string&,
                                     const std::vector<std::string>& suggestions) override {
        return {SuggestionAction::Replace, suggestions.front()};
    }
};

// The words the check asks about, each with its token number in the clue.
int CheckClue(CliContext& ctx, const SpellSession& session, const std::string& clue, bool fix, int language,
              const UserListNames& lists) {
    for (const ClueWord& word : ClueWordsToCheck(clue))
        ctx.Line(std::to_string(word.token + 1) + " \"" + word.word + "\": " + Verdict(session, word.word));
    if (!fix) return kExitOk;
    SpellCheckGrid grid;
    grid.clues[0] = clue;
    FirstSuggestion dialog;
    const SpellCheckOptions options{ctx.state.dirs.program, language, lists, false, ctx.state.dirs.UserFolder()};
    if (DoSpellCheck(grid, options, dialog, ctx.GetPrompter()).IsRefused()) return kExitFailed;
    ctx.Line("clue: " + grid.clues[0]);
    return kExitOk;
}

int Run(CliContext& ctx, Args& args) {
    const auto lang = args.Option("--lang");
    const auto clue = args.Option("--clue");
    const bool fix = args.Flag("--fix");
    std::vector<std::string> words;
    while (auto w = args.Next()) words.push_back(Utf8ToAnsi(*w));
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (clue ? !words.empty() : words.empty()) return ctx.Usage(kUsage);
    if (fix && !clue) return ctx.Usage(kUsage);

    const auto setting = SpellLanguageOption(lang, ctx.state.settings.dictionary);
    if (!setting) return ctx.Usage(kUsage);
    Settings chosen = ctx.state.settings;
    chosen.dictionary = *setting;
    const int language = SpellCheckLanguage(chosen);
    const UserListNames lists = UserListNamesFor(*setting);

    SpellSession session;
    if (!session.Open(ctx.state.dirs.program, language, lists, ctx.state.dirs.UserFolder()))
        return ctx.Fail(ErrorMessage(kMsgDictionaryFilesMissing));
    if (clue) return CheckClue(ctx, session, Utf8ToAnsi(*clue), fix, language, lists);
    for (const auto& word : words) ctx.Line(word + ": " + Verdict(session, word));
    return kExitOk;
}

const CommandRegistrar reg({"spell", kUsage, "check words or a clue with the spelling lexicons", Run});

}  // namespace
}  // namespace qf::cli
