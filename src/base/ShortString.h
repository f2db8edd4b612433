#pragma once
// A length-prefixed text of fixed capacity, as records store it: one length byte, then
// `Capacity` character bytes (Windows-1252). Bytes past the length are kept as they are
// so that a record read and written back is byte-identical.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qf {

template <std::size_t Capacity>
struct ShortString {
    static_assert(Capacity >= 1 && Capacity <= 255);
    static constexpr std::size_t kCapacity = Capacity;
    static constexpr std::size_t kStoredSize = Capacity + 1;

    std::uint8_t length = 0;
    std::array<char, Capacity> chars{};

    // The meaningful text. A length byte beyond the capacity (a damaged file) is read as the capacity.
    std::string Str() const { return std::string(chars.data(), UsedLength()); }
    std::size_t UsedLength() const { return std::min<std::size_t>(length, Capacity); }
    bool Empty() const { return UsedLength() == 0; }

    // Stores `text` cut to the capacity; the bytes after it are left as they were.
    void Set(std::string_view text) {
        const std::size_t n = std::min(text.size(), Capacity);
        if (n > 0) std::memcpy(chars.data(), text.data(), n);
        length = static_cast<std::uint8_t>(n);
    }
    ShortString& operator=(std::string_view text) { Set(text); return *this; }

    bool operator==(const ShortString&) const = default;
};

}  // namespace qf
