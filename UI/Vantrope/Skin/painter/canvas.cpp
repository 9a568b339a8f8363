#include "canvas.h"

namespace SkinPainter {

QImage Canvas::image(QSize size, const QColor &fill) const
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

void begin(QPainter &p, QImage &image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont uiFont(qreal pixelSize, int weight)
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath rounded(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void drawPlus(QPainter &p, const QPointF &c, qreal half, const QColor &ink, qreal width)
{
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - half), QPointF(c.x(), c.y() + half));
}

void drawCross(QPainter &p, const QPointF &c, qreal half, const QColor &ink, qreal width)
{
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - half, c.y() - half), QPointF(c.x() + half, c.y() + half));
    p.drawLine(QPointF(c.x() - half, c.y() + half), QPointF(c.x() + half, c.y() - half));
}

void drawTrash(QPainter &p, const QPointF &o, const QColor &ink)
{
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(o.x(), o.y() + 2.5), QPointF(o.x() + 11, o.y() + 2.5));
    p.drawLine(QPointF(o.x() + 4, o.y() + 0.7), QPointF(o.x() + 7, o.y() + 0.7));
    QPainterPath can;
    can.moveTo(o.x() + 1.5, o.y() + 4);
    can.lineTo(o.x() + 2.3, o.y() + 12.5);
    can.lineTo(o.x() + 8.7, o.y() + 12.5);
    can.lineTo(o.x() + 9.5, o.y() + 4);
    p.drawPath(can);
    p.drawLine(QPointF(o.x() + 4.4, o.y() + 6), QPointF(o.x() + 4.6, o.y() + 10.5));
    p.drawLine(QPointF(o.x() + 6.6, o.y() + 6), QPointF(o.x() + 6.4, o.y() + 10.5));
}

void drawBroom(QPainter &p, const QPointF &o, const QColor &ink)
{
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(o.x() + 12, o.y() + 0.8), QPointF(o.x() + 7.2, o.y() + 5.6));
    QPainterPath head;
    head.moveTo(o.x() + 5.2, o.y() + 4.6);
    head.lineTo(o.x() + 8.4, o.y() + 7.8);
    head.lineTo(o.x() + 5.4, o.y() + 12.6);
    head.lineTo(o.x() + 0.6, o.y() + 7.8);
    head.closeSubpath();
    p.drawPath(head);
    p.drawLine(QPointF(o.x() + 2.9, o.y() + 10.1), QPointF(o.x() + 5.6, o.y() + 7.4));
}

void drawPhoto(QPainter &p, const QRectF &r, const QColor &frame, const QColor &paper,
               const QColor &hill, const QColor &hillBack, const QColor &sun, qreal radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawPath(rounded(r, radius));
    const qreal inset = qMax<qreal>(2.0, r.width() * 0.06);
    const QRectF inner = r.adjusted(inset, inset, -inset, -inset);
    p.setBrush(paper);
    p.drawPath(rounded(inner, qMax<qreal>(1.0, radius - inset / 2)));

    p.save();
    p.setClipPath(rounded(inner, qMax<qreal>(1.0, radius - inset / 2)));
    QPainterPath back;
    back.moveTo(inner.left(), inner.bottom());
    back.lineTo(inner.left() + inner.width() * 0.52, inner.top() + inner.height() * 0.42);
    back.lineTo(inner.left() + inner.width() * 0.78, inner.top() + inner.height() * 0.64);
    back.lineTo(inner.right(), inner.top() + inner.height() * 0.5);
    back.lineTo(inner.right(), inner.bottom());
    back.closeSubpath();
    p.setBrush(hillBack);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(inner.left(), inner.bottom());
    front.lineTo(inner.left(), inner.top() + inner.height() * 0.72);
    front.lineTo(inner.left() + inner.width() * 0.3, inner.top() + inner.height() * 0.5);
    front.lineTo(inner.left() + inner.width() * 0.7, inner.bottom());
    front.closeSubpath();
    p.setBrush(hill);
    p.drawPath(front);
    p.setBrush(sun);
    const qreal s = inner.width() * 0.16;
    p.drawEllipse(QPointF(inner.left() + inner.width() * 0.74, inner.top() + inner.height() * 0.27), s, s);
    p.restore();
}

} // namespace SkinPainter
