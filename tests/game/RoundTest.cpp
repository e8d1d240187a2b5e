// Start-up, new rounds and the drawing of the hidden code.

#include "GameFixture.h"

#include <cmath>
#include <set>

namespace tessaro::testing {
namespace {

const Rgb kBlackText{0, 0, 0};
const Rgb kLightRedText{255, 0, 0};

// What every new round leaves behind, whatever came before it.
void expectFreshRound(const Form1& form)
{
    for (int i = 0; i < kBoardCells; ++i)
        EXPECT_EQ(form.imgBrix[i].picture, kEmptyTile) << "cell " << i;
    for (int p = 0; p < kCodeLength; ++p)
        EXPECT_FALSE(form.imgFind[p].visible) << "position " << p;
    EXPECT_EQ(form.CurRow, 15);
    EXPECT_EQ(form.lblBr[15].caption, "Next");
    EXPECT_EQ(form.lblBr[15].foreColor, kBlackText);
    for (int r = 0; r < 15; ++r) {
        EXPECT_EQ(form.lblBr[r].caption, "0p 0c") << "row " << r;
        EXPECT_EQ(form.lblBr[r].foreColor, kLightRedText) << "row " << r;
    }
    EXPECT_EQ(form.Tries, 1);
    EXPECT_EQ(form.lblAntal.caption, "1");
    EXPECT_FALSE(form.cmdNy.enabled);
    EXPECT_TRUE(form.cmdOK.enabled);
    EXPECT_TRUE(invariantsHold(form));
}

TEST(DesignTime, ControlsHoldTheirDesignValuesBeforeLoad)
{
    ScriptedRuntime rt;
    Form1 form{rt};
    for (const Image& cell : form.imgBrix)
        EXPECT_FALSE(cell.picture.has_value());
    for (const Image& image : form.imgFind) {
        EXPECT_FALSE(image.picture.has_value());
        EXPECT_FALSE(image.visible);
    }
    for (int k = 0; k < kBrickKinds; ++k)
        EXPECT_EQ(form.ImgBriker[k].picture, k);
    EXPECT_EQ(form.imgValgt.picture, kEmptyTile);
    for (const Label& label : form.lblBr) {
        EXPECT_EQ(label.caption, "0p 0c");
        EXPECT_EQ(label.foreColor, kLightRedText);
    }
    EXPECT_EQ(form.lblAntal.caption, "0");
    EXPECT_FALSE(form.lblAntal.fontSize.has_value());
    EXPECT_FALSE(form.cmdNy.enabled);
    EXPECT_TRUE(form.cmdOK.enabled);
    EXPECT_TRUE(form.mnuLevel[0].checked);
    EXPECT_FALSE(form.mnuLevel[1].checked);
    EXPECT_EQ(form.SelColor, 0);
    EXPECT_EQ(form.Tries, 0);
    EXPECT_EQ(form.Level, 0);
    EXPECT_EQ(rt.events.size(), 0u) << "nothing runs before Load";
}

TEST_F(StartedGame, LoadSetsTheFontReseedsAndStartsARound)
{
    start();
    EXPECT_EQ(form.lblAntal.fontSize, 15);
    // Load reseeds, and so does the round it starts.
    EXPECT_EQ(rt.reseeds, 2);
    EXPECT_EQ(rt.beeps, 0);
    EXPECT_TRUE(rt.boxes.empty());
    expectFreshRound(form);
    EXPECT_TRUE(form.mnuLevel[0].checked);
}

TEST_F(StartedGame, NewRoundAfterAPlayedRoundResetsAllButSelectionAndLevel)
{
    start();
    for (int guess = 0; guess < 6; ++guess)
        submit({1, 2, 3, 4, 5});
    ASSERT_EQ(form.Tries, 7);
    form.ImgBriker_Click(kBlack);
    const int reseedsBefore = rt.reseeds;

    form.mnuNytSpil_Click();

    expectFreshRound(form); // 7 + 1 is overwritten: "1", not "8"
    EXPECT_EQ(rt.reseeds, reseedsBefore + 1);
    EXPECT_EQ(form.SelColor, kBlack);
    EXPECT_EQ(form.imgValgt.picture, kBlack);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCellsPerRow; ++c)
            EXPECT_EQ(form.Board[c][r], kEmptyTile);
}

TEST_F(StartedGame, NewRoundAfterAWinHidesTheNewCode)
{
    start({5, 6, 7, 1, 2});
    submit({5, 6, 7, 1, 2});
    ASSERT_TRUE(form.imgFind[0].visible);
    ASSERT_TRUE(form.cmdNy.enabled);

    rt.scriptDraws({3, 0, 4, 6, 7});
    form.cmdNy_Click();

    expectFreshRound(form);
    EXPECT_EQ(secret(), (std::array<int, 5>{3, 0, 4, 6, 7}));
}

TEST_F(StartedGame, EasyRedrawsEveryRepeatAndMayHoldTheEmptyTile)
{
    // Position 1 draws 0 again twice, position 3 draws 2 and 0 before 5.
    start({0, 0, 0, 7, 2, 0, 2, 5, 3});
    EXPECT_EQ(secret(), (std::array<int, 5>{0, 7, 2, 5, 3}));
    EXPECT_EQ(rt.draws, 9);
    EXPECT_TRUE(invariantsHold(form));
}

TEST_F(StartedGame, EasyCodesAlwaysHoldFiveDifferentBricks)
{
    start();
    std::set<int> sawEmptyTileAt;
    for (int round = 0; round < 2000; ++round) {
        form.mnuNytSpil_Click();
        const auto code = secret();
        EXPECT_EQ(std::set<int>(code.begin(), code.end()).size(), 5u);
        for (int p = 0; p < 5; ++p)
            if (code[p] == kEmptyTile)
                sawEmptyTileAt.insert(p);
    }
    EXPECT_EQ(sawEmptyTileAt.size(), 5u) << "the empty tile can stand at every position";
}

TEST_F(StartedGame, HardTakesEveryDrawAsItComes)
{
    start();
    rt.answerNext({kAnswerYes});
    rt.scriptDraws({0, 0, 0, 0, 0});
    form.mnuLevel_Click(1);
    EXPECT_EQ(secret(), (std::array<int, 5>{0, 0, 0, 0, 0}));

    rt.scriptDraws({4, 4, 2, 4, 6});
    form.mnuNytSpil_Click();
    EXPECT_EQ(secret(), (std::array<int, 5>{4, 4, 2, 4, 6}));
    EXPECT_TRUE(invariantsHold(form));
}

TEST_F(StartedGame, TheDrawFollowsTheEasyCheckMarkNotLevel)
{
    start();
    // Check marks and Level disagree in both directions; the mark decides.
    form.mnuLevel[0].checked = false;
    form.mnuLevel[1].checked = true;
    rt.scriptDraws({6, 6, 6, 6, 6});
    form.mnuNytSpil_Click();
    EXPECT_EQ(secret(), (std::array<int, 5>{6, 6, 6, 6, 6}));

    form.Level = 1;
    form.mnuLevel[0].checked = true;
    form.mnuLevel[1].checked = false;
    rt.scriptDraws({6, 6, 1, 1, 2, 3, 4});
    form.mnuNytSpil_Click();
    EXPECT_EQ(secret(), (std::array<int, 5>{6, 1, 2, 3, 4}));
}

TEST_F(StartedGame, DrawsCoverEveryBrickUniformly)
{
    start();
    rt.answerNext({kAnswerYes});
    form.mnuLevel_Click(1);
    std::array<int, 8> counts{};
    const int rounds = 4000;
    for (int round = 0; round < rounds; ++round) {
        form.mnuNytSpil_Click();
        for (int p = 0; p < 5; ++p)
            ++counts[form.Secret[p]];
    }
    const double expected = rounds * 5 / 8.0;
    for (int k = 0; k < 8; ++k)
        EXPECT_NEAR(counts[k], expected, expected * 0.1) << "brick " << k;
}

} // namespace
} // namespace tessaro::testing

