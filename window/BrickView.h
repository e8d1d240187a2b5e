#pragma once

// An image control: shows a 17 x 17 picture unscaled (each picture pixel a
// crisp block on high-density screens), draws no border of its own and
// reports clicks.

#include <QImage>
#include <QWidget>

namespace tessaro {

class BrickView : public QWidget {
    Q_OBJECT
public:
    explicit BrickView(QWidget* parent, bool clickable);

    const QImage& picture() const { return picture_; }
    // A null image shows nothing. Returns whether the picture changed.
    bool setPicture(const QImage& picture);
    bool isClickable() const { return clickable_; }
    // What a mouse click does; for assistive technology.
    void click()
    {
        if (clickable_)
            emit clicked();
    }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool clickable_;
    bool pressed_ = false;
};

} // namespace tessaro
