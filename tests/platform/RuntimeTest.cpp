// The platform-free runtime services: conversions, palette and random numbers.

#include "ClockRandom.h"
#include "Runtime.h"
#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>

namespace tessaro {
namespace {

TEST(Conversions, DecimalText)
{
    EXPECT_EQ(Runtime::decimalText(0), "0");
    EXPECT_EQ(Runtime::decimalText(17), "17");
    EXPECT_EQ(Runtime::decimalText(-3), "-3");
    EXPECT_EQ(Runtime::decimalText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(Runtime::decimalTextWithSignPlace(3), " 3");
    EXPECT_EQ(Runtime::decimalTextWithSignPlace(0), " 0");
    EXPECT_EQ(Runtime::decimalTextWithSignPlace(-12), "-12");
}

TEST(Conversions, LeadingNumber)
{
    const struct {
        const char* text;
        std::uint32_t value;
    } cases[] = {
        {"2p 1c", 2}, {"1c", 1}, {"0p 0c", 0}, {"Next", 0}, {"xt", 0}, {"", 0},
        {" 5", 0},    {"-5", 0}, {"45p", 45}, {"007", 7},   {"99999999999", 4294967295u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Runtime::leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(Conversions, LastCharacters)
{
    EXPECT_EQ(Runtime::lastCharacters("2p 1c", 2), "1c");
    EXPECT_EQ(Runtime::lastCharacters("Next", 2), "xt");
    EXPECT_EQ(Runtime::lastCharacters("c", 2), "c");
    EXPECT_EQ(Runtime::lastCharacters("", 2), "");
    EXPECT_EQ(Runtime::lastCharacters("abc", 0), "");
    EXPECT_EQ(Runtime::lastCharacters("a\xC3\xA6\xC3\xB8", 2), "\xC3\xA6\xC3\xB8") << "æø are two characters";
}

TEST(Palette, BlackAndLightRed)
{
    EXPECT_EQ(Runtime::paletteColour(kPaletteBlack), (Rgb{0, 0, 0}));
    EXPECT_EQ(Runtime::paletteColour(kPaletteLightRed), (Rgb{255, 0, 0}));
    EXPECT_EQ(Runtime::paletteColour(15), (Rgb{255, 255, 255}));
}

TEST(Random, TheLargestDrawStaysBelowOne)
{
    EXPECT_LT(ClockRandom::unitFromBits(std::numeric_limits<std::uint64_t>::max()), 1.0);
    EXPECT_EQ(ClockRandom::unitFromBits(0), 0.0);
    EXPECT_EQ(static_cast<int>(ClockRandom::unitFromBits(std::numeric_limits<std::uint64_t>::max()) * 8), 7);
}

TEST(Random, ValuesLieInTheUnitIntervalAndSpreadOverEighths)
{
    ClockRandom random;
    std::array<int, 8> eighths{};
    for (int i = 0; i < 80000; ++i) {
        const double value = random.next();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        ++eighths[static_cast<int>(value * 8)];
    }
    for (int count : eighths)
        EXPECT_NEAR(count, 10000, 600);
}

TEST(Random, ReseedsInQuickSuccessionGiveDifferentSequences)
{
    ClockRandom random;
    std::set<double> firsts;
    for (int i = 0; i < 200; ++i) {
        random.reseed();
        firsts.insert(random.next());
    }
    EXPECT_EQ(firsts.size(), 200u);
}

TEST(Scripted, AnswersRandomsAndRecordsInOrder)
{
    ScriptedRuntime rt;
    rt.answerNext({kAnswerYes});
    EXPECT_EQ(rt.messageBox("q", kStyleYesNo, "t"), kAnswerYes);
    EXPECT_EQ(rt.messageBox("q", kStyleYesNo, "t"), kAnswerNo) << "unscripted Yes/No answers No";
    EXPECT_EQ(rt.messageBox("i", kStyleOkOnly, "t"), kAnswerOk);
    rt.beep();
    rt.scriptDraws({7, 0});
    EXPECT_EQ(static_cast<int>(rt.nextRandom() * 8), 7);
    EXPECT_EQ(static_cast<int>(rt.nextRandom() * 8), 0);
    const double unscripted = rt.nextRandom();
    EXPECT_GE(unscripted, 0.0);
    EXPECT_LT(unscripted, 1.0);
    EXPECT_THROW(rt.scriptRandoms({1.0}), std::invalid_argument);
    EXPECT_THROW(rt.scriptDraws({8}), std::invalid_argument);
    using E = ScriptedRuntime::Event;
    rt.reseed();
    EXPECT_EQ(rt.events, (std::vector<E>{E::Box, E::Box, E::Box, E::Beep, E::Draw, E::Draw, E::Draw, E::Reseed}));
}

} // namespace
} // namespace tessaro
