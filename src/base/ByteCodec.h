#pragma once
// Field-by-field conversion between records and their stored little-endian bytes.
// A record describes its fields once, as (offset, member) pairs, in its static template
// `Describe(self, visitor)`, which takes
// either a ByteReader or a ByteWriter, so reading and writing can never disagree on a layout.
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>
#include <vector>

#include "base/ShortString.h"

namespace qf {

// Stored width of one field: its own size for numbers, kStoredSize for strings and records.
template <typename T>
constexpr std::size_t StoredSize() {
    if constexpr (std::is_arithmetic_v<T>) return sizeof(T);
    else return T::kStoredSize;
}

class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> out) : out_(out) {}
    std::span<std::uint8_t> Bytes() const { return out_; }

    template <typename T>
    void Field(std::size_t offset, const T& value) { Put(out_.subspan(offset), value); }

private:
    static void Put(std::span<std::uint8_t> at, std::uint8_t v) { at[0] = v; }
    static void Put(std::span<std::uint8_t> at, std::int16_t v) {
        const auto u = static_cast<std::uint16_t>(v);
        at[0] = static_cast<std::uint8_t>(u & 0xFF);
        at[1] = static_cast<std::uint8_t>(u >> 8);
    }
    static void Put(std::span<std::uint8_t> at, std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    static void Put(std::span<std::uint8_t> at, double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, sizeof u);
        for (int i = 0; i < 8; ++i) at[i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    template <std::size_t N>
    static void Put(std::span<std::uint8_t> at, const ShortString<N>& s) {
        at[0] = s.length;
        std::memcpy(at.data() + 1, s.chars.data(), N);
    }
    template <std::size_t N>
    static void Put(std::span<std::uint8_t> at, const std::array<char, N>& a) {
        std::memcpy(at.data(), a.data(), N);
    }
    template <typename E, std::size_t N>
    static void Put(std::span<std::uint8_t> at, const std::array<E, N>& a)
        requires(!std::is_same_v<E, char>)
    {
        for (std::size_t i = 0; i < N; ++i) Put(at.subspan(i * StoredSize<E>()), a[i]);
    }
    template <typename R>
    static void Put(std::span<std::uint8_t> at, const R& nested)
        requires requires(const R& r, ByteWriter& w) { R::kStoredSize; R::Describe(r, w); }
    {
        ByteWriter w(at.first(R::kStoredSize));
        R::Describe(nested, w);
    }

    std::span<std::uint8_t> out_;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> in) : in_(in) {}

    template <typename T>
    void Field(std::size_t offset, T& value) { Get(in_.subspan(offset), value); }

private:
    static void Get(std::span<const std::uint8_t> at, std::uint8_t& v) { v = at[0]; }
    static void Get(std::span<const std::uint8_t> at, std::int16_t& v) {
        v = static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
    }
    static void Get(std::span<const std::uint8_t> at, std::int32_t& v) {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(at[i]) << (8 * i);
        v = static_cast<std::int32_t>(u);
    }
    static void Get(std::span<const std::uint8_t> at, double& v) {
        std::uint64_t u = 0;
        for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(at[i]) << (8 * i);
        std::memcpy(&v, &u, sizeof v);
    }
    template <std::size_t N>
    static void Get(std::span<const std::uint8_t> at, ShortString<N>& s) {
        s.length = at[0];
        std::memcpy(s.chars.data(), at.data() + 1, N);
    }
    template <std::size_t N>
    static void Get(std::span<const std::uint8_t> at, std::array<char, N>& a) {
        std::memcpy(a.data(), at.data(), N);
    }
    template <typename E, std::size_t N>
    static void Get(std::span<const std::uint8_t> at, std::array<E, N>& a)
        requires(!std::is_same_v<E, char>)
    {
        for (std::size_t i = 0; i < N; ++i) Get(at.subspan(i * StoredSize<E>()), a[i]);
    }
    template <typename R>
    static void Get(std::span<const std::uint8_t> at, R& nested)
        requires requires(R& r, ByteReader& rd) { R::kStoredSize; R::Describe(r, rd); }
    {
        ByteReader rd(at.first(R::kStoredSize));
        R::Describe(nested, rd);
    }

    std::span<const std::uint8_t> in_;
};

// Whole-record conversion. `out` and `in` must hold at least R::kStoredSize bytes.
template <typename R>
void EncodeRecord(const R& record, std::span<std::uint8_t> out) {
    ByteWriter w(out.first(R::kStoredSize));
    R::Describe(record, w);
}

template <typename R>
std::vector<std::uint8_t> EncodeRecord(const R& record) {
    std::vector<std::uint8_t> bytes(R::kStoredSize);
    EncodeRecord(record, std::span<std::uint8_t>(bytes));
    return bytes;
}

template <typename R>
void DecodeRecord(std::span<const std::uint8_t> in, R& record) {
    ByteReader r(in.first(R::kStoredSize));
    R::Describe(record, r);
}

}  // namespace qf
