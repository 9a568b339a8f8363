// The pictures: the product mark, the title bars' background, the tip
// dialog's marks, the check boxes, the home view's backdrop and tiles and the
// drop page's zone.

#include "drawings.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace SkinPainter {

using namespace Palette;

namespace {

// The product mark: a blue rounded square holding a white photo with a small
// arrow badge, readable from 16 to 256 px.
QImage paintProductIcon(const Canvas &canvas, int size)
{
    QImage image = canvas.image(size, size);
    QPainter p;
    begin(p, image);
    const qreal s = size;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0, QColor(0x4d, 0xa9, 0xff));
    g.setColorAt(1, QColor(0x1f, 0x7c, 0xe6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(rounded(tile, s * 0.22));

    const QRectF photo(s * 0.2, s * 0.24, s * 0.6, s * 0.5);
    drawPhoto(p, photo, Qt::white, QColor(0xdc, 0xee, 0xff), QColor(0x35, 0x98, 0xfe),
              QColor(0x8c, 0xc6, 0xff), QColor(0xff, 0xc8, 0x3d), s * 0.06);

    // Conversion badge: a white disc with a blue arrow, bottom right.
    const bool small = size < 32;
    const QPointF c(s * (small ? 0.71 : 0.73), s * (small ? 0.71 : 0.73));
    const qreal r = s * (small ? 0.22 : 0.17);
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(0x1f, 0x7c, 0xe6));
    p.drawEllipse(c, r * 0.78, r * 0.78);
    QPen arrow(Qt::white, qMax<qreal>(1.2, s * 0.045), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(arrow);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(c.x() - r * 0.4, c.y()), QPointF(c.x() + r * 0.38, c.y()));
    QPainterPath head;
    head.moveTo(c.x() + r * 0.05, c.y() - r * 0.36);
    head.lineTo(c.x() + r * 0.42, c.y());
    head.lineTo(c.x() + r * 0.05, c.y() + r * 0.36);
    p.drawPath(head);
    p.end();
    return image;
}

QImage paintTitleBackground(const Canvas &canvas, int w, int h)
{
    QImage image = canvas.image(w, h);
    QPainter p;
    begin(p, image);
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(0x2f, 0x8f, 0xf8));
    g.setColorAt(1, QColor(0x3c, 0xa0, 0xff));
    p.fillRect(QRect(0, 0, w, h), g);
    p.end();
    return image;
}

// 38 x 38 status marks of the tip dialog: a question (blue) and a notice that
// something was stopped (amber).
QImage statusMark(const Canvas &canvas, bool question)
{
    QImage image = canvas.image(38, 38);
    QPainter p;
    begin(p, image);
    const QColor base = question ? blue : QColor(0xff, 0xa2, 0x2b);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(base.red(), base.green(), base.blue(), 38));
    p.drawEllipse(QPointF(19, 19), 18.5, 18.5);
    p.setBrush(base);
    p.drawEllipse(QPointF(19, 19), 14.5, 14.5);
    QPen pen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (question) {
        QPainterPath q;
        q.moveTo(15.2, 15.6);
        q.cubicTo(15.2, 11.4, 23.2, 11.2, 23.2, 15.8);
        q.cubicTo(23.2, 18.6, 19.2, 19.0, 19.2, 22.0);
        p.drawPath(q);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(19.2, 26.2), 1.7, 1.7);
    } else {
        p.drawLine(QPointF(19, 11.5), QPointF(19, 21.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(19, 26.2), 1.7, 1.7);
    }
    p.end();
    return image;
}

// ---------------------------------------------------------------- check boxes

QImage checkBox(const Canvas &canvas, int mark) // 0 unchecked, 1 checked, 2 partly checked
{
    QImage image = canvas.image(14, 14);
    QPainter p;
    begin(p, image);
    const QRectF r(0.5, 0.5, 13, 13);
    if (mark == 0) {
        p.setPen(QPen(QColor(0xb8, 0xc0, 0xca), 1));
        p.setBrush(Qt::white);
        p.drawPath(rounded(r, 2.5));
    } else {
        p.setPen(QPen(blue, 1));
        p.setBrush(blue);
        p.drawPath(rounded(r, 2.5));
        QPen pen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        if (mark == 1) {
            QPainterPath tick;
            tick.moveTo(3.4, 7.2);
            tick.lineTo(6.0, 9.8);
            tick.lineTo(10.8, 4.4);
            p.drawPath(tick);
        } else {
            p.drawLine(QPointF(3.8, 7), QPointF(10.2, 7));
        }
    }
    p.end();
    return image;
}

QImage paintHomeBackground(const Canvas &canvas);

