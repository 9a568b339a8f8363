// The button images: filled and outlined buttons, the title bars' glyph
// buttons, the tool buttons of the batch table, the drop page's add button
// and the message box's buttons.

#include "drawings.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <functional>

namespace SkinPainter {

using namespace Palette;

namespace {

QColor fillFor(State state)
{
    switch (state) {
    case State::Normal: return blue;
    case State::Hover: return blueHover;
    case State::Pressing: return bluePressed;
    case State::Disable: return disabledFill;
    }
    return blue;
}

// A filled button: rounded rectangle in the state's blue, with a faint top
// highlight so it does not look pasted on.
QImage paintFilledButton(const Canvas &canvas, int w, int h, qreal radius, State state)
{
    QImage image = canvas.image(w, h);
    QPainter p;
    begin(p, image);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    const QColor fill = fillFor(state);
    QLinearGradient g(0, 0, 0, h);
    if (state == State::Pressing) {
        g.setColorAt(0, fill.darker(108));
        g.setColorAt(1, fill);
    } else if (state == State::Disable) {
        g.setColorAt(0, fill);
        g.setColorAt(1, fill);
    } else {
        g.setColorAt(0, fill.lighter(104));
        g.setColorAt(1, fill.darker(103));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(rounded(r, radius));
    if (state != State::Disable && state != State::Pressing) {
        // Hairline along the inside of the top edge.
        p.setPen(QPen(QColor(255, 255, 255, 46), 1));
        p.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
    }
    p.end();
    return image;
}

// An outlined button: white body, blue border; hovering fills it with blue
// (its blue caption turns white then), pressing deepens the fill.
QImage paintOutlinedButton(const Canvas &canvas, int w, int h, qreal radius, State state, const QColor &accent = blue)
{
    QImage image = canvas.image(w, h);
    QPainter p;
    begin(p, image);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    switch (state) {
    case State::Normal:
        p.setPen(QPen(accent, 1));
        p.setBrush(Qt::white);
        break;
    case State::Hover:
        p.setPen(QPen(accent, 1));
        p.setBrush(accent);
        break;
    case State::Pressing:
        p.setPen(QPen(bluePressed, 1));
        p.setBrush(bluePressed);
        break;
    case State::Disable:
        p.setPen(QPen(disabledInk, 1));
        p.setBrush(QColor(0xf4, 0xf5, 0xf7));
        break;
    }
    p.drawPath(rounded(r, radius));
    p.end();
    return image;
}

// Message-box buttons: light blue wash with a blue outline; hover deepens the
// wash. The caption stays blue in both.
QImage paintMessageButton(const Canvas &canvas, int w, int h, bool hover)
{
    QImage image = canvas.image(w, h);
    QPainter p;
    begin(p, image);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    p.setPen(QPen(hover ? blue : QColor(0x9c, 0xc9, 0xfb), 1));
    p.setBrush(hover ? blueTintStrong : QColor(0xf6, 0xfa, 0xff));
    p.drawPath(rounded(r, 4));
    p.end();
    return image;
}

QColor inkFor(State state, const QColor &normal = textGrey)
{
    switch (state) {
    case State::Normal: return normal;
    case State::Hover: return blue;
    case State::Pressing: return bluePressed;
    case State::Disable: return disabledInk;
    }
    return normal;
}

// 18 x 18 window buttons of the main title bar (white background): grey glyph,
// blue on a pale disc while hovered, deeper while pressed.
QImage titleGlyph(const Canvas &canvas, const std::function<void(QPainter &, const QColor &)> &glyph, State state,
                  const QColor &hoverDisc = blueTint)
{
    QImage image = canvas.image(18, 18);
    QPainter p;
    begin(p, image);
    if (state == State::Hover || state == State::Pressing) {
        p.setPen(Qt::NoPen);
        p.setBrush(state == State::Hover ? hoverDisc : blueTintStrong);
        p.drawPath(rounded(QRectF(0, 0, 18, 18), 4));
    }
    glyph(p, inkFor(state, QColor(0x6b, 0x6b, 0x6b)));
    p.end();
    return image;
}

void glyphMenu(QPainter &p, const QColor &ink)
{
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {5.0, 9.0, 13.0})
        p.drawLine(QPointF(4, y), QPointF(14, y));
}

void glyphMinimise(QPainter &p, const QColor &ink)
{
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 9.5), QPointF(14, 9.5));
}

void glyphClose(QPainter &p, const QColor &ink)
{
    drawCross(p, QPointF(9, 9), 4.6, ink, 1.6);
}

// The dialog title bars are blue: a white cross, with a translucent white
// plate behind it while hovered and a darker one while pressed.
QImage paintDialogClose(const Canvas &canvas, State state)
{
    QImage image = canvas.image(18, 18);
    QPainter p;
    begin(p, image);
    if (state == State::Hover || state == State::Pressing) {
        p.setPen(Qt::NoPen);
        p.setBrush(state == State::Hover ? QColor(255, 255, 255, 64) : QColor(0, 40, 90, 70));
        p.drawPath(rounded(QRectF(0, 0, 18, 18), 4));
    }
    drawCross(p, QPointF(9, 9), 4.4, Qt::white, 1.7);
    p.end();
    return image;
}

