#include "app/LibraryProblems.h"

namespace qf {

void TellLibraryProblems(const ProgramState& state, Prompter& prompter) {
    for (const LibraryProblem& problem : state.libraryProblems) {
        if (problem.state != LibraryState::Damaged) {
            prompter.Inform(problem.message);
            continue;
        }
        Message question = problem.message;
        question.text += std::string("  ") + kReplaceWithShipped;
        if (prompter.Ask(question, Question::YesNo) != Answer::Yes) continue;
        const Outcome reset = ResetUserLibrary(state.dirs, problem.name);
        prompter.Inform(reset.message);
    }
}

}  // namespace qf
