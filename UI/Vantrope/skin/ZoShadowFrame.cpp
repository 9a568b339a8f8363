#include "ZoShadowFrame.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <cmath>

void ZoShadowFrame::paintFrame(QWidget *widget) const
{
    if (!widget)
        return;
    const int w = widget->width();
    const int h = widget->height();

    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRoundedRect(QRectF(5, 5, w - 10, h - 10), 0, 0);

    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(body, QBrush(Qt::white));

    // Each ring is one pixel wide and sits in its own pixel row of the 5 px
    // margin: ring 0 touches the body, ring 4 is the window's outermost row.
    // The outlines run through pixel centres so antialiasing keeps them crisp
    // instead of smearing each ring over two rows.
    QColor color(13, 67, 119);
    for (int i = 0; i < 5; ++i) {
        QPainterPath ring;
        ring.setFillRule(Qt::WindingFill);
        ring.addRoundedRect(QRectF(4.5 - i, 4.5 - i, w - 9 + 2 * i, h - 9 + 2 * i), 0, 0);
        color.setAlpha(int((std::sqrt(5.0) - std::sqrt(double(i))) * 50));
        painter.setPen(QPen(color, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ring);
    }
}
