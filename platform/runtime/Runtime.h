#pragma once

// The services the game asks of the platform it runs on: message boxes, the
// beep, random numbers, the two palette colours and a few number and text
// conversions. The first four differ per platform and are virtual; the rest
// are plain computations, the same everywhere, and live here once.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

using Byte = std::uint8_t;

struct Rgb {
    Byte r = 0;
    Byte g = 0;
    Byte b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Message box style codes: the buttons and icon of a box.
inline constexpr int kStyleOkOnly = 0;       // OK, no icon
inline constexpr int kStyleYesNo = 4;        // Yes and No, no icon
inline constexpr int kStyleInformation = 64; // OK with the information icon

// Codes of the button that closed a box.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// Entries of the standard 16-colour palette that the game uses.
inline constexpr int kPaletteBlack = 0;
inline constexpr int kPaletteLightRed = 12;

class Runtime {
public:
    virtual ~Runtime() = default;

    // Shows a modal box and returns the code of the button pressed. In the
    // text a carriage return, with or without a line feed after it, starts a
    // new line.
    virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
    virtual void beep() = 0;
    // Starts the random sequence anew from a seed taken from the clock.
    virtual void reseed() = 0;
    // Uniform in [0, 1); never 1.
    virtual double nextRandom() = 0;

    // Entry 0..15 of the standard 16-colour palette.
    static Rgb paletteColour(int entry);
    // Decimal digits, with a minus sign before a negative value.
    static std::string decimalText(std::int32_t value);
    // As decimalText, but a space stands before a value that is not negative.
    static std::string decimalTextWithSignPlace(std::int32_t value);
    // The decimal number that begins the text; 0 unless it begins with a digit.
    // Numbers too large for 32 bits read as the largest 32-bit value.
    static std::uint32_t leadingNumber(std::string_view text);
    // The last n characters (not bytes) of a UTF-8 text; all of it when shorter.
    static std::string lastCharacters(std::string_view text, std::size_t n);
};

} // namespace tessaro
