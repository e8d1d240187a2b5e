// The player's actions through the real widgets: mouse clicks on the
// palette, the board, the buttons and the labels, menu items, and the boxes.

#include "ClickLabel.h"
#include "WindowFixture.h"
#include "WrapButton.h"

#include <QLabel>
#include <QMenu>
#include <set>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

const QColor kBlackText(0, 0, 0);

// A brick that the (Easy, all different) hidden code does not hold.
int brickNotIn(const std::array<int, 5>& code, int skip = 0)
{
    for (int k = 0; k < 8; ++k)
        if (std::find(code.begin(), code.end(), k) == code.end() && skip-- == 0)
            return k;
    return -1;
}

} // namespace

class ActionsTest : public QObject {
    Q_OBJECT
private slots:
    void paletteSelects();
    void placingAndEmptying();
    void pickingFromAnotherRow();
    void anyCellClickEnablesOK();
    void winShowsEverythingBeforeTheBoxAndGoesOn();
    void newGameButtonAfterAWin();
    void difficulty_data();
    void difficulty();
    void explanation();
    void about();
};

void ActionsTest::paletteSelects()
{
    ShownWindow shown;
    click(shown.controls().ImgBriker[kYellow]);
    QCOMPARE(shown.form().SelColor, kYellow);
    QCOMPARE(shown.controls().imgValgt->picture().cacheKey(),
             shown.controls().ImgBriker[kYellow]->picture().cacheKey());
}

void ActionsTest::placingAndEmptying()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    click(c.ImgBriker[kBlue]);
    click(c.imgBrix[75]);
    QCOMPARE(shown.form().Board[0][15], kBlue);
    QCOMPARE(c.imgBrix[75]->picture().cacheKey(), c.ImgBriker[kBlue]->picture().cacheKey());
    click(c.ImgBriker[kEmptyTile]);
    click(c.imgBrix[75]);
    QCOMPARE(shown.form().Board[0][15], kEmptyTile);
    QCOMPARE(c.imgBrix[75]->picture().cacheKey(), c.ImgBriker[kEmptyTile]->picture().cacheKey());
}

void ActionsTest::pickingFromAnotherRow()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    shown.fillRow({kMagenta, kMagenta, kMagenta, kMagenta, kMagenta});
    BoxAnswerer answerer; // in case the row wins
    click(c.cmdOK);
    click(c.ImgBriker[kRed]);
    const auto board = shown.form().Board;

    click(c.imgBrix[cellIndex(15, 3)]);
    QCOMPARE(shown.form().SelColor, kMagenta);
    QCOMPARE(c.imgValgt->picture().cacheKey(), c.ImgBriker[kMagenta]->picture().cacheKey());
    click(c.imgBrix[cellIndex(2, 0)]);
    QCOMPARE(shown.form().SelColor, kEmptyTile);
    QVERIFY(shown.form().Board == board);
}

void ActionsTest::anyCellClickEnablesOK()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    BoxAnswerer answerer;
    QVERIFY(c.cmdOK->isEnabled());
    click(c.cmdOK); // the first row goes without touching the board
    QCOMPARE(shown.form().Tries, 2);
    QVERIFY(!c.cmdOK->isEnabled());
    click(c.cmdOK); // a disabled button takes no click
    QCOMPARE(shown.form().Tries, 2);
    click(c.imgBrix[0]);
    QVERIFY(c.cmdOK->isEnabled());
}

void ActionsTest::winShowsEverythingBeforeTheBoxAndGoesOn()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    const auto code = shown.secret();
    BoxAnswerer answerer;
    bool sawWindow = false;
    answerer.onOpen = [&] {
        sawWindow = true;
        for (BrickView* hidden : c.imgFind)
            QVERIFY(hidden->isVisible());
        QCOMPARE(c.lblBr[15]->text(), QStringLiteral("5p 0c"));
        QCOMPARE(c.lblBr[15]->palette().color(QPalette::WindowText), kBlackText);
        QCOMPARE(c.lblAntal->text(), QStringLiteral("1"));
        QVERIFY(c.cmdNy->isEnabled());
        QVERIFY(!c.cmdOK->isEnabled());
    };
    shown.fillRow(code);
    click(c.cmdOK);

    QVERIFY(sawWindow);
    QCOMPARE(answerer.seen.size(), std::size_t(1));
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Right"));
    QCOMPARE(answerer.seen[0].text, QStringLiteral("You guessed right in  1 tries.\n"));
    QCOMPARE(answerer.seen[0].buttons, QStringList{"OK"});
    QCOMPARE(answerer.seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(c.lblAntal->text(), QStringLiteral("2"));
    QCOMPARE(c.lblBr[14]->text(), QStringLiteral("Next"));
    QVERIFY(!c.cmdOK->isEnabled());

    // A second win in the same round.
    answerer.onOpen = nullptr;
    shown.fillRow(code);
    QVERIFY(c.cmdOK->isEnabled());
    click(c.cmdOK);
    QCOMPARE(answerer.seen.size(), std::size_t(2));
    QCOMPARE(answerer.seen[1].text, QStringLiteral("You guessed right in  2 tries.\n"));
}

