#pragma once

// The window's design is measured in twips (1/1440 inch); 15 twips make one
// pixel at 100 % scale, and every position of the design is a whole pixel.

#include <QRect>

namespace tessaro {

constexpr int kTwipsPerPixel = 15;

constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

} // namespace tessaro
