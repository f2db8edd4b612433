#include "layouts/LayoutExchange.h"

#include <cstring>

#include "base/ByteCodec.h"
#include "base/RecordFile.h"
#include "base/SaveFile.h"

namespace qf {

std::vector<std::uint8_t> EncodeLayoutExchange(const PageLayoutRecord& layout) {
    std::vector<std::uint8_t> bytes(kLayoutExchangeSize);
    std::memcpy(bytes.data(), kLayoutExchangeTag, 6);
    EncodeRecord(layout, std::span<std::uint8_t>(bytes).subspan(6));
    return bytes;
}

bool WriteLayoutExchangeFile(const std::string& path, const PageLayoutRecord& layout) {
    SaveFile file(path);
    if (!file.Open()) return false;
    if (!file.Write(EncodeLayoutExchange(layout)) || !file.Commit()) throw IoError("write failed", path);
    return true;
}

}  // namespace qf
