// thesaurus: the categories, antonyms and synonyms of a word, as the thesaurus dialog lists them.
#include <ostream>

#include "base/Ansi.h"
#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "editor/SpellLanguages.h"
#include "editor/SpellSession.h"
#include "editor/ThesaurusLookup.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli thesaurus [--lang 1|2] WORD            categories, antonyms and the synonyms of each\n"
    "  quernfold-cli thesaurus [--lang 1|2] --suggest WORD  similar words the thesaurus holds\n"
    "  1 American, 2 British; without --lang the Thesaurus setting of QFOLD3.INI.\n";

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& w : words) text += (text.empty() ? "" : ", ") + w;
    return text;
}

int Run(CliContext& ctx, Args& args) {
    const auto lang = args.Option("--lang");
    const bool suggest = args.Flag("--suggest");
    const auto word = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!word) return ctx.Usage(kUsage);

    int language = 0;
    if (lang) {
        language = static_cast<int>(ReadLeadingInteger(*lang));
        if (language != 1 && language != 2) return ctx.Usage(kUsage);
    } else {
        language = ThesaurusLookupLanguage(ctx.state.settings);
    }
    const char* file = ThesaurusFileName(language);
    ThesaurusLookup lookup;
    if (!file) return ctx.Fail(ErrorMessage(kMsgThesaurusFileMissing));
    if (Outcome opened = lookup.OpenThes(ctx.state.dirs.ProgramFile(file)); !opened.IsDone()) return ctx.Fail(opened);

    const std::string text = Utf8ToAnsi(*word);
    if (suggest) {
        std::vector<std::string> words;
        if (Outcome found = lookup.Suggestions(text, words); !found.IsDone()) return ctx.Fail(found);
        for (const auto& w : words) ctx.Line(w);
        return kExitOk;
    }
    const LookUpResult result = lookup.LookUpWord(text);
    if (!result.message.Empty()) return ctx.Fail(result.message);
    ctx.Line("Categories:");
    for (const auto& category : result.categories)
        ctx.Line("  " + category + ": " + Joined(lookup.LoadInSyns(category).synonyms));
    ctx.Line("Antonyms:");
    for (const auto& antonym : result.antonyms)
        ctx.Line("  " + antonym + ": " + Joined(lookup.LoadInSyns(antonym).synonyms));
    return kExitOk;
}

const CommandRegistrar reg({"thesaurus", kUsage, "look a word up in the thesaurus", Run});

}  // namespace
}  // namespace qf::cli
