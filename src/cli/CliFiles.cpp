#include "cli/CliFiles.h"

#include <ostream>


namespace qf::cli {

std::optional<std::int64_t> ParseIndex(const std::string& text) {
    if (text.empty() || text.size() > 12) return std::nullopt;
    std::int64_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::optional<std::vector<std::int64_t>> ParseIndexList(const std::string& text) {
    std::vector<std::int64_t> list;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const auto n = ParseIndex(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!n) return std::nullopt;
        list.push_back(*n);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return list;
}

int FailText(CliContext& ctx, const std::string& text) {
    ctx.err << "quernfold-cli: " << text << '\n';
    return kExitFailed;
}

}  // namespace qf::cli
