#pragma once
// Small helpers of the file commands: numbers on the command line and the libraries of the
// program directory.
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

std::string ShapesLibrary(const CliContext& ctx);   // QFFLAY.DAT of the program directory
std::string LayoutsLibrary(const CliContext& ctx);  // QFFPAGE.DAT of the program directory

// "quernfold-cli: <text>" on standard error; returns kExitFailed.
int FailText(CliContext& ctx, const std::string& text);

}  // namespace qf::cli
