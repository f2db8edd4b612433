#pragma once
// The lists of a batch of puzzles: the rows of a CSV file (words file, title, category, shape,
// attempts, seed; a first row naming the columns is passed over) or the word files of a folder
// (*.txt, in name order). Empty cells take the batch's defaults.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Outcome.h"

namespace qf {

struct BatchItem {
    std::string words;     // the word file, relative paths taken from the CSV file's folder
    std::string title;     // empty: the word file's name
    std::string category;  // empty: the default
    std::string shape;     // a .LAY file or a library index; empty: the default
    std::string attempts;  // as typed; empty: the default
    std::optional<std::uint64_t> seed;  // empty: the default seed plus the item's number
    int line = 0;          // the CSV line, for messages (0 for a folder's file)
};

// One CSV line split into cells: commas separate, a cell in double quotes may hold commas and
// doubled quotes; blanks around a cell are dropped.
std::vector<std::string> SplitCsvLine(const std::string& line);

// The items of a CSV file's text (`folder`: the file's own folder). Refused, naming the line, for
// a row without a word file, with more than six cells or a seed that is not a whole number.
Outcome ParseBatchCsv(const std::string& text, const std::string& folder, std::vector<BatchItem>& items);

// The *.txt files of a folder, in name order. Refused when the folder cannot be read or has none.
Outcome ListBatchFolder(const std::string& folder, std::vector<BatchItem>& items);

}  // namespace qf
