#include "Runtime.h"

#include <array>
#include <cassert>
#include <limits>

namespace tessaro {

Rgb Runtime::paletteColour(int entry)
{
    static constexpr std::array<Rgb, 16> kPalette{{
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    }};
    assert(entry >= 0 && entry < 16);
    if (entry < 0 || entry >= 16)
        return kPalette[0];
    return kPalette[static_cast<std::size_t>(entry)];
}

std::string Runtime::decimalText(std::int32_t value)
{
    return std::to_string(value);
}

std::string Runtime::decimalTextWithSignPlace(std::int32_t value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::uint32_t Runtime::leadingNumber(std::string_view text)
{
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            break;
        value = value * 10 + static_cast<std::uint64_t>(ch - '0');
        if (value > kMax)
            return static_cast<std::uint32_t>(kMax);
    }
    return static_cast<std::uint32_t>(value);
}

std::string Runtime::lastCharacters(std::string_view text, std::size_t n)
{
    std::size_t start = text.size();
    for (std::size_t taken = 0; taken < n && start > 0; ++taken) {
        --start;
        // Step back over UTF-8 continuation bytes to the start of the character.
        while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
            --start;
    }
    return std::string(text.substr(start));
}

} // namespace tessaro
