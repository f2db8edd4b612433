#include "app/BatchList.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "base/TextHelpers.h"

namespace qf {

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false, wasQuoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"' && TrimBlanks(cell).empty()) {
            quoted = wasQuoted = true;
            cell.clear();
        } else if (c == ',') {
            cells.push_back(wasQuoted ? cell : TrimBlanks(cell));
            cell.clear();
            wasQuoted = false;
        } else if (!(wasQuoted && c == ' ')) {
            cell += c;
        }
    }
    cells.push_back(wasQuoted ? cell : TrimBlanks(cell));
    return cells;
}

Outcome ParseBatchCsv(const std::string& text, const std::string& folder, std::vector<BatchItem>& items) {
    std::vector<BatchItem> read;
    std::size_t from = 0;
    for (int number = 1; from <= text.size(); ++number) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        from = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (TrimBlanks(line).empty()) continue;
        const std::vector<std::string> cells = SplitCsvLine(line);
        if (read.empty() && number == 1 && LowerAscii(cells[0]) == "words") continue;  // the column names
        const auto problem = [&](const std::string& what) {
            return Outcome::Refused(ErrorMessage("Line " + std::to_string(number) + " of the batch file: " + what));
        };
        if (cells.size() > 6) return problem("more than six cells.");
        if (cells[0].empty()) return problem("no word file.");
        BatchItem item;
        item.line = number;
        const std::filesystem::path words(cells[0]);
        item.words = words.is_absolute() ? cells[0] : (std::filesystem::path(folder) / words).string();
        const auto cell = [&](std::size_t k) { return k < cells.size() ? cells[k] : std::string(); };
        item.title = cell(1);
        item.category = cell(2);
        item.shape = cell(3);
        item.attempts = cell(4);
        if (const std::string seed = cell(5); !seed.empty()) {
            std::uint64_t value = 0;
            const auto [at, ec] = std::from_chars(seed.data(), seed.data() + seed.size(), value);
            if (ec != std::errc() || at != seed.data() + seed.size()) return problem("the seed is not a whole number.");
            item.seed = value;
        }
        read.push_back(std::move(item));
    }
    if (read.empty()) return Outcome::Refused(ErrorMessage("The batch file names no word files."));
    items = std::move(read);
    return Outcome::Done();
}

Outcome ListBatchFolder(const std::string& folder, std::vector<BatchItem>& items) {
    std::error_code error;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& p = entry.path();
        if (entry.is_regular_file(error) && LowerAscii(p.extension().string()) == ".txt") names.push_back(p.string());
    }
    if (error) return Outcome::Refused(ErrorMessage("The folder " + folder + " cannot be read."));
    if (names.empty()) return Outcome::Refused(ErrorMessage("The folder " + folder + " holds no word files (*.txt)."));
    std::sort(names.begin(), names.end());
    std::vector<BatchItem> read;
    for (const std::string& name : names) read.push_back(BatchItem{name, "", "", "", "", std::nullopt, 0});
    items = std::move(read);
    return Outcome::Done();
}

}  // namespace qf