// The tiles sit on the home view's backdrop at fixed places (the home view's
// layout margins: 146 px left, 94 px top, 128 px between the tiles). Each tile
// image starts from its piece of the backdrop, so the tile's label can be
// opaque without a box showing around the card.
QImage tileCanvas(const Canvas &canvas, int index)
{
    const QImage backdrop = paintHomeBackground(canvas);
    const QRect piece(index == 0 ? 146 : 146 + 290 + 128, 94, 290, 350);
    QImage tile = backdrop.copy(QRect(piece.topLeft() * canvas.scale, piece.size() * canvas.scale))
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    tile.setDevicePixelRatio(canvas.scale);
    return tile;
}

// A white card with a soft shadow, inside a 290 x 350 tile. hover: blue edge,
// deeper shadow, tinted header.
void drawCard(QPainter &p, bool hover)
{
    const QRectF card(10, 8, 270, 330);
    // Shadow: stacked translucent rounded rectangles, offset down a little,
    // fading outwards.
    for (int i = 8; i >= 1; --i) {
        const int a = hover ? 3 + (8 - i) * 2 : 2 + (8 - i);
        const QColor shadow = hover ? QColor(0x35, 0x98, 0xfe, a) : QColor(0x1c, 0x3d, 0x66, a);
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawPath(rounded(card.adjusted(-i * 0.9, -i * 0.6 + 2, i * 0.9, i * 0.9 + 2), 10 + i));
    }
    p.setBrush(Qt::white);
    p.setPen(QPen(hover ? blue : QColor(0xe3, 0xe8, 0xef), 1));
    p.drawPath(rounded(card, 10));

    // Header wash behind the illustration.
    p.save();
    p.setClipPath(rounded(card.adjusted(1, 1, -1, -1), 9));
    QLinearGradient wash(0, card.top(), 0, card.top() + 150);
    wash.setColorAt(0, hover ? QColor(0xdc, 0xed, 0xff) : QColor(0xf1, 0xf7, 0xff));
    wash.setColorAt(1, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(wash);
    p.drawRect(QRectF(card.left(), card.top(), card.width(), 150));
    p.restore();
}

void drawFormatBadge(QPainter &p, const QRectF &r, const QString &text, const QColor &fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(rounded(r, r.height() / 2));
    p.setPen(Qt::white);
    p.setFont(uiFont(10, QFont::Bold));
    p.drawText(r, Qt::AlignCenter, text);
}

QImage paintSingleTile(const Canvas &canvas, bool hover)
{
    QImage image = tileCanvas(canvas, 0);
    QPainter p;
    begin(p, image);
    drawCard(p, hover);
    // One photo, with the HEIC -> JPG hint underneath.
    const QRectF photo(95, 38, 100, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1c, 0x3d, 0x66, 22));
    p.drawPath(rounded(photo.translated(0, 4), 8));
    drawPhoto(p, photo, Qt::white, QColor(0xe4, 0xf1, 0xff), blue, QColor(0x9f, 0xcf, 0xff),
              QColor(0xff, 0xc3, 0x3a), 8);
    p.setPen(QPen(QColor(0xcf, 0xdc, 0xeb), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(photo, 8));
    drawFormatBadge(p, QRectF(97, 128, 40, 16), QStringLiteral("HEIC"), QColor(0x9a, 0xa6, 0xb4));
    p.setPen(QPen(blue, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(142, 136), QPointF(150, 136));
    QPainterPath head;
    head.moveTo(147, 133);
    head.lineTo(150.5, 136);
    head.lineTo(147, 139);
    p.drawPath(head);
    drawFormatBadge(p, QRectF(155, 128, 38, 16), QStringLiteral("JPG"), blue);
    p.end();
    return image;
}

QImage paintBatchTile(const Canvas &canvas, bool hover)
{
    QImage image = tileCanvas(canvas, 1);
    QPainter p;
    begin(p, image);
    drawCard(p, hover);
    // A fanned stack of three photos and a count badge.
    const QRectF photo(97, 44, 96, 76);
    const QPointF centre = photo.center();
    const qreal angles[3] = {-15, 12, 0};
    const QColor papers[3] = {QColor(0xee, 0xf4, 0xfb), QColor(0xe9, 0xf3, 0xff), QColor(0xe4, 0xf1, 0xff)};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(centre + QPointF(i == 0 ? -22 : i == 1 ? 22 : 0, i == 2 ? 6 : -2));
        p.rotate(angles[i]);
        p.translate(-centre);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1c, 0x3d, 0x66, 20));
        p.drawPath(rounded(photo.translated(0, 3), 8));
        drawPhoto(p, photo, Qt::white, papers[i], i == 2 ? blue : QColor(0x7d, 0xbb, 0xfb),
                  QColor(0xb4, 0xd9, 0xff), QColor(0xff, 0xc3, 0x3a), 8);
        p.setPen(QPen(i == 2 ? QColor(0xcf, 0xdc, 0xeb) : QColor(0xb9, 0xcc, 0xe2), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rounded(photo, 8));
        p.restore();
    }
    // Count badge.
    const QPointF badge(212, 46);
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(QColor(0xff, 0x8a, 0x3d));
    p.drawEllipse(badge, 14, 14);
    p.setPen(Qt::white);
    p.setFont(uiFont(13, QFont::Bold));
    p.drawText(QRectF(badge.x() - 14, badge.y() - 14, 28, 28), Qt::AlignCenter, QStringLiteral("+9"));
    p.end();
    return image;
}

