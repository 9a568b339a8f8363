#include "ZoShadowFrame.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#ifdef VANTROPE_HAVE_X11EXTRAS
#include <QX11Info>
#endif

#include <cmath>

bool ZoShadowFrame::translucentWindowsAvailable()
{
#ifdef VANTROPE_HAVE_X11EXTRAS
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return QX11Info::isCompositingManagerRunning();
#endif
    return true;
}

void ZoShadowFrame::paintFrame(QWidget *widget) const
{
    paintFrame(widget, translucentWindowsAvailable() ? Shadow : Plain);
}

void ZoShadowFrame::paintFrame(QWidget *widget, Style style) const
{
    if (!widget)
        return;
    const int w = widget->width();
    const int h = widget->height();

    if (style == Plain) {
        // The colour the innermost ring shows on white, opaque.
        const QColor border(150, 173, 196);
        QPainter painter(widget);
        painter.fillRect(QRect(0, 0, w, h), Qt::white);
        if (w < 2 || h < 2)
            return;
        painter.fillRect(QRect(0, 0, w, 1), border);
        painter.fillRect(QRect(0, h - 1, w, 1), border);
        painter.fillRect(QRect(0, 1, 1, h - 2), border);
        painter.fillRect(QRect(w - 1, 1, 1, h - 2), border);
        return;
    }

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
