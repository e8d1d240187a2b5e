// A long run of random clicks, of every kind a player can make, with every
// rule of the game state checked after each one.

#include "GameFixture.h"

#include <random>

namespace tessaro::testing {
namespace {

TEST_F(StartedGame, HundredThousandRandomClicksKeepEveryRule)
{
    start();
    std::mt19937 random(20261211);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int submittedThisRound = 0;
    int wins = 0;
    bool wonThisRound = false;

    for (int step = 0; step < 100000; ++step) {
        const std::size_t boxesBefore = rt.boxes.size();
        bool newRound = false;
        switch (below(10)) {
        case 0:
        case 1:
            form.ImgBriker_Click(below(8));
            break;
        case 2:
        case 3:
        case 4:
            // Mostly the row in play, sometimes anywhere.
            form.imgBrix_Click(below(3) ? cellIndex(form.CurRow, below(5)) : below(80));
            break;
        case 5:
            if (form.cmdOK.enabled) { // a disabled button takes no click
                form.cmdOK_Click();
                ++submittedThisRound;
            }
            break;
        case 6:
            if (form.cmdNy.enabled) {
                form.cmdNy_Click();
                newRound = true;
            }
            break;
        case 7: {
            const int answers[] = {kAnswerYes, kAnswerNo, 0};
            const Byte level = form.Level;
            const int item = below(2);
            if (item != level) // only then does the question come
                rt.answerNext({answers[below(3)]});
            form.mnuLevel_Click(item);
            newRound = form.Level != level;
            break;
        }
        case 8:
            if (below(50) == 0) {
                // The player who knows the code: a win, or another one.
                fillRow(secret());
            } else if (below(20) == 0) {
                form.mnuNytSpil_Click();
                newRound = true;
            } else {
                form.lblBr_Click(below(16));
            }
            break;
        default:
            form.mnuAbout_Click();
            break;
        }
        for (std::size_t b = boxesBefore; b < rt.boxes.size(); ++b)
            if (rt.boxes[b].title == "Right") {
                wonThisRound = true;
                ++wins;
            }
        if (newRound) {
            submittedThisRound = 0;
            wonThisRound = false;
        }

        ASSERT_TRUE(invariantsHold(form)) << "after step " << step;
        ASSERT_EQ(form.Tries, submittedThisRound + 1) << "after step " << step;
        ASSERT_EQ(form.cmdNy.enabled, wonThisRound) << "after step " << step;
        for (int p = 0; p < 5; ++p)
            ASSERT_EQ(form.imgFind[p].visible, wonThisRound) << "after step " << step;
        if (rt.boxes.size() > 1000) {
            rt.boxes.clear();
            rt.events.clear();
        }
    }
    EXPECT_GT(wins, 50) << "the run reaches the win often enough to test what follows it";
}

} // namespace
} // namespace tessaro::testing
