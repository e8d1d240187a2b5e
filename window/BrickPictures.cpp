#include "BrickPictures.h"

#include <array>

namespace tessaro {
namespace {

// Every brick has this sunken frame; bricks 1 to 7 fill C with their colour,
// the empty tile has no disc and no ring.
//   .  face grey    D  dark grey    L  white    C  the disc colour
constexpr std::array<const char*, kBrickPixels> kPattern{{
    ".DDDDDDDDDDDDDDD.",
    "D...............L",
    "D...............L",
    "D.....DDDDD.....L",
    "D....DCCCCCD....L",
    "D...DCCCCCCCD...L",
    "D..DCCCCCCCCCD..L",
    "D..DCCCCCCCCCD..L",
    "D..DCCCCCCCCCD..L",
    "D..DCCCCCCCCCD..L",
    "D..DCCCCCCCCCD..L",
    "D...DCCCCCCCD...L",
    "D....DCCCCCD....L",
    "D.....DDDDD.....L",
    "D...............L",
    "D...............L",
    ".LLLLLLLLLLLLLLL.",
}};

constexpr QRgb kFace = 0xFFC0C0C0;
constexpr QRgb kDark = 0xFF808080;
constexpr QRgb kLight = 0xFFFFFFFF;

constexpr std::array<QRgb, 8> kDisc{{
    0,          // the empty tile has no disc
    0xFFFF0000, // red
    0xFF0000FF, // blue
    0xFF00BF00, // green
    0xFFFFFF00, // yellow
    0xFF000000, // black
    0xFFFFFFFF, // white
    0xFFFF00FF, // magenta
}};

QImage drawBrick(int brick)
{
    QImage image(kBrickPixels, kBrickPixels, QImage::Format_RGB32);
    for (int y = 0; y < kBrickPixels; ++y) {
        for (int x = 0; x < kBrickPixels; ++x) {
            const bool inDisc = y >= 3 && y <= 13 && x >= 3 && x <= 13;
            QRgb pixel = kFace;
            switch (kPattern[y][x]) {
            case 'D':
                pixel = (inDisc && brick == 0) ? kFace : kDark;
                break;
            case 'L':
                pixel = kLight;
                break;
            case 'C':
                pixel = brick == 0 ? kFace : kDisc[brick];
                break;
            default:
                break;
            }
            image.setPixel(x, y, pixel);
        }
    }
    return image;
}

} // namespace

const QImage& brickPicture(int brick)
{
    static const std::array<QImage, 8> pictures = [] {
        std::array<QImage, 8> all;
        for (int k = 0; k < 8; ++k)
            all[k] = drawBrick(k);
        return all;
    }();
    return pictures[static_cast<std::size_t>(brick & 7)];
}

QString brickName(int brick)
{
    static const std::array<const char*, 8> names{
        {"empty tile", "red", "blue", "green", "yellow", "black", "white", "magenta"}};
    return QString::fromLatin1(names[static_cast<std::size_t>(brick & 7)]);
}

} // namespace tessaro
