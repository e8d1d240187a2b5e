// The player's clicks, without a window.

#include "GameFixture.h"

namespace tessaro::testing {
namespace {

TEST_F(StartedGame, APaletteClickSelectsTheBrickAndBeeps)
{
    start();
    form.cmdOK.enabled = false;
    form.ImgBriker_Click(kGreen);
    EXPECT_EQ(form.SelColor, kGreen);
    EXPECT_EQ(form.imgValgt.picture, kGreen);
    EXPECT_EQ(rt.beeps, 1);
    EXPECT_FALSE(form.cmdOK.enabled) << "the palette leaves O.K. alone";
}

TEST_F(StartedGame, ACellOfTheRowInPlayTakesTheSelectedBrick)
{
    start();
    form.ImgBriker_Click(kGreen);
    form.imgBrix_Click(77); // row 15, cell 2
    EXPECT_EQ(form.Board[2][15], kGreen);
    EXPECT_EQ(form.imgBrix[77].picture, kGreen);
    EXPECT_TRUE(invariantsHold(form));

    form.ImgBriker_Click(kEmptyTile);
    form.imgBrix_Click(77);
    EXPECT_EQ(form.Board[2][15], kEmptyTile) << "the empty tile empties a cell";
    EXPECT_EQ(form.imgBrix[77].picture, kEmptyTile);
    EXPECT_TRUE(invariantsHold(form));
}

TEST_F(StartedGame, ACellOfAnotherRowIsPickedUpSilently)
{
    start({1, 2, 3, 4, 5});
    submit({6, 7, 4, 0, 0}); // row 15 scored; row 14 in play
    const auto board = form.Board;
    const int beeps = rt.beeps;
    ASSERT_FALSE(form.cmdOK.enabled);

    form.imgBrix_Click(cellIndex(15, 1));
    EXPECT_EQ(form.SelColor, kMagenta);
    EXPECT_EQ(form.imgValgt.picture, kMagenta);
    EXPECT_TRUE(form.cmdOK.enabled) << "picking still makes the row submittable";

    form.imgBrix_Click(cellIndex(0, 4)); // a row not yet played holds empty tiles
    EXPECT_EQ(form.SelColor, kEmptyTile);
    EXPECT_EQ(form.Board, board);
    EXPECT_EQ(rt.beeps, beeps);
    EXPECT_TRUE(invariantsHold(form));
}

TEST_F(StartedGame, OKNeedsACellClickAfterTheFirstRow)
{
    start({1, 2, 3, 4, 5});
    EXPECT_TRUE(form.cmdOK.enabled);
    form.cmdOK_Click();
    EXPECT_FALSE(form.cmdOK.enabled);
    form.imgBrix_Click(cellIndex(3, 3)); // any cell, any row
    EXPECT_TRUE(form.cmdOK.enabled);
}

TEST_F(StartedGame, AfterAWinOneCellClickReopensTheRound)
{
    start({5, 6, 7, 1, 2});
    submit({5, 6, 7, 1, 2});
    EXPECT_FALSE(form.cmdOK.enabled);
    EXPECT_TRUE(form.cmdNy.enabled);
    form.imgBrix_Click(0);
    EXPECT_TRUE(form.cmdOK.enabled);
    EXPECT_EQ(form.SelColor, kEmptyTile);
}

TEST_F(StartedGame, NewGameFromTheButtonAndTheMenuDropTheRoundWithoutAQuestion)
{
    start();
    for (auto newGame : {&Form1::cmdNy_Click, &Form1::mnuNytSpil_Click}) {
        submit({1, 1, 1, 1, 1});
        const int reseeds = rt.reseeds;
        (form.*newGame)();
        EXPECT_EQ(rt.reseeds, reseeds + 1);
        EXPECT_EQ(form.Tries, 1);
        EXPECT_EQ(form.CurRow, 15);
        EXPECT_TRUE(rt.boxes.empty());
        EXPECT_TRUE(invariantsHold(form));
    }
}

// The difficulty items: which item, the answer, and what follows.
struct LevelChoice {
    int from;           // Level before the click
    int item;           // the item clicked
    int answer;         // the scripted answer; -1 when no box may appear
    int level;          // Level afterwards
    bool newRound;
};

void PrintTo(const LevelChoice& c, std::ostream* out)
{
    *out << "level " << c.from << " item " << c.item << " answer " << c.answer;
}

class Difficulty : public StartedGame, public ::testing::WithParamInterface<LevelChoice> {};

TEST_P(Difficulty, QuestionCheckMarksAndRound)
{
    const LevelChoice& choice = GetParam();
    start();
    if (choice.from == 1) {
        rt.answerNext({kAnswerYes});
        form.mnuLevel_Click(1);
    }
    submit({1, 2, 3, 4, 5});
    const std::size_t boxes = rt.boxes.size();
    const int reseeds = rt.reseeds;
    if (choice.answer >= 0)
        rt.answerNext({choice.answer});

    form.mnuLevel_Click(choice.item);

    if (choice.answer < 0) {
        EXPECT_EQ(rt.boxes.size(), boxes) << "the checked item asks nothing";
    } else {
        ASSERT_EQ(rt.boxes.size(), boxes + 1);
        const ShownBox& box = rt.boxes.back();
        EXPECT_EQ(box.title, "New Game ?");
        EXPECT_EQ(box.text, "If you chance level, you have to restart.\r\nAre you sure ?");
        EXPECT_EQ(box.style, kStyleYesNo);
    }
    EXPECT_EQ(form.Level, choice.level);
    EXPECT_EQ(form.mnuLevel[choice.level].checked, true);
    EXPECT_EQ(form.mnuLevel[1 - choice.level].checked, false);
    EXPECT_EQ(rt.reseeds, reseeds + (choice.newRound ? 1 : 0));
    EXPECT_EQ(form.Tries, choice.newRound ? 1 : 2);
    EXPECT_TRUE(invariantsHold(form));
}

INSTANTIATE_TEST_SUITE_P(Table, Difficulty,
                         ::testing::Values(LevelChoice{0, 0, -1, 0, false},
                                           LevelChoice{1, 1, -1, 1, false},
                                           LevelChoice{0, 1, kAnswerNo, 0, false},
                                           LevelChoice{0, 1, 0, 0, false},
                                           LevelChoice{0, 1, kAnswerYes, 1, true},
                                           LevelChoice{1, 0, kAnswerYes, 0, true},
                                           LevelChoice{1, 0, kAnswerNo, 1, false}));

TEST_F(StartedGame, AConfirmedChangeDrawsByTheNewDifficulty)
{
    start();
    rt.answerNext({kAnswerYes});
    rt.scriptDraws({2, 2, 2, 2, 2});
    form.mnuLevel_Click(1);
    EXPECT_EQ(secret(), (std::array<int, 5>{2, 2, 2, 2, 2}));

    rt.answerNext({kAnswerYes});
    rt.scriptDraws({2, 2, 2, 3, 3, 4, 5, 6});
    form.mnuLevel_Click(0);
    EXPECT_EQ(secret(), (std::array<int, 5>{2, 3, 4, 5, 6}));
}

struct Explanation {
    const char* caption;
    const char* text;
};

void PrintTo(const Explanation& e, std::ostream* out)
{
    *out << '"' << e.caption << '"';
}

class Explanations : public StartedGame, public ::testing::WithParamInterface<Explanation> {};

TEST_P(Explanations, ReadTheCaptionBack)
{
    start();
    form.lblBr[4].caption = GetParam().caption;
    form.lblBr_Click(4);
    ASSERT_EQ(rt.boxes.size(), 1u);
    EXPECT_EQ(rt.boxes[0].title, std::string("What does it mean : ") + GetParam().caption);
    EXPECT_EQ(rt.boxes[0].text, GetParam().text);
    EXPECT_EQ(rt.boxes[0].style, kStyleOkOnly);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Explanations,
    ::testing::Values(
        Explanation{"2p 1c", "There is 2 correct Placed bricks with the correct color.\r\n"
                             "And of the rest there is 1 correct Colored brick(s) places wrong"},
        Explanation{"Next", "There is 0 correct Placed bricks with the correct color.\r\n"
                            "And of the rest there is 0 correct Colored brick(s) places wrong"},
        Explanation{"0p 0c", "There is 0 correct Placed bricks with the correct color.\r\n"
                             "And of the rest there is 0 correct Colored brick(s) places wrong"},
        Explanation{"5p 0c", "There is 5 correct Placed bricks with the correct color.\r\n"
                             "And of the rest there is 0 correct Colored brick(s) places wrong"}));

TEST_F(StartedGame, TheExplanationReadsTheLabelTheGameWrote)
{
    start({1, 2, 3, 4, 5});
    submit({2, 1, 3, 6, 6});
    form.lblBr_Click(15);
    ASSERT_EQ(rt.boxes.size(), 1u);
    EXPECT_EQ(rt.boxes[0].title, "What does it mean : 1p 2c");
    form.lblBr_Click(14);
    EXPECT_EQ(rt.boxes[1].title, "What does it mean : Next");
}

TEST_F(StartedGame, TheAboutBoxSeparatesItsFourLinesWithACarriageReturnAlone)
{
    start();
    form.mnuAbout_Click();
    ASSERT_EQ(rt.boxes.size(), 1u);
    EXPECT_EQ(rt.boxes[0].title, "About Tessaro");
    EXPECT_EQ(rt.boxes[0].style, kStyleInformation);
    EXPECT_EQ(rt.boxes[0].text, "Tessaro 1.0\rMade by the Tessaro developers\r"
                                "Email : tessaro@example.org\rHomepage : https://tessaro.example.org");
}

TEST(AboutInfo, TheBuiltInContactsComeFromTheBuild)
{
    const AboutInfo about = builtInAboutInfo();
    EXPECT_EQ(about.nameAndVersion.rfind("Tessaro ", 0), 0u);
    EXPECT_FALSE(about.email.empty());
    EXPECT_FALSE(about.homepage.empty());
}

// An index that no control delivers: caught in debug builds, and never a
// write outside the arrays in release builds.
TEST_F(StartedGame, IndicesOutsideTheControlsAreRefused)
{
    start();
    const auto board = form.Board;
    const Byte selected = form.SelColor;
    EXPECT_DEBUG_DEATH(form.ImgBriker_Click(8), "out of range");
    EXPECT_DEBUG_DEATH(form.ImgBriker_Click(-1), "out of range");
    EXPECT_DEBUG_DEATH(form.imgBrix_Click(80), "out of range");
    EXPECT_DEBUG_DEATH(form.lblBr_Click(16), "out of range");
    EXPECT_DEBUG_DEATH(form.mnuLevel_Click(2), "out of range");
    EXPECT_EQ(form.Board, board);
    EXPECT_EQ(form.SelColor, selected);
    EXPECT_TRUE(rt.boxes.empty());
    EXPECT_TRUE(invariantsHold(form));
}

} // namespace
} // namespace tessaro::testing
