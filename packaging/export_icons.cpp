// Writes the window's icon, drawn in code, as PNG files for the desktop's
// icon theme:  export_icons SIZE FILE [SIZE FILE ...]
// The icon comes in 16 and 32 pixels only; any other size is refused, and so
// is a picture that does not come out at the size asked for.

#include "AppIcon.h"

#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s SIZE FILE [SIZE FILE ...]\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; i += 2) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || (size != 16 && size != 32)) {
            std::fprintf(stderr, "%s: the icon is drawn at 16 or 32 pixels, not '%s'\n", argv[0], argv[i]);
            return 2;
        }
        const QImage image = tessaro::iconImage(size);
        if (image.width() != size || image.height() != size || !image.hasAlphaChannel()) {
            std::fprintf(stderr, "%s: the %d-pixel icon came out %dx%d%s\n", argv[0], size, image.width(),
                         image.height(), image.hasAlphaChannel() ? "" : " without transparency");
            return 1;
        }
        if (!image.save(QString::fromLocal8Bit(argv[i + 1]), "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
