#include "Frame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <qdrawutil.h>

namespace tessaro {

void Frame::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);

    QRect border = rect();
    QRect caption;
    if (!title().isEmpty()) {
        caption = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        border.setTop(caption.center().y());
    }
    qDrawShadeRect(&painter, border, palette(), true, 1, 0);
    if (!caption.isNull()) {
        // The caption sits in a gap of the top edge.
        painter.fillRect(caption.adjusted(-2, 0, 2, 0), palette().window());
        option.subControls = QStyle::SC_GroupBoxLabel;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
}

} // namespace tessaro
