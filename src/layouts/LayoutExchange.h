#pragma once
// The single-layout exchange file (.PAG): "PAG1.0" and one PageLayoutRecord.
#include <cstdint>
#include <string>
#include <vector>

#include "layouts/PageLayoutRecord.h"

namespace qf {

inline constexpr const char* kLayoutExchangeTag = "PAG1.0";
inline constexpr std::size_t kLayoutExchangeSize = 6 + PageLayoutRecord::kStoredSize;

std::vector<std::uint8_t> EncodeLayoutExchange(const PageLayoutRecord& layout);
// Creates or replaces the file as a whole file (base/SaveFile.h); false when it cannot be
// opened for writing. A write that fails throws IoError and leaves an existing file as it was.
bool WriteLayoutExchangeFile(const std::string& path, const PageLayoutRecord& layout);

}  // namespace qf
