// Random clicks of every kind through the real widgets, with the window
// checked against the game after each one.

#include "WindowFixture.h"

#include <QMenu>
#include <random>

using namespace tessaro;
using namespace tessaro::testing;

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomClicksKeepTheWindowInStep();
};

void SoakTest::randomClicksKeepTheWindowInStep()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    std::mt19937 random(1211);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::vector<QMessageBox::StandardButton> presses;
    for (int i = 0; i < 4000; ++i)
        presses.push_back(below(2) ? QMessageBox::Yes : QMessageBox::No);
    BoxAnswerer answerer(presses);

    for (int step = 0; step < 2500; ++step) {
        switch (below(9)) {
        case 0:
        case 1:
            click(c.ImgBriker[below(8)]);
            break;
        case 2:
        case 3:
            click(c.imgBrix[below(2) ? cellIndex(shown.form().CurRow, below(5)) : below(80)]);
            break;
        case 4:
            click(c.cmdOK); // does nothing while disabled
            break;
        case 5:
            if (below(10) == 0)
                shown.fillRow(shown.secret());
            else
                click(c.cmdNy);
            break;
        case 6:
            if (below(4) == 0)
                c.mnuNytSpil->trigger();
            else
                c.mnuLevel[below(2)]->trigger();
            break;
        case 7:
            click(c.lblBr[below(16)]);
            break;
        default:
            if (below(10) == 0)
                c.mnuAbout->trigger();
            break;
        }
        const QString wrong = mirrorMismatch(shown.window);
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(wrong)));
    }
    QVERIFY(answerer.seen.size() > 100);
}

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
