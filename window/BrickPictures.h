#pragma once

// The eight 17 x 17 brick pictures, drawn once from their pixel pattern.

#include <QImage>
#include <QString>

namespace tessaro {

inline constexpr int kBrickPixels = 17;

// The picture of brick 0..7.
const QImage& brickPicture(int brick);

// What a brick is called when read out: "empty tile", "red", ...
QString brickName(int brick);

} // namespace tessaro