// The home view's backdrop (1000 x 569): white, with soft blue waves along the
// bottom and a faint glow at the top right, all clear of the two tiles' middle.
QImage paintHomeBackground(const Canvas &canvas)
{
    QImage image = canvas.image(1000, 569, Qt::white);
    QPainter p;
    begin(p, image);
    QRadialGradient glow(QPointF(960, -40), 420);
    glow.setColorAt(0, QColor(0xe3, 0xf0, 0xff));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, 1000, 569), glow);
    QRadialGradient glow2(QPointF(30, 600), 380);
    glow2.setColorAt(0, QColor(0xe8, 0xf3, 0xff));
    glow2.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, 1000, 569), glow2);

    auto wave = [&](qreal base, qreal amp, qreal phase, const QColor &c) {
        QPainterPath path;
        path.moveTo(0, 569);
        for (int x = 0; x <= 1000; x += 10)
            path.lineTo(x, base + amp * qSin(x / 1000.0 * 2 * M_PI * 1.2 + phase));
        path.lineTo(1000, 569);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(path);
    };
    wave(520, 14, 0.0, QColor(0x35, 0x98, 0xfe, 14));
    wave(535, 12, 1.8, QColor(0x35, 0x98, 0xfe, 18));
    wave(550, 8, 3.4, QColor(0x35, 0x98, 0xfe, 22));
    p.end();
    return image;
}

// The drop zone of the drop page (670 x 400): a dashed rounded frame on white
// (the labels inside have white backgrounds of their own). "over", for a drag
// that hovers the zone, is the frame in blue with a pale blue glow along the
// inside of its edge, clear of the labels in the middle.
QImage paintDropZone(const Canvas &canvas, bool over)
{
    QImage image = canvas.image(670, 400, Qt::white);
    QPainter p;
    begin(p, image);
    const QRectF r(1.5, 1.5, 667, 397);
    if (over) {
        for (int i = 0; i < 14; ++i) {
            p.setPen(QPen(QColor(0x35, 0x98, 0xfe, 26 - i * 2 > 0 ? 26 - i * 2 : 0), 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(rounded(r.adjusted(i, i, -i, -i), qMax(2, 12 - i / 2)));
        }
    }
    QPen pen(over ? blue : QColor(0xc4, 0xd3, 0xe6), over ? 2 : 1.5, Qt::CustomDashLine, Qt::RoundCap);
    pen.setDashPattern({5, 4});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(r, 12));
    p.end();
    return image;
}

} // namespace

QImage productIcon(const Canvas &canvas, QSize size, State)
{
    return paintProductIcon(canvas, size.width());
}

QImage titleBackground(const Canvas &canvas, QSize size, State)
{
    return paintTitleBackground(canvas, size.width(), size.height());
}

QImage questionMark(const Canvas &canvas, QSize, State)
{
    return statusMark(canvas, true);
}

QImage noticeMark(const Canvas &canvas, QSize, State)
{
    return statusMark(canvas, false);
}

QImage checkBoxClear(const Canvas &canvas, QSize, State)
{
    return checkBox(canvas, 0);
}

QImage checkBoxTicked(const Canvas &canvas, QSize, State)
{
    return checkBox(canvas, 1);
}

QImage checkBoxPartly(const Canvas &canvas, QSize, State)
{
    return checkBox(canvas, 2);
}

QImage singleTile(const Canvas &canvas, QSize, State state)
{
    return paintSingleTile(canvas, state == State::Hover);
}

QImage batchTile(const Canvas &canvas, QSize, State state)
{
    return paintBatchTile(canvas, state == State::Hover);
}

QImage homeBackground(const Canvas &canvas, QSize, State)
{
    return paintHomeBackground(canvas);
}

QImage dropZone(const Canvas &canvas, QSize, State state)
{
    return paintDropZone(canvas, state == State::Hover);
}

} // namespace SkinPainter
