#pragma once

// What every drawing of the skin painter shares: the canvas it paints on, the
// palette and the small shapes. Drawing code works in layout pixels; the
// canvas carries the device pixel ratio, so one drawing paints both the 1x
// and the @2x file.
//
// Palette: the program's blue #3598fe, a lighter blue for hover, a deeper one
// for pressing, and the greys the pages use for text (#484848, #666666,
// #787878) and lines (#dddddd, #eeeeee).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

namespace SkinPainter {

enum class State { Normal, Hover, Pressing, Disable };

// A canvas at one scale (device pixels per layout pixel: 1 or 2).
struct Canvas {
    int scale = 1;

    // An image of size layout pixels, filled, with the canvas's ratio.
    QImage image(QSize size, const QColor &fill = Qt::transparent) const;
    QImage image(int width, int height, const QColor &fill = Qt::transparent) const
    {
        return image(QSize(width, height), fill);
    }
};

// Opens a painter on image with antialiasing for shapes, text and pixmaps.
void begin(QPainter &p, QImage &image);

QFont uiFont(qreal pixelSize, int weight = QFont::Normal);
QPainterPath rounded(const QRectF &r, qreal radius);

namespace Palette {
const QColor blue(0x35, 0x98, 0xfe);
const QColor blueHover(0x5a, 0xad, 0xff);
const QColor bluePressed(0x1f, 0x7c, 0xdc);
const QColor blueDeep(0x16, 0x68, 0xc4);
const QColor blueTint(0xea, 0xf4, 0xff);
const QColor blueTintStrong(0xd6, 0xea, 0xff);
const QColor textDark(0x48, 0x48, 0x48);
const QColor textGrey(0x78, 0x78, 0x78);
const QColor line(0xdd, 0xdd, 0xdd);
const QColor disabledFill(0xd3, 0xd8, 0xde);
const QColor disabledInk(0xb4, 0xba, 0xc1);
} // namespace Palette

// Glyphs, in layout pixels.
void drawPlus(QPainter &p, const QPointF &c, qreal half, const QColor &ink, qreal width);
void drawCross(QPainter &p, const QPointF &c, qreal half, const QColor &ink, qreal width);
// A trash can of about 11 x 13 px with its top-left at o.
void drawTrash(QPainter &p, const QPointF &o, const QColor &ink);
// A broom of about 13 x 13 px with its top-left at o.
void drawBroom(QPainter &p, const QPointF &o, const QColor &ink);
// A photo: rounded frame with a sun and two hills, filling r.
void drawPhoto(QPainter &p, const QRectF &r, const QColor &frame, const QColor &paper, const QColor &hill,
               const QColor &hillBack, const QColor &sun, qreal radius);

} // namespace SkinPainter
