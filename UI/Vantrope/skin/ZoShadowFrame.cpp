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
    // The rings are filled as four 1-px strips (square corners), which keeps
    // every ring exactly one pixel and one alpha wide; stroked outlines would
    // smear or soften the corners under antialiasing.
    QColor color(13, 67, 119);
    for (int i = 0; i < 5; ++i) {
        color.setAlpha(int((std::sqrt(5.0) - std::sqrt(double(i))) * 50));
        const QRect ring(4 - i, 4 - i, w - 8 + 2 * i, h - 8 + 2 * i);
        if (ring.width() < 2 || ring.height() < 2)
            continue;
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), color);
        painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), color);
        painter.fillRect(QRect(ring.left(), ring.top() + 1, 1, ring.height() - 2), color);
        painter.fillRect(QRect(ring.right(), ring.top() + 1, 1, ring.height() - 2), color);
    }
}
