#pragma once
// What the desktop program says at start-up about the user's libraries: a missing one is
// reported (the shipped library takes its place), a damaged one is offered to be replaced by the
// shipped copy. Nothing is replaced unless the user says Yes.
#include "app/ProgramState.h"
#include "base/Prompter.h"

namespace qf {

inline constexpr const char* kReplaceWithShipped = "Would you like to replace it with the shipped copy?";

void TellLibraryProblems(const ProgramState& state, Prompter& prompter);

}  // namespace qf
