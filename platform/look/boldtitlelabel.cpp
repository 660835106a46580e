#include "look/boldtitlelabel.h"

#include "look/designfonts.h"

#include <QPainter>
#include <QStyle>

void BoldTitleLabel::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    const qreal shortfall = boldStrokeShortfall(font(), ratio) / ratio;
    if (shortfall <= 0) {
        QLabel::paintEvent(event);
        return;
    }
    // As a label draws plain text; its background is already filled.
    QPainter painter(this);
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()))
        | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    for (const QPointF offset : { QPointF(0, 0), QPointF(shortfall, 0), QPointF(0, shortfall),
                                  QPointF(shortfall, shortfall) }) {
        painter.setTransform(QTransform::fromTranslate(offset.x(), offset.y()));
        style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                              foregroundRole());
    }
}
