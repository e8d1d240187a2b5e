#include "WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tessaro {

QRect WrapButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

int WrapButton::captionFlags() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this);
    return Qt::AlignCenter | Qt::TextWordWrap | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(captionRect(), captionFlags(), option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace tessaro
