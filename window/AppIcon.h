#pragma once

// The window's icon, a warning triangle, drawn in its two sizes.

#include <QIcon>
#include <QImage>

namespace tessaro {

QImage iconImage(int size); // 32 or 16
QIcon appIcon();

} // namespace tessaro
