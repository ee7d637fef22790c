#pragma once
// The runtime's seeded pseudo-random generator (a 32-bit linear congruential
// generator). Not for anything secret.
#include <cstdint>

namespace rtl {

// Seeds the generator from the clock.
void Randomize();
void SetRandSeed(std::uint32_t seed);
std::uint32_t RandSeed();
// A number from 0 up to, not including, `range` (0 when range <= 0).
std::int32_t Random(std::int32_t range);

} // namespace rtl
