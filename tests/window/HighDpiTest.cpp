// At twice the scale the window is twice as large and every brick pixel is a
// sharp 2 x 2 block. Run with QT_SCALE_FACTOR=2.

#include "BrickPictures.h"
#include "WindowFixture.h"

using namespace tessaro;
using namespace tessaro::testing;

class HighDpiTest : public QObject {
    Q_OBJECT
private slots:
    void windowIsTwiceAsLarge();
    void bricksAreCrisp_data();
    void bricksAreCrisp();
};

void HighDpiTest::windowIsTwiceAsLarge()
{
    ShownWindow shown;
    QCOMPARE(shown.window.devicePixelRatio(), 2.0);
    const QImage client = shown.controls().client->grab().toImage();
    QCOMPARE(client.size(), QSize(470, 886));
}

void HighDpiTest::bricksAreCrisp_data()
{
    QTest::addColumn<int>("brick");
    for (int k = 0; k < 8; ++k)
        QTest::addRow("brick %d", k) << k;
}

void HighDpiTest::bricksAreCrisp()
{
    QFETCH(int, brick);
    ShownWindow shown;
    const QImage twice = shown.controls().ImgBriker[brick]->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage once = brickPicture(brick);
    QCOMPARE(twice.size(), QSize(34, 34));
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 34; ++x)
            QCOMPARE(twice.pixel(x, y) | 0xFF000000, once.pixel(x / 2, y / 2) | 0xFF000000);
}

QTEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"
