// Scoring a row against the hidden code, and the win.

#include "GameFixture.h"

#include <random>

namespace tessaro::testing {
namespace {

using Code = std::array<int, 5>;

// Scores `guess` against `code` in a fresh round where the code is set by hand.
class Scoring : public StartedGame {
protected:
    std::string score(const Code& code, const Code& guess)
    {
        for (int p = 0; p < 5; ++p)
            form.Secret[p] = static_cast<Byte>(code[p]);
        for (int c = 0; c < 5; ++c)
            form.Board[c][form.CurRow] = static_cast<Byte>(guess[c]);
        form.Tjeck();
        return form.lblBr[form.CurRow].caption;
    }
};

struct WorkedExample {
    Code code;
    Code guess;
    const char* caption;
};

void PrintTo(const WorkedExample& example, std::ostream* out)
{
    auto code = [](const Code& bricks) {
        std::string text;
        for (int brick : bricks)
            text += std::to_string(brick);
        return text;
    };
    *out << code(example.code) << " vs " << code(example.guess);
}

class WorkedExamples : public Scoring, public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExamples, CaptionIsExact)
{
    start();
    const WorkedExample& example = GetParam();
    EXPECT_EQ(score(example.code, example.guess), example.caption);
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedExamples,
                         ::testing::Values(WorkedExample{{1, 2, 3, 4, 5}, {2, 1, 3, 0, 0}, "1p 2c"},
                                           WorkedExample{{1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}, "1p 4c"},
                                           WorkedExample{{1, 2, 3, 4, 5}, {1, 1, 1, 1, 1}, "1p 0c"},
                                           WorkedExample{{3, 3, 1, 1, 2}, {3, 1, 3, 3, 3}, "1p 2c"},
                                           WorkedExample{{4, 4, 4, 2, 2}, {2, 4, 2, 4, 0}, "1p 3c"},
                                           WorkedExample{{0, 4, 0, 6, 2}, {4, 0, 0, 0, 0}, "1p 2c"},
                                           WorkedExample{{6, 0, 3, 7, 1}, {0, 0, 0, 0, 0}, "1p 0c"},
                                           WorkedExample{{7, 1, 7, 1, 7}, {1, 7, 1, 7, 1}, "0p 4c"},
                                           WorkedExample{{5, 6, 7, 1, 2}, {5, 6, 7, 1, 2}, "5p 0c"},
                                           // An untouched row against a code without the empty tile.
                                           WorkedExample{{1, 2, 3, 4, 5}, {0, 0, 0, 0, 0}, "0p 0c"},
                                           WorkedExample{{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, "5p 0c"}));

// The white count is, over the eight bricks, the smaller of the hidden
// positions and the cells that pass 1 left unmatched holding that brick.
TEST_F(Scoring, AgreesWithTheCountingRuleOnRandomRows)
{
    start();
    rt.onBox = nullptr;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> brick(0, 7);
    for (int sample = 0; sample < 20000; ++sample) {
        Code code, guess;
        for (int p = 0; p < 5; ++p) {
            code[p] = brick(random);
            guess[p] = brick(random);
        }
        int black = 0;
        std::array<int, 8> hiddenLeft{}, guessLeft{};
        for (int p = 0; p < 5; ++p) {
            if (code[p] == guess[p]) {
                ++black;
            } else {
                ++hiddenLeft[code[p]];
                ++guessLeft[guess[p]];
            }
        }
        int white = 0;
        for (int k = 0; k < 8; ++k)
            white += std::min(hiddenLeft[k], guessLeft[k]);
        const std::string expected = std::to_string(black) + "p " + std::to_string(white) + "c";
        ASSERT_EQ(score(code, guess), expected) << "sample " << sample;
    }
}

TEST_F(Scoring, OnlyTheRowInPlayIsScored)
{
    start();
    form.lblBr[3].caption = "2p 2c";
    score({1, 2, 3, 4, 5}, {1, 2, 0, 0, 0});
    EXPECT_EQ(form.lblBr[15].caption, "2p 0c");
    EXPECT_EQ(form.lblBr[15].foreColor, (Rgb{0, 0, 0})) << "the colour is the turn advance's";
    EXPECT_EQ(form.lblBr[3].caption, "2p 2c");
    for (int r = 0; r < 15; ++r) {
        if (r != 3) {
            EXPECT_EQ(form.lblBr[r].caption, "0p 0c");
        }
    }
    EXPECT_TRUE(rt.boxes.empty());
    EXPECT_EQ(rt.beeps, 0);
}

// The win runs in a fixed order: reveal, New Game, beep, O.K. off, message.
TEST_F(StartedGame, TheWinRevealsEnablesBeepsDisablesAndReports)
{
    start({5, 6, 7, 1, 2});
    submit({0, 0, 0, 0, 0});
    submit({1, 1, 1, 1, 1});
    fillRow({5, 6, 7, 1, 2});
    const int beepsBefore = rt.beeps;
    const std::size_t eventsBefore = rt.events.size();

    bool beeped = false;
    rt.onBeep = [&] {
        beeped = true;
        for (int p = 0; p < 5; ++p)
            EXPECT_TRUE(form.imgFind[p].visible);
        EXPECT_TRUE(form.cmdNy.enabled);
        EXPECT_TRUE(form.cmdOK.enabled) << "O.K. goes off after the beep";
    };
    bool reported = false;
    rt.onBox = [&](const ShownBox&) {
        reported = true;
        EXPECT_TRUE(beeped);
        EXPECT_FALSE(form.cmdOK.enabled);
        // While the box is open the winning row and count are still in view.
        EXPECT_EQ(form.lblBr[13].caption, "5p 0c");
        EXPECT_EQ(form.lblBr[13].foreColor, (Rgb{0, 0, 0}));
        EXPECT_EQ(form.lblAntal.caption, "3");
        EXPECT_EQ(form.CurRow, 13);
    };
    form.cmdOK_Click();

    ASSERT_TRUE(reported);
    EXPECT_EQ(rt.beeps, beepsBefore + 1);
    ASSERT_EQ(rt.events.size(), eventsBefore + 2);
    EXPECT_EQ(rt.events[eventsBefore], ScriptedRuntime::Event::Beep);
    EXPECT_EQ(rt.events[eventsBefore + 1], ScriptedRuntime::Event::Box);
    const ShownBox& box = rt.boxes.back();
    EXPECT_EQ(box.text, "You guessed right in  3 tries.\r\n");
    EXPECT_EQ(box.title, "Right");
    EXPECT_EQ(box.style, kStyleOkOnly);

    // The round goes on: next row in play, O.K. off, the code still shown.
    EXPECT_EQ(form.Tries, 4);
    EXPECT_EQ(form.CurRow, 12);
    EXPECT_FALSE(form.cmdOK.enabled);
    EXPECT_TRUE(form.cmdNy.enabled);
    for (int p = 0; p < 5; ++p)
        EXPECT_TRUE(form.imgFind[p].visible);
    EXPECT_TRUE(invariantsHold(form));
}

struct WinAt {
    int guess;
    const char* message;
};

void PrintTo(const WinAt& win, std::ostream* out)
{
    *out << "win at guess " << win.guess;
}

class WinCounts : public StartedGame, public ::testing::WithParamInterface<WinAt> {};

TEST_P(WinCounts, TheMessageCountsEveryGuessOfTheRound)
{
    start({3, 0, 6, 2, 4});
    for (int guess = 1; guess < GetParam().guess; ++guess)
        submit({7, 7, 7, 7, 7});
    submit({3, 0, 6, 2, 4});
    ASSERT_EQ(rt.boxes.size(), 1u);
    EXPECT_EQ(rt.boxes[0].text, GetParam().message);
    EXPECT_EQ(form.CurRow, 15 - GetParam().guess % 16);
    EXPECT_TRUE(invariantsHold(form));
}

INSTANTIATE_TEST_SUITE_P(Table, WinCounts,
                         ::testing::Values(WinAt{1, "You guessed right in  1 tries.\r\n"},
                                           WinAt{16, "You guessed right in  16 tries.\r\n"},
                                           WinAt{23, "You guessed right in  23 tries.\r\n"}));

TEST_F(StartedGame, ASecondWinInTheSameRoundIsReportedWithItsCount)
{
    start({3, 0, 6, 2, 4});
    submit({3, 0, 6, 2, 4});
    ASSERT_EQ(rt.boxes.size(), 1u);
    ASSERT_FALSE(form.cmdOK.enabled);
    submit({3, 0, 6, 2, 4});
    ASSERT_EQ(rt.boxes.size(), 2u);
    EXPECT_EQ(rt.boxes[1].text, "You guessed right in  2 tries.\r\n");
    EXPECT_EQ(form.lblBr[15].caption, "5p 0c");
    EXPECT_EQ(form.lblBr[14].caption, "5p 0c");
    EXPECT_TRUE(invariantsHold(form));
}

TEST_F(StartedGame, FiveEmptyTilesAreWonWithAnUntouchedRow)
{
    start();
    rt.answerNext({kAnswerYes});
    rt.scriptDraws({0, 0, 0, 0, 0});
    form.mnuLevel_Click(1);
    form.cmdOK_Click(); // the first row of a round can go without a click
    EXPECT_EQ(form.lblBr[15].caption, "5p 0c");
    ASSERT_EQ(rt.boxes.size(), 2u); // the question, then the win
    EXPECT_EQ(rt.boxes[1].title, "Right");
    EXPECT_TRUE(form.imgFind[0].visible);
}

} // namespace
} // namespace tessaro::testing
