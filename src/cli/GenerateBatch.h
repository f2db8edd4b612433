#pragma once
// generate --batch: one puzzle from each list of a CSV file or a folder, each built and stored
// as generate builds and stores one, with a line of result each.
#include <cstdint>
#include <optional>
#include <string>

#include "cli/CliCommand.h"

namespace qf::cli {

// What a list's empty cells take.
struct BatchDefaults {
    std::string collection;
    std::optional<std::string> shape;  // a .LAY file or a library index
    std::string category = "General";
    std::string attempts = "1";
    std::uint64_t seed = 0;  // list k (from 0) without a seed of its own takes seed + k
    bool shrink = false;
    bool quick = false;
    char separator = ':';
};

// Exit status: 0 when every list was stored, 1 when one or more failed (the others are stored).
int GenerateBatch(CliContext& ctx, const std::string& batch, const BatchDefaults& defaults);

}  // namespace qf::cli
