#include "editor/ClueCheck.h"

#include <algorithm>
#include <unordered_map>

#include "base/TextHelpers.h"
#include "editor/AnsiCase.h"
#include "editor/AnswerForms.h"

namespace qf {
namespace {

constexpr std::size_t kMaxListedInQuestion = 10;

struct Row {
    int row = 0;
    std::string word, clue;
};

std::string Head(const Row& r) { return "Row " + std::to_string(r.row) + ", " + r.word + ": "; }

ClueProblem Problem(ClueProblemKind kind, const Row& r, int column, const std::string& what) {
    return {kind, r.row, column, Head(r) + what};
}

// The answers, each under the forms that stand for it in a clue.
class AnswerIndex {
public:
    AnswerIndex(const std::vector<Row>& rows, const WordNet* wordNet) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const AnswerForms forms(rows[i].word, wordNet);
            for (const auto& key : forms.Keys()) byForm_[key].push_back(i);
        }
    }
    // The answers a clue word stands for.
    std::vector<std::size_t> Find(const std::vector<std::string>& forms) const {
        std::vector<std::size_t> found;
        for (const auto& form : forms) {
            const auto it = byForm_.find(form);
            if (it == byForm_.end()) continue;
            for (std::size_t i : it->second)
                if (std::find(found.begin(), found.end(), i) == found.end()) found.push_back(i);
        }
        return found;
    }

private:
    std::unordered_map<std::string, std::vector<std::size_t>> byForm_;
};

}  // namespace

std::vector<ClueProblem> CheckClues(const EditorGrid& grid, const WordNet* wordNet, const ClueFits& fits) {
    std::vector<Row> rows;
    for (int r = 0; r < kEditorRows; ++r) {
        const std::string word = TrimBlanks(grid.words[static_cast<std::size_t>(r)]);
        if (!word.empty()) rows.push_back({r + 1, word, TrimBlanks(grid.clues[static_cast<std::size_t>(r)])});
    }
    const AnswerIndex answers(rows, wordNet);
    std::unordered_map<std::string, const Row*> firstOf;
    std::vector<ClueProblem> problems;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const std::string key = LowerAnsi(r.word);
        if (const auto [it, added] = firstOf.emplace(key, &r); !added)
            problems.push_back(Problem(ClueProblemKind::SameAnswer, r, kWordColumn,
                                       "the same answer as row " + std::to_string(it->second->row) + "."));
        if (r.clue.empty()) {
            problems.push_back(Problem(ClueProblemKind::EmptyClue, r, kClueColumn, "the clue is empty."));
            continue;
        }
        bool givesAway = false;
        std::vector<std::string> others;  // answers named once, whatever row they stand in
        for (const TextWord& w : WordsOfText(r.clue)) {
            for (std::size_t found : answers.Find(AnswerForms::FormsOfWord(w.lower, wordNet))) {
                const bool own = LowerAnsi(rows[found].word) == key;
                if (own && !givesAway) {
                    givesAway = true;
                    problems.push_back(Problem(ClueProblemKind::GivesAway, r, kClueColumn,
                                               "the clue gives the answer away (\"" + r.clue.substr(w.start, w.length) + "\")."));
                } else if (const Row& other = rows[found];
                           !own && std::find(others.begin(), others.end(), LowerAnsi(other.word)) == others.end()) {
                    others.push_back(LowerAnsi(other.word));
                    problems.push_back(Problem(ClueProblemKind::OtherAnswer, r, kClueColumn,
                                               "the clue holds another answer, " + other.word + " (row " +
                                                   std::to_string(other.row) + ")."));
                }
            }
        }
        if (fits && !fits(r.clue))
            problems.push_back(Problem(ClueProblemKind::TooLong, r, kClueColumn,
                                       "the clue is longer than the layout's clue block holds at its font."));
    }
    return problems;
}

Message CreateClueQuestion(const std::vector<ClueProblem>& problems) {
    std::string list;
    std::size_t listed = 0, more = 0;
    for (const ClueProblem& p : problems) {
        if (p.kind != ClueProblemKind::GivesAway && p.kind != ClueProblemKind::SameAnswer) continue;
        if (listed == kMaxListedInQuestion) {
            ++more;
            continue;
        }
        list += p.text + "\n";
        ++listed;
    }
    if (listed == 0) return {};
    if (more > 0) list += "... and " + std::to_string(more) + " more.\n";
    return WarningMessage("Some clues give their answers away or an answer stands twice:\n\n" + list +
                          "\nCreate the puzzle anyway?");
}

}  // namespace qf
