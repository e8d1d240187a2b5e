#pragma once

// A text label that reports clicks.

#include <QLabel>
#include <QMouseEvent>

namespace tessaro {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        pressed_ = event->button() == Qt::LeftButton;
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           rect().contains(event->position().toPoint());
        pressed_ = false;
        QLabel::mouseReleaseEvent(event);
        if (click)
            emit clicked();
    }

private:
    bool pressed_ = false;
};

} // namespace tessaro
