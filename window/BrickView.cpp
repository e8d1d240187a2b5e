#include "BrickView.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessaro {

BrickView::BrickView(QWidget* parent, bool clickable) : QWidget(parent), clickable_(clickable) {}

bool BrickView::setPicture(const QImage& picture)
{
    // The pictures are shared, so an unchanged picture costs no repaint.
    if (picture.cacheKey() == picture_.cacheKey())
        return false;
    picture_ = picture;
    update();
    return true;
}

void BrickView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    // No smoothing: on a 2x screen each picture pixel becomes a sharp 2 x 2 block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), picture_.size()), picture_);
}

void BrickView::mousePressEvent(QMouseEvent* event)
{
    pressed_ = clickable_ && event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void BrickView::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release of the left button on the same image.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace tessaro
