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
// Creates or replaces the file; false when it cannot be written.
bool WriteLayoutExchangeFile(const std::string& path, const PageLayoutRecord& layout);

}  // namespace qf
