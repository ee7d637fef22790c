#include "platform/rtl/Random.h"

#include <chrono>

namespace rtl {

namespace {
std::uint32_t g_seed = 0;
}

void Randomize()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    g_seed = static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

void SetRandSeed(std::uint32_t seed) { g_seed = seed; }
std::uint32_t RandSeed() { return g_seed; }

std::int32_t Random(std::int32_t range)
{
    g_seed = g_seed * 0x08088405u + 1u;
    if (range <= 0) return 0;
    return static_cast<std::int32_t>((std::uint64_t(g_seed) * std::uint64_t(range)) >> 32);
}

} // namespace rtl
