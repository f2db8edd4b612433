#include "editor/SpellCheck.h"

#include <map>
#include <optional>
#include <set>

#include "base/Directories.h"
#include "base/TextHelpers.h"
#include "editor/ClueTokens.h"
#include "editor/SpellSession.h"
#include "editor/UserWordList.h"

namespace qf {
namespace {

constexpr std::size_t kMaxReplacement = 255;
constexpr std::size_t kMaxNoticeHead = 254;

class SpellCheckRun {
public:
    SpellCheckRun(const SpellCheckOptions& options, SpellSuggestionsDialog& dialog, Prompter& prompter)
        : options_(options), dialog_(dialog), prompter_(prompter) {}

    bool Open() {
        if (!session_.Open(options_.programDir, options_.language, options_.userLists, options_.UserListFolder())) return false;
        dialog_.suggest = [this](const std::string& word) { return session_.Suggest(word); };
        return true;
    }
    ~SpellCheckRun() { dialog_.suggest = nullptr; }

    // The replacement when the user chose one.
    std::optional<std::string> CheckOneWord(const std::string& word) {
        if (session_.Accepts(word)) return std::nullopt;
        notFound_ = true;
        if (ignoreAll_.count(word)) return std::nullopt;
        if (auto known = replaceAll_.find(word); known != replaceAll_.end()) return known->second;
        const std::vector<std::string> suggestions = session_.Suggest(word);
        if (suggestions.empty()) {
            std::string head = word + " was not found in the dictionary.  ";
            if (head.size() > kMaxNoticeHead) head.resize(kMaxNoticeHead);
            prompter_.Inform(InfoMessage(head + kMsgNoSuggestions, kCaptionNotice));
            return std::nullopt;
        }
        const std::string notice = SuggestionsNotice(session_.Language()->name);
        const SuggestionChoice choice = dialog_.ShowSuggestions(notice, word, suggestions);
        switch (choice.action) {
            case SuggestionAction::Replace:
            case SuggestionAction::ReplaceAll: {
                if (choice.replacement.empty()) return std::nullopt;
                std::string replacement = choice.replacement.substr(0, kMaxReplacement);
                if (choice.action == SuggestionAction::ReplaceAll) replaceAll_[word] = replacement;
                return replacement;
            }
            case SuggestionAction::IgnoreAll:
                ignoreAll_.insert(word);
                return std::nullopt;
            case SuggestionAction::Add:
                // A word that could not be kept is said, as the list's own window says it.
                if (options_.userLists.Empty() ||
                    !AddWordToIncludeList(JoinPath(options_.UserListFolder(), options_.userLists.include),
                                          session_.Language()->code, word))
                    prompter_.Inform(ErrorMessage(kUnableToSaveWordList));
                return std::nullopt;
            case SuggestionAction::Abort:
                aborted_ = true;
                return std::nullopt;
            case SuggestionAction::Ignore:
                return std::nullopt;
        }
        return std::nullopt;
    }

    // True when a replacement was made; `clue` is then the rebuilt clue.
    bool CheckClue(std::string& clue) {
        bool replaced = false;
        auto tokens = SplitClueTokens(clue);
        for (const ClueWord& word : ClueWordsToCheck(clue)) {
            if (auto replacement = CheckOneWord(word.word)) {
                tokens[word.token] = *replacement;
                clue = RebuildClue(tokens);
                replaced = true;
            }
            if (aborted_) break;
        }
        return replaced;
    }

    bool Aborted() const { return aborted_; }
    bool NotFound() const { return notFound_; }

private:
    const SpellCheckOptions& options_;
    SpellSuggestionsDialog& dialog_;
    Prompter& prompter_;
    SpellSession session_;
    bool aborted_ = false;
    bool notFound_ = false;
    std::set<std::string> ignoreAll_;
    std::map<std::string, std::string> replaceAll_;
};

}  // namespace

std::string SuggestionsNotice(const std::string& languageName) {
    return "The following word was not found in the " + languageName +
           " dictionary.  Suggestions are listed below.";
}

std::vector<ClueWord> ClueWordsToCheck(std::string_view clue) {
    std::vector<ClueWord> words;
    const auto tokens = SplitClueTokens(TrimBlanks(clue));
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        std::string word = StripDelimiters(tokens[i]);
        if (!word.empty()) words.push_back({i, std::move(word)});
    }
    return words;
}

Outcome DoSpellCheck(SpellCheckGrid& grid, const SpellCheckOptions& options, SpellSuggestionsDialog& dialog,
                     Prompter& prompter) {
    bool aborted = false;
    bool notFound = false;
    {
        SpellCheckRun run(options, dialog, prompter);
        if (!run.Open()) {
            const Outcome missing = Outcome::Refused(ErrorMessage(kMsgDictionaryFilesMissing));
            prompter.Inform(missing.message);
            return missing;
        }
        if (options.isNewPuzzle) {
            for (auto& cell : grid.words) {
                const std::string word = TrimBlanks(cell);
                if (!word.empty())
                    if (auto replacement = run.CheckOneWord(word)) cell = *replacement;
                if (run.Aborted()) break;
            }
        }
        if (!run.Aborted()) {
            for (auto& cell : grid.clues) {
                std::string clue = TrimBlanks(cell);
                // Clues without a replacement stay exactly as typed.
                if (!clue.empty() && run.CheckClue(clue)) cell = clue;
                if (run.Aborted()) break;
            }
        }
        aborted = run.Aborted();
        notFound = run.NotFound();
    }  // lexicons and session closed here, before the report
    Outcome outcome = Outcome::Confirmed(InfoMessage(kMsgAllWordsFound, kCaptionSpellingOk));
    if (notFound) {
        outcome.message = InfoMessage(aborted ? kMsgSpellAborted : kMsgSpellComplete, kCaptionSpellingStatus);
        if (aborted) outcome.status = Status::Cancelled;
    }
    prompter.Inform(outcome.message);
    return outcome;
}

}  // namespace qf
