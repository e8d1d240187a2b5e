#pragma once

// A push button whose caption wraps onto more lines when it is wider than
// the button, as a classic push button's does, instead of being clipped.

#include <QPushButton>

namespace tessaro {

class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The rectangle the caption is laid out in.
    QRect captionRect() const;
    // The flags the caption is drawn with.
    int captionFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessaro
