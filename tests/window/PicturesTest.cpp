// The brick pictures, pixel for pixel, as the window shows them; and the icon.

#include "AppIcon.h"
#include "WindowFixture.h"

#include <array>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

// The design of every brick: . face grey, D dark grey, L white, C disc colour.
const std::array<const char*, 17> kDesign{{
    ".DDDDDDDDDDDDDDD.", "D...............L", "D...............L", "D.....DDDDD.....L",
    "D....DCCCCCD....L", "D...DCCCCCCCD...L", "D..DCCCCCCCCCD..L", "D..DCCCCCCCCCD..L",
    "D..DCCCCCCCCCD..L", "D..DCCCCCCCCCD..L", "D..DCCCCCCCCCD..L", "D...DCCCCCCCD...L",
    "D....DCCCCCD....L", "D.....DDDDD.....L", "D...............L", "D...............L",
    ".LLLLLLLLLLLLLLL.",
}};

const std::array<QRgb, 8> kDiscColour{{0, qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 191, 0),
                                       qRgb(255, 255, 0), qRgb(0, 0, 0), qRgb(255, 255, 255),
                                       qRgb(255, 0, 255)}};

QRgb expectedPixel(int brick, int x, int y)
{
    const bool disc = x >= 3 && x <= 13 && y >= 3 && y <= 13;
    switch (kDesign[y][x]) {
    case 'D':
        return brick == 0 && disc ? qRgb(192, 192, 192) : qRgb(128, 128, 128);
    case 'L':
        return qRgb(255, 255, 255);
    case 'C':
        return brick == 0 ? qRgb(192, 192, 192) : kDiscColour[brick];
    default:
        return qRgb(192, 192, 192);
    }
}

// Empty when the grabbed image shows brick `brick` exactly, else where it does not.
QString mismatch(const QImage& shown, int brick)
{
    if (shown.size() != QSize(17, 17))
        return QStringLiteral("size %1 x %2").arg(shown.width()).arg(shown.height());
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x)
            if ((shown.pixel(x, y) | 0xFF000000) != expectedPixel(brick, x, y))
                return QStringLiteral("pixel %1, %2 is %3").arg(x).arg(y).arg(shown.pixel(x, y), 8, 16);
    return {};
}

QImage grabbed(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void palette_data();
    void palette();
    void placedBrickShowsThePalettePicture();
    void emptyTileAndWhiteDiffer();
    void icon_data();
    void icon();
};

void PicturesTest::palette_data()
{
    QTest::addColumn<int>("brick");
    for (int k = 0; k < 8; ++k)
        QTest::addRow("brick %d", k) << k;
}

void PicturesTest::palette()
{
    QFETCH(int, brick);
    ShownWindow shown;
    const QString wrong = mismatch(grabbed(shown.controls().ImgBriker[brick]), brick);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void PicturesTest::placedBrickShowsThePalettePicture()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    QVERIFY(mismatch(grabbed(c.imgBrix[77]), kEmptyTile).isEmpty());
    click(c.ImgBriker[kGreen]);
    click(c.imgBrix[77]);
    QString wrong = mismatch(grabbed(c.imgBrix[77]), kGreen);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    wrong = mismatch(grabbed(c.imgValgt), kGreen);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    // The same picture, shared with the palette.
    QCOMPARE(c.imgBrix[77]->picture().cacheKey(), c.ImgBriker[kGreen]->picture().cacheKey());
}

void PicturesTest::emptyTileAndWhiteDiffer()
{
    ShownWindow shown;
    const QImage empty = grabbed(shown.controls().ImgBriker[kEmptyTile]);
    const QImage white = grabbed(shown.controls().ImgBriker[kWhite]);
    QCOMPARE(empty.pixel(8, 3), qRgb(192, 192, 192));
    QCOMPARE(white.pixel(8, 3), qRgb(128, 128, 128));
    QCOMPARE(white.pixel(8, 8), qRgb(255, 255, 255));
}

void PicturesTest::icon_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QRgb>("triangle");
    QTest::newRow("32") << 32 << qRgb(0, 255, 255);
    QTest::newRow("16") << 16 << qRgb(255, 255, 0);
}

void PicturesTest::icon()
{
    QFETCH(int, size);
    QFETCH(QRgb, triangle);
    const QImage image = iconImage(size);
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    int transparent = 0, body = 0, black = 0, shadow = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                ++transparent;
            else if ((pixel | 0xFF000000) == triangle)
                ++body;
            else if ((pixel | 0xFF000000) == qRgb(0, 0, 0))
                ++black;
            else if ((pixel | 0xFF000000) == qRgb(128, 128, 128))
                ++shadow;
        }
    }
    QVERIFY2(transparent > size * size / 4, "the corners around the triangle are transparent");
    QVERIFY2(body > size * size / 6, "the triangle has its colour");
    QVERIFY(black > 0);
    QVERIFY(shadow > 0);
    // The base line is black and the top corners are see-through.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
    QCOMPARE(image.pixel(size / 2, size == 32 ? 26 : 13) | 0xFF000000, qRgb(0, 0, 0));
    // Along a row through the middle: shadow grey right of the black right
    // edge, and see-through beyond; below the base line, the shadow.
    const int row = size / 2;
    int right = size - 1;
    while (right > 0 && qAlpha(image.pixel(right, row)) == 0)
        --right;
    QCOMPARE(image.pixel(right, row) | 0xFF000000, qRgb(128, 128, 128));
    int edge = right;
    while (edge > 0 && (image.pixel(edge, row) | 0xFF000000) == qRgb(128, 128, 128))
        --edge;
    QCOMPARE(image.pixel(edge, row) | 0xFF000000, qRgb(0, 0, 0));
    const int base = size == 32 ? 26 : 13;
    QCOMPARE(image.pixel(size / 2, base + 1) | 0xFF000000, qRgb(128, 128, 128));
    if (size == 32) {
        QCOMPARE(image.pixel(14, 12) | 0xFF000000, qRgb(0, 0, 0)); // the exclamation mark
        int left = 0;
        while (qAlpha(image.pixel(left, row)) == 0)
            ++left;
        QCOMPARE(image.pixel(left, row) | 0xFF000000, qRgb(128, 128, 0)); // the dark olive left edge
    } else {
        QCOMPARE(image.pixel(7, 0) | 0xFF000000, qRgb(0, 0, 0)); // the black tip
        QCOMPARE(qAlpha(image.pixel(7, 7)), 0); // the diamond shows what lies behind the icon
    }
}

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
