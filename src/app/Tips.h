#pragma once
// The tips of the day: a fixed table built into the program, shown one at a time from a tip
// chosen at random, "Next" walking on through the table and round again.
#include <string>

#include "model/RandomSource.h"

namespace qf {

inline constexpr int kTipCount = 31;
inline constexpr std::size_t kTipCapacity = 180;

// Tip `number` (1 to kTipCount) as the table keeps it: a literal ampersand is doubled.
const char* TipSource(int number);
// Tip `number` as it is shown: doubled ampersands become one.
std::string TipText(int number);

// The first tip of a showing, uniformly from 1 to kTipCount.
int FirstTip(RandomSource& random);
// The tip after `number`: the last is followed by the first.
int NextTip(int number);

}  // namespace qf