namespace tessaro::testing {
namespace {

TEST_F(StartedGame, ANewRoundReseedsBeforeItDraws)
{
    start();
    using E = ScriptedRuntime::Event;
    ASSERT_GE(rt.events.size(), 7u);
    EXPECT_EQ(rt.events[0], E::Reseed) << "Load reseeds";
    EXPECT_EQ(rt.events[1], E::Reseed) << "and so does the round, before its draws";
    for (std::size_t e = 2; e < rt.events.size(); ++e)
        EXPECT_EQ(rt.events[e], E::Draw);

    rt.events.clear();
    form.mnuNytSpil_Click();
    ASSERT_GE(rt.events.size(), 6u);
    EXPECT_EQ(rt.events[0], E::Reseed);
    for (std::size_t e = 1; e < rt.events.size(); ++e)
        EXPECT_EQ(rt.events[e], E::Draw);
}

// A runtime whose random numbers break their promise of [0, 1).
class BrokenRandom : public ScriptedRuntime {
public:
    double nextRandom() override
    {
        static const double values[] = {1.0, std::nan(""), -0.5, 1e300, 0.9999999999, -1e300};
        return values[next_++ % 6];
    }

private:
    int next_ = 0;
};

TEST(Draw, BricksStayInRangeWhateverTheRandomNumbers)
{
    BrokenRandom rt;
    Form1 form{rt};
    form.mnuLevel[0].checked = false; // Hard: every draw is taken as it comes
    form.mnuLevel[1].checked = true;
    form.Level = 1;
    form.Form_Load();
    EXPECT_EQ(form.Secret, (std::array<Byte, 7>{7, 0, 0, 7, 7, 0, 0}));
    EXPECT_TRUE(invariantsHold(form));
}

struct Coordinates {
    int index, row, cell;
};

TEST(BoardCoordinates, IndexRowAndCell)
{
    const Coordinates table[] = {{0, 0, 0}, {4, 0, 4}, {5, 1, 0}, {74, 14, 4}, {75, 15, 0}, {77, 15, 2}, {79, 15, 4}};
    for (const Coordinates& c : table) {
        EXPECT_EQ(rowOf(c.index), c.row) << c.index;
        EXPECT_EQ(cellOf(c.index), c.cell) << c.index;
        EXPECT_EQ(cellIndex(c.row, c.cell), c.index) << c.index;
    }
}

TEST_F(StartedGame, ClicksLandOnTheirRowAndCell)
{
    start({1, 2, 3, 4, 5});
    form.ImgBriker_Click(kYellow);
    form.imgBrix_Click(79);
    EXPECT_EQ(form.Board[4][15], kYellow);
    form.cmdOK_Click();
    form.ImgBriker_Click(kBlue);
    form.imgBrix_Click(74);
    EXPECT_EQ(form.Board[4][14], kBlue);
    form.imgBrix_Click(79); // row 15 is no longer in play: picked up
    EXPECT_EQ(form.SelColor, kYellow);
    EXPECT_TRUE(invariantsHold(form));
}

} // namespace
} // namespace tessaro::testing
