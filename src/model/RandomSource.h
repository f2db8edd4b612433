#pragma once
// Where a construction attempt takes its random choices. Attempts of a run each draw from
// their own stream, derived from the run seed and the attempt number, so a run gives the same
// candidates however its attempts are scheduled. Tests force choices with a scripted source.
#include <cstdint>

namespace qf {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniformly distributed integer in 0..n-1; 0 (drawing nothing) when n < 1.
    virtual int Below(int n) = 0;
};

// SplitMix64 stream; Below() rejects the few draws that would bias the result.
class AttemptRandom final : public RandomSource {
public:
    AttemptRandom(std::uint64_t runSeed, int attempt);
    explicit AttemptRandom(std::uint64_t state) : state_(state) {}

    int Below(int n) override;
    std::uint64_t Next();

private:
    std::uint64_t state_;
};

// A run seed from the clock, for runs not given one.
std::uint64_t ClockSeed();

}  // namespace qf
