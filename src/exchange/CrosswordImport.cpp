#include "exchange/CrosswordImport.h"

#include <fstream>

#include "exchange/Ipuz.h"
#include "exchange/Puz.h"
#include "exchange/Xd.h"

namespace qf {
namespace {

constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

}  // namespace

Outcome ReadCrosswordFile(const std::string& path, ExchangeFormat format, std::vector<ImportedEntry>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return RefuseCrossword("the file cannot be opened");
    std::vector<std::uint8_t> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (bytes.size() > kMaxFileSize) return RefuseCrossword("it is too large");
    }
    if (in.bad()) return RefuseCrossword("the file cannot be read");
    switch (format) {
    case ExchangeFormat::Ipuz: return ParseIpuz(bytes, out);
    case ExchangeFormat::Puz: return ParsePuz(bytes, out);
    case ExchangeFormat::Xd: return ParseXd(bytes, out);
    case ExchangeFormat::Html: break;
    }
    return RefuseCrossword("a solving page holds no words to take");
}

}  // namespace qf
