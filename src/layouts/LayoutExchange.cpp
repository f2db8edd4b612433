#include "layouts/LayoutExchange.h"

#include <cstdio>
#include <cstring>

#include "base/ByteCodec.h"

namespace qf {

std::vector<std::uint8_t> EncodeLayoutExchange(const PageLayoutRecord& layout) {
    std::vector<std::uint8_t> bytes(kLayoutExchangeSize);
    std::memcpy(bytes.data(), kLayoutExchangeTag, 6);
    EncodeRecord(layout, std::span<std::uint8_t>(bytes).subspan(6));
    return bytes;
}

bool WriteLayoutExchangeFile(const std::string& path, const PageLayoutRecord& layout) {
    const auto bytes = EncodeLayoutExchange(layout);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace qf
