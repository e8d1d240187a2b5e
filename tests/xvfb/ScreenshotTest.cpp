// The shipped program draws: start the real Tessaro executable on an X
// server, take a screenshot, and find the palette and the empty board in it
// pixel for pixel. The cropped window is saved for the README.

#include "BrickPictures.h"
#include "Controls.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <optional>

using namespace tessaro;

namespace {

bool showsBrick(const QImage& screen, QPoint at, int brick)
{
    const QImage& picture = brickPicture(brick);
    if (!screen.rect().contains(QRect(at, picture.size())))
        return false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((screen.pixel(at.x() + x, at.y() + y) | 0xFF000000) != (picture.pixel(x, y) | 0xFF000000))
                return false;
    return true;
}

// The top-left corner of the client area: the red palette brick stands at
// 16, 112 in it.
std::optional<QPoint> findClientArea(const QImage& screen)
{
    for (int y = 0; y + 17 <= screen.height(); ++y)
        for (int x = 0; x + 17 <= screen.width(); ++x)
            if (showsBrick(screen, QPoint(x, y), kRed))
                return QPoint(x - 16, y - 112);
    return std::nullopt;
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void theStartedWindowShowsPaletteAndEmptyBoard();
};

void ScreenshotTest::theStartedWindowShowsPaletteAndEmptyBoard()
{
    const QString program = qEnvironmentVariable("TESSARO_EXE");
    QVERIFY2(!program.isEmpty(), "TESSARO_EXE names the program to start");
    QProcess game;
    game.start(program, {});
    QVERIFY2(game.waitForStarted(5000), qPrintable(game.errorString()));

    QImage screen;
    std::optional<QPoint> client;
    for (int attempt = 0; attempt < 150 && !client; ++attempt) {
        QTest::qWait(100);
        screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        client = findClientArea(screen);
    }
    QVERIFY2(client, "the palette never appeared on the screen");
    QCOMPARE(game.state(), QProcess::Running);

    const QPoint origin = *client;
    for (int k = 0; k < 8; ++k)
        QVERIFY2(showsBrick(screen, origin + QPoint(16, 88 + 24 * k), k), qPrintable(QStringLiteral("palette brick %1").arg(k)));
    QVERIFY2(showsBrick(screen, origin + QPoint(16, 16), kEmptyTile), "the selected brick");
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 5; ++c)
            QVERIFY2(showsBrick(screen, origin + QPoint(64 + 24 * c, 56 + 24 * r), kEmptyTile),
                     qPrintable(QStringLiteral("board row %1 cell %2").arg(r).arg(c)));
    for (int p = 0; p < 5; ++p)
        for (int k = 0; k < 8; ++k)
            QVERIFY2(!showsBrick(screen, origin + QPoint(64 + 24 * p, 16), k), "the hidden row is hidden");

    // The menu bar above the client area reaches up to the window's top edge.
    int top = origin.y();
    while (top > 0 && (screen.pixel(origin.x() + 4, top - 1) & 0xFFFFFF) != 0)
        --top;
    const QString shot = qEnvironmentVariable("TESSARO_SCREENSHOT");
    if (!shot.isEmpty())
        QVERIFY(screen.copy(QRect(origin.x(), top, 235, origin.y() - top + 443)).save(shot));

    game.terminate();
    if (!game.waitForFinished(3000))
        game.kill();
}

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
