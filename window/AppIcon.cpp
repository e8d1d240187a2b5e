#include "AppIcon.h"

#include <QPainter>
#include <QPolygon>

#include <functional>

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

// What both sizes share: a warning triangle of the given colour pointing up
// in `body`, a grey shadow to its right and below, a black right edge and a
// black base line. `details` adds what the size has of its own.
QImage warningTriangle(int size, const QRect& body, const QColor& colour,
                       const std::function<void(QPainter&, const QPolygon&)>& details)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPolygon shape = triangle(body.left(), body.right(), body.top(), body.bottom());
    fill(painter, shape.translated(2, 2), kShadow);
    fill(painter, shape, colour);
    details(painter, shape);
    painter.setPen(kBlack);
    painter.drawLine(shape[0], shape[1]); // the right edge
    painter.drawLine(shape[2], shape[1]); // the base line
    return image;
}

// 32 x 32: cyan, edged dark olive on the left, with a black exclamation mark.
QImage drawLarge()
{
    return warningTriangle(32, QRect(QPoint(1, 1), QPoint(27, 26)), QColor(0, 255, 255),
                           [](QPainter& painter, const QPolygon& shape) {
                               painter.setPen(QColor(128, 128, 0));
                               painter.drawLine(shape[0], shape[2]);
                               painter.fillRect(13, 9, 3, 10, kBlack);
                               painter.fillRect(13, 21, 3, 3, kBlack);
                           });
}

// 16 x 16: yellow with a black tip, and a small diamond in the middle through
// which the background shows.
QImage drawSmall()
{
    return warningTriangle(16, QRect(QPoint(0, 0), QPoint(14, 13)), QColor(255, 255, 0),
                           [](QPainter& painter, const QPolygon&) {
                               painter.fillRect(6, 0, 3, 2, kBlack);
                               painter.setCompositionMode(QPainter::CompositionMode_Clear);
                               painter.fillRect(7, 6, 1, 3, Qt::transparent);
                               painter.fillRect(6, 7, 3, 1, Qt::transparent);
                               painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
                           });
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
