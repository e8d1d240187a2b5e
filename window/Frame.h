#pragma once

// A frame around a group of controls, with or without a caption: a classic
// etched border, the caption set into its top edge. Drawn with plain lines,
// so even the tall board frame costs next to nothing to paint.

#include <QGroupBox>

namespace tessaro {

class Frame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessaro
