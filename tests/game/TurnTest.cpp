// The turn advance: rows come into play from the bottom up and wrap.

#include "GameFixture.h"

#include <limits>

namespace tessaro::testing {
namespace {

TEST_F(StartedGame, RowsComeIntoPlayBottomUpAndWrap)
{
    start({1, 2, 3, 4, 5});
    for (int guess = 1; guess <= 40; ++guess) {
        ASSERT_EQ(form.Tries, guess);
        ASSERT_EQ(form.CurRow, 15 - (guess - 1) % 16) << "guess " << guess;
        submit({0, 0, 0, 0, 0});
        ASSERT_TRUE(invariantsHold(form)) << "after guess " << guess;
    }
}

TEST_F(StartedGame, SixteenRowsLaterRowFifteenIsInPlayAgainAndCleared)
{
    start({1, 2, 3, 4, 5});
    const std::string first = submit({2, 1, 3, 6, 6});
    ASSERT_EQ(first, "1p 2c");
    for (int guess = 2; guess <= 16; ++guess)
        submit({7, 7, 7, 7, 7});
    ASSERT_EQ(form.lblBr[15].caption, "Next") << "the first guess's result has left the board";
    EXPECT_EQ(form.CurRow, 15);
    EXPECT_EQ(form.Tries, 17);
    EXPECT_EQ(form.lblAntal.caption, "17");
    EXPECT_EQ(form.lblBr[15].foreColor, (Rgb{0, 0, 0}));
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(form.Board[c][15], kEmptyTile);
        EXPECT_EQ(form.imgBrix[cellIndex(15, c)].picture, kEmptyTile);
    }
    EXPECT_EQ(form.lblBr[0].caption, "0p 0c") << "the 16th guess is scored in the top row";
    EXPECT_TRUE(invariantsHold(form));
}

TEST_F(StartedGame, TheRowJustLeftTurnsLightRedAndKeepsItsResult)
{
    start({1, 2, 3, 4, 5});
    submit({5, 4, 3, 2, 1});
    EXPECT_EQ(form.lblBr[15].caption, "1p 4c");
    EXPECT_EQ(form.lblBr[15].foreColor, (Rgb{255, 0, 0}));
    EXPECT_EQ(form.CurRow, 14);
    EXPECT_EQ(form.lblBr[14].caption, "Next");
}

TEST_F(StartedGame, TheTurnAdvanceClearsOnlyTheNewRow)
{
    start({1, 2, 3, 4, 5});
    submit({7, 6, 5, 4, 3});
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(form.Board[c][15], 7 - c) << "the scored row stays on the board";
    EXPECT_TRUE(invariantsHold(form));
}

TEST_F(StartedGame, CountingPastTheLargestCountStaysThere)
{
    start();
    form.Tries = std::numeric_limits<std::int32_t>::max() - 1;
    form.ValgFarver();
    EXPECT_EQ(form.Tries, std::numeric_limits<std::int32_t>::max());
    form.ValgFarver();
    EXPECT_EQ(form.Tries, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(form.lblAntal.caption, "2147483647");
}

} // namespace
} // namespace tessaro::testing