// Background of the "Home" button of the main title bar: nothing at rest, a
// pale pill while hovered and a deeper one while pressed. The button paints
// the house (homeIcon) and its translated caption on top, and stretches the
// pill's middle when the caption needs more than 90 px.
QImage paintHomeButton(const Canvas &canvas, State state)
{
    QImage image = canvas.image(90, 30);
    if (state == State::Normal)
        return image;
    QPainter p;
    begin(p, image);
    p.setPen(Qt::NoPen);
    p.setBrush(state == State::Hover ? blueTint : blueTintStrong);
    p.drawPath(rounded(QRectF(0.5, 0.5, 89, 29), 14.5));
    p.end();
    return image;
}

// The house of the "Home" button, 14 x 30 (the button's height, so it sits
// where the caption's middle is).
QImage paintHomeIcon(const Canvas &canvas, State state)
{
    QImage image = canvas.image(14, 30);
    QPainter p;
    begin(p, image);
    const QColor ink = state == State::Pressing ? blueDeep : blue;
    const qreal x = 0, y = 8;
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath roof;
    roof.moveTo(x, y + 6);
    roof.lineTo(x + 7, y);
    roof.lineTo(x + 14, y + 6);
    p.drawPath(roof);
    QPainterPath body;
    body.moveTo(x + 2.2, y + 5);
    body.lineTo(x + 2.2, y + 13.5);
    body.lineTo(x + 11.8, y + 13.5);
    body.lineTo(x + 11.8, y + 5);
    p.drawPath(body);
    p.drawLine(QPointF(x + 7, y + 13.5), QPointF(x + 7, y + 9.5));
    p.end();
    return image;
}

// Icons of the batch table's tool bar (Add, Delete, Clear), 16 x 20: the
// button paints its translated caption beside the icon, in the same ink.
QImage toolIcon(const Canvas &canvas, int w, int h,
                const std::function<void(QPainter &, const QPointF &, const QColor &)> &icon,
                State state)
{
    QImage image = canvas.image(w, h);
    QPainter p;
    begin(p, image);
    const QColor ink = state == State::Normal ? blue
                     : state == State::Hover ? bluePressed
                     : state == State::Pressing ? blueDeep
                     : disabledInk;
    icon(p, QPointF(1, (h - 13) / 2.0), ink);
    p.end();
    return image;
}

void iconAdd(QPainter &p, const QPointF &o, const QColor &ink)
{
    p.setPen(QPen(ink, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(o.x() + 0.5, o.y() + 0.5, 12.5, 12.5));
    drawPlus(p, QPointF(o.x() + 6.75, o.y() + 6.75), 3.2, ink, 1.4);
}

void iconDelete(QPainter &p, const QPointF &o, const QColor &ink)
{
    drawTrash(p, QPointF(o.x() + 1, o.y()), ink);
}

void iconClear(QPainter &p, const QPointF &o, const QColor &ink)
{
    drawBroom(p, o, ink);
}

// The "choose a photo" button of the drop page: a disc with a plus.
QImage paintFileAddButton(const Canvas &canvas, State state)
{
    QImage image = canvas.image(80, 80);
    QPainter p;
    begin(p, image);
    const QPointF c(40, 40);
    QColor disc = state == State::Normal ? blue : state == State::Hover ? blueHover : bluePressed;
    if (state == State::Hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x35, 0x98, 0xfe, 40));
        p.drawEllipse(c, 39.5, 39.5);
    }
    QRadialGradient g(QPointF(34, 30), 44);
    g.setColorAt(0, disc.lighter(108));
    g.setColorAt(1, disc.darker(104));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    const qreal r = state == State::Pressing ? 33 : 34;
    p.drawEllipse(c, r, r);
    drawPlus(p, c, 13, Qt::white, 4.2);
    p.end();
    return image;
}

} // namespace

QImage outlinedButton(const Canvas &canvas, QSize size, State state)
{
    return paintOutlinedButton(canvas, size.width(), size.height(), 4, state);
}

// The big buttons (Start, Convert) round their corners a little more.
QImage filledButton(const Canvas &canvas, QSize size, State state)
{
    return paintFilledButton(canvas, size.width(), size.height(), size.height() >= 40 ? 6 : 4, state);
}

QImage homeButton(const Canvas &canvas, QSize, State state)
{
    return paintHomeButton(canvas, state);
}

QImage homeIcon(const Canvas &canvas, QSize, State state)
{
    return paintHomeIcon(canvas, state);
}

QImage menuGlyphButton(const Canvas &canvas, QSize, State state)
{
    return titleGlyph(canvas, glyphMenu, state);
}

QImage minimiseGlyphButton(const Canvas &canvas, QSize, State state)
{
    return titleGlyph(canvas, glyphMinimise, state);
}

QImage closeGlyphButton(const Canvas &canvas, QSize, State state)
{
    return titleGlyph(canvas, glyphClose, state, QColor(0xff, 0xe9, 0xe9));
}

QImage addToolIcon(const Canvas &canvas, QSize size, State state)
{
    return toolIcon(canvas, size.width(), size.height(), iconAdd, state);
}

QImage deleteToolIcon(const Canvas &canvas, QSize size, State state)
{
    return toolIcon(canvas, size.width(), size.height(), iconDelete, state);
}

QImage clearToolIcon(const Canvas &canvas, QSize size, State state)
{
    return toolIcon(canvas, size.width(), size.height(), iconClear, state);
}

QImage fileAddButton(const Canvas &canvas, QSize, State state)
{
    return paintFileAddButton(canvas, state);
}

QImage dialogCloseButton(const Canvas &canvas, QSize, State state)
{
    return paintDialogClose(canvas, state);
}

QImage messageButton(const Canvas &canvas, QSize size, State state)
{
    return paintMessageButton(canvas, size.width(), size.height(), state == State::Hover);
}

} // namespace SkinPainter
