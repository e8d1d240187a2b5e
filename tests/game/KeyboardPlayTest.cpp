// Keyboard play reaches exactly what the same clicks reach.

#include "GameFixture.h"
#include "KeyboardPlay.h"

namespace tessaro::testing {
namespace {

// One game played by keys, and a twin with the same hidden codes played by
// the clicks those keys stand for.
class KeysAndClicks : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (ScriptedRuntime* rt : {&keyRt, &clickRt})
            rt->scriptDraws({4, 0, 7, 2, 5});
        keyed.Form_Load();
        clicked.Form_Load();
    }

    // Keys: '0'..'9' digits, 'b' Backspace, 'e' Enter, 'n' New Game (menu).
    void type(const std::string& keys)
    {
        for (char key : keys) {
            if (key >= '0' && key <= '9')
                keyboard.digit(key - '0');
            else if (key == 'b')
                keyboard.backspace();
            else if (key == 'e')
                keyboard.enter();
            else if (key == 'n') {
                keyed.mnuNytSpil_Click();
                keyboard.rowRestarted();
            }
        }
    }

    void expectSameState()
    {
        EXPECT_EQ(keyed.Board, clicked.Board);
        EXPECT_EQ(keyed.Secret, clicked.Secret);
        EXPECT_EQ(keyed.SelColor, clicked.SelColor);
        EXPECT_EQ(keyed.CurRow, clicked.CurRow);
        EXPECT_EQ(keyed.Tries, clicked.Tries);
        for (int r = 0; r < kRows; ++r)
            EXPECT_EQ(keyed.lblBr[r].caption, clicked.lblBr[r].caption) << "row " << r;
        for (int i = 0; i < kBoardCells; ++i)
            EXPECT_EQ(keyed.imgBrix[i].picture, clicked.imgBrix[i].picture) << "cell " << i;
        EXPECT_EQ(keyed.cmdOK.enabled, clicked.cmdOK.enabled);
        EXPECT_EQ(keyed.cmdNy.enabled, clicked.cmdNy.enabled);
        for (int p = 0; p < 5; ++p)
            EXPECT_EQ(keyed.imgFind[p].visible, clicked.imgFind[p].visible);
        EXPECT_EQ(keyRt.beeps, clickRt.beeps);
        EXPECT_EQ(keyRt.boxes.size(), clickRt.boxes.size());
        EXPECT_TRUE(invariantsHold(keyed));
    }

    ScriptedRuntime keyRt, clickRt;
    Form1Probe keyed{keyRt}, clicked{clickRt};
    KeyboardPlay keyboard{keyed};
};

// A click for every key: 'p' + brick for the palette, 'c' + cell of the row in play, 'o' O.K.
struct Sequence {
    const char* name;
    std::string keys;
    std::string clicks;
};

void PrintTo(const Sequence& s, std::ostream* out) { *out << s.name; }

class KeySequences : public KeysAndClicks, public ::testing::WithParamInterface<Sequence> {
protected:
    void clickAlong(const std::string& clicks)
    {
        for (std::size_t i = 0; i < clicks.size(); ++i) {
            const char what = clicks[i];
            if (what == 'o') {
                clicked.cmdOK_Click();
            } else if (what == 'n') {
                clicked.mnuNytSpil_Click();
            } else {
                const int number = clicks[++i] - '0';
                if (what == 'p')
                    clicked.ImgBriker_Click(number);
                else
                    clicked.imgBrix_Click(cellIndex(clicked.CurRow, number));
            }
        }
    }
};

TEST_P(KeySequences, ReachTheStateOfTheSameClicks)
{
    type(GetParam().keys);
    clickAlong(GetParam().clicks);
    expectSameState();
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeySequences,
    ::testing::Values(
        Sequence{"one row", "12345e", "p1c0p2c1p3c2p4c3p5c4o"},
        Sequence{"a sixth digit starts again at the left", "123456e", "p1c0p2c1p3c2p4c3p5c4p6c0o"},
        Sequence{"backspace corrects the last brick", "12b3e", "p1c0p2c1p3c1o"},
        Sequence{"backspace at the left goes round", "b7e", "p7c4o"},
        Sequence{"the next row starts at the left", "123e45e", "p1c0p2c1p3c2op4c0p5c1o"},
        Sequence{"enter while O.K. is off does nothing", "1eee2e", "p1c0op2c0o"},
        Sequence{"a whole round to the win", "11111e40725e", "p1c0p1c1p1c2p1c3p1c4op4c0p0c1p7c2p2c3p5c4o"},
        Sequence{"a new round starts the row again", "12n3e", "p1c0p2c1np3c0o"},
        Sequence{"digits 8 and 9 are no bricks", "8912e", "p1c0p2c1o"}));

TEST_F(KeysAndClicks, DigitsOutsideThePaletteDoNothing)
{
    EXPECT_FALSE(keyboard.digit(8));
    EXPECT_FALSE(keyboard.digit(-1));
    EXPECT_EQ(keyRt.beeps, 0);
    EXPECT_EQ(keyboard.nextCell(), 0);
    expectSameState();
}

} // namespace
} // namespace tessaro::testing
