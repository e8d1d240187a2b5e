#include "AppIcon.h"

#include <QPainter>
#include <QPolygon>

namespace tessaro {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kShadow(128, 128, 128);

// A triangle pointing up with its apex at (apexX, top) and its base on row
// `base`, from `left` to `right`.
QPolygon triangle(int left, int right, int top, int base)
{
    return QPolygon({QPoint((left + right) / 2, top), QPoint(right, base), QPoint(left, base)});
}

void fill(QPainter& painter, const QPolygon& shape, const QColor& colour)
{
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(shape);
}

// 32 x 32: a cyan triangle edged dark olive on the left, black on the right,
// on a black base line, with a black exclamation mark and a grey shadow.
QImage drawLarge()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    fill(painter, triangle(3, 29, 3, 28), kShadow);
    fill(painter, triangle(1, 27, 1, 26), QColor(0, 255, 255));
    painter.setPen(QColor(128, 128, 0));
    painter.drawLine(14, 1, 1, 26);
    painter.setPen(kBlack);
    painter.drawLine(14, 1, 27, 26);
    painter.drawLine(1, 26, 27, 26);
    painter.fillRect(13, 9, 3, 10, kBlack);
    painter.fillRect(13, 21, 3, 3, kBlack);
    return image;
}

// 16 x 16: a yellow triangle with a black tip and black right edge on a black
// base line, a grey shadow, and a small diamond in the middle through which
// the background shows.
QImage drawSmall()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    fill(painter, triangle(2, 15, 2, 15), kShadow);
    fill(painter, triangle(0, 14, 0, 13), QColor(255, 255, 0));
    painter.setPen(kBlack);
    painter.drawLine(7, 0, 14, 13);
    painter.drawLine(0, 13, 14, 13);
    painter.fillRect(6, 0, 3, 2, kBlack);
    painter.end();
    for (const QPoint& p : {QPoint(7, 6), QPoint(6, 7), QPoint(7, 7), QPoint(8, 7), QPoint(7, 8)})
        image.setPixel(p, qRgba(0, 0, 0, 0));
    return image;
}

} // namespace

QImage iconImage(int size)
{
    return size >= 32 ? drawLarge() : drawSmall();
}

QIcon appIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(iconImage(32)));
    icon.addPixmap(QPixmap::fromImage(iconImage(16)));
    return icon;
}

} // namespace tessaro