void ActionsTest::newGameButtonAfterAWin()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    BoxAnswerer answerer;
    shown.fillRow(shown.secret());
    click(c.cmdOK);
    QVERIFY(c.cmdNy->isEnabled());
    click(c.cmdNy);
    QCOMPARE(answerer.seen.size(), std::size_t(1)); // New Game asks nothing
    QVERIFY(!c.cmdNy->isEnabled());
    QVERIFY(c.cmdOK->isEnabled());
    QCOMPARE(c.lblAntal->text(), QStringLiteral("1"));
    QCOMPARE(c.lblBr[15]->text(), QStringLiteral("Next"));
    for (BrickView* hidden : c.imgFind)
        QVERIFY(!hidden->isVisible());
}

void ActionsTest::difficulty_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("press"); // 0: no box may open
    QTest::addColumn<int>("level");
    QTest::newRow("Easy again") << 0 << 0 << 0;
    QTest::newRow("Hard, No") << 1 << int(QMessageBox::No) << 0;
    QTest::newRow("Hard, Yes") << 1 << int(QMessageBox::Yes) << 1;
}

void ActionsTest::difficulty()
{
    QFETCH(int, item);
    QFETCH(int, press);
    QFETCH(int, level);
    ShownWindow shown;
    const auto& c = shown.controls();
    BoxAnswerer answerer(press ? std::vector{QMessageBox::StandardButton(press)}
                               : std::vector<QMessageBox::StandardButton>{});
    click(c.cmdOK);
    QCOMPARE(shown.form().Tries, 2);
    answerer.seen.clear();
    // While the question is open the marks stay where they were.
    answerer.onOpen = [&] {
        QVERIFY(c.mnuLevel[0]->isChecked());
        QVERIFY(!c.mnuLevel[1]->isChecked());
        QCOMPARE(c.lblAntal->text(), QStringLiteral("2"));
    };

    c.mnuLevel[item]->trigger();

    if (press == 0) {
        QVERIFY(answerer.seen.empty());
    } else {
        QCOMPARE(answerer.seen.size(), std::size_t(1));
        QCOMPARE(answerer.seen[0].title, QStringLiteral("New Game ?"));
        QCOMPARE(answerer.seen[0].text,
                 QStringLiteral("If you chance level, you have to restart.\nAre you sure ?"));
        QCOMPARE(answerer.seen[0].buttons, (QStringList{"Yes", "No"}));
    }
    QCOMPARE(int(shown.form().Level), level);
    QCOMPARE(c.mnuLevel[level]->isChecked(), true);
    QCOMPARE(c.mnuLevel[1 - level]->isChecked(), false);
    const bool newRound = press == int(QMessageBox::Yes);
    QCOMPARE(c.lblAntal->text(), newRound ? QStringLiteral("1") : QStringLiteral("2"));
}

void ActionsTest::explanation()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    const auto code = shown.secret();
    // Two in place, the third hidden brick in a wrong place, two foreign bricks.
    shown.fillRow({code[0], code[1], brickNotIn(code), code[2], brickNotIn(code, 1)});
    BoxAnswerer answerer;
    click(c.cmdOK);
    QCOMPARE(c.lblBr[15]->text(), QStringLiteral("2p 1c"));

    click(c.lblBr[15]);
    click(c.lblBr[14]);
    click(c.lblBr[0]);
    QCOMPARE(answerer.seen.size(), std::size_t(3));
    const char* captions[] = {"2p 1c", "Next", "0p 0c"};
    const int numbers[][2] = {{2, 1}, {0, 0}, {0, 0}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(answerer.seen[i].title, QStringLiteral("What does it mean : ") + captions[i]);
        QCOMPARE(answerer.seen[i].text,
                 QStringLiteral("There is %1 correct Placed bricks with the correct color.\n"
                                "And of the rest there is %2 correct Colored brick(s) places wrong")
                     .arg(numbers[i][0])
                     .arg(numbers[i][1]));
        QCOMPARE(answerer.seen[i].buttons, QStringList{"OK"});
    }
}

void ActionsTest::about()
{
    ShownWindow shown;
    BoxAnswerer answerer;
    shown.controls().mnuAbout->trigger();
    QCOMPARE(answerer.seen.size(), std::size_t(1));
    QCOMPARE(answerer.seen[0].title, QStringLiteral("About Tessaro"));
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Information);
    const QStringList lines = answerer.seen[0].text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith(QStringLiteral("Tessaro ")));
    QCOMPARE(lines[1], QStringLiteral("Made by the Tessaro developers"));
    QVERIFY(lines[2].startsWith(QStringLiteral("Email : ")));
    QVERIFY(lines[3].startsWith(QStringLiteral("Homepage : ")));
}

QTEST_MAIN(ActionsTest)
#include "ActionsTest.moc"
