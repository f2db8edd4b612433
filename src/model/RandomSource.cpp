#include "model/RandomSource.h"

#include <chrono>

namespace qf {
namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

AttemptRandom::AttemptRandom(std::uint64_t runSeed, int attempt)
    : state_(Mix(runSeed ^ Mix(static_cast<std::uint64_t>(attempt) * kGolden + 1))) {}

std::uint64_t AttemptRandom::Next() {
    state_ += kGolden;
    return Mix(state_);
}

int AttemptRandom::Below(int n) {
    if (n < 1) return 0;
    // Draws below `threshold` would favour the small values; 2^64 mod n of them are rejected.
    const auto range = static_cast<std::uint64_t>(n);
    const std::uint64_t threshold = (0 - range) % range;
    std::uint64_t x = Next();
    while (x < threshold) x = Next();
    return static_cast<int>(x % range);
}

std::uint64_t ClockSeed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return Mix(static_cast<std::uint64_t>(now));
}

}  // namespace qf
