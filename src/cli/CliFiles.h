#pragma once
// Small helpers of the file commands: numbers on the command line.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace qf::cli {

// A whole number of digits only; nullopt for anything else.
std::optional<std::int64_t> ParseIndex(const std::string& text);
// "3,0,7" -> {3, 0, 7}; nullopt when any part is not a number.
std::optional<std::vector<std::int64_t>> ParseIndexList(const std::string& text);

// "quernfold-cli: <text>" on standard error; returns kExitFailed.
int FailText(CliContext& ctx, const std::string& text);

}  // namespace qf::cli
