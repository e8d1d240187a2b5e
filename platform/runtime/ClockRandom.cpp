#include "ClockRandom.h"

#include <array>
#include <chrono>
#include <exception>

namespace tessaro {

ClockRandom::ClockRandom()
{
    reseed();
}

void ClockRandom::reseed()
{
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::array<std::uint32_t, 6> words{static_cast<std::uint32_t>(ticks),
                                       static_cast<std::uint32_t>(ticks >> 32)};
    try {
        std::random_device entropy;
        for (std::size_t i = 2; i < words.size(); ++i)
            words[i] = entropy();
    } catch (const std::exception&) {
        // No entropy source on this system: the clock alone seeds the sequence.
    }
    std::seed_seq seed(words.begin(), words.end());
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
