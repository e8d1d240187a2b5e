#include "ClockRandom.h"

#include <chrono>

namespace tessaro {

ClockRandom::ClockRandom()
{
    reseed();
}

void ClockRandom::reseed()
{
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::random_device entropy;
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                       entropy(), entropy(), entropy(), entropy()};
    engine_.seed(seed);
}

double ClockRandom::next()
{
    return unitFromBits(engine_());
}

double ClockRandom::unitFromBits(std::uint64_t bits)
{
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

} // namespace tessaro
