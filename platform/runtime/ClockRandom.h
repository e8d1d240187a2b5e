#pragma once

// The game's random numbers: a 64-bit Mersenne Twister seeded from the
// high-resolution clock mixed with the system's entropy source, so that two
// rounds started within the same clock tick still get independent codes.

#include <cstdint>
#include <random>

namespace tessaro {

class ClockRandom {
public:
    ClockRandom();
    void reseed();
    // Uniform in [0, 1), never 1.
    double next();

    // The top 53 bits of a raw draw as a double in [0, 1): exact, and below 1
    // even for the largest draw.
    static double unitFromBits(std::uint64_t bits);

private:
    std::mt19937_64 engine_;
};

} // namespace tessaro
