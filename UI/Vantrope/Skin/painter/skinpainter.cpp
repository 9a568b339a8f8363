// Paints every image of the program's look: the skin folder delivered beside
// the executable and the compiled-in resources. The look lives here, in code;
// the build runs this tool and nothing it writes is kept in the repository.
//
//   vantrope-skinpainter --skin <folder>        writes <folder>/Button/... etc.
//   vantrope-skinpainter --resources <folder>   writes <folder>/Vantrope/Resources/...
//                                               and <folder>/ZoRSC/logo.png
//
// Every image is painted twice from the same vector drawing: "name.png" at its
// layout size and "name@2x.png" at twice the pixels, for screens scaled 200 %
// (the toolkit picks the @2x file there). Drawing code works in layout pixels;
// the canvas carries the device pixel ratio.
//
// Palette: the program's blue #3598fe, a lighter blue for hover, a deeper one
// for pressing, and the greys the pages use for text (#484848, #666666,
// #787878) and lines (#dddddd, #eeeeee).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

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

enum class State { Normal, Hover, Pressing, Disable };

QString g_failed;
// Device pixels per layout pixel of the images being painted: 1 or 2.
int g_scale = 1;

// A canvas of w x h layout pixels. Its device pixel ratio makes a painter on
// it scale every drawing call, so the same code paints both resolutions.
QImage canvas(int w, int h, const QColor &fill = Qt::transparent)
{
    QImage image(w * g_scale, h * g_scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_scale);
    image.fill(fill);
    return image;
}

// "Button/x.png" -> "Button/x@2x.png" when painting at scale 2.
QString scaledName(const QString &path)
{
    if (g_scale == 1)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(g_scale) + path.mid(dot);
}

void begin(QPainter &p, QImage &image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

bool save(const QImage &image, const QString &layoutPath, const char *format = "PNG", int quality = -1)
{
    const QString path = scaledName(layoutPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format, quality)) {
        g_failed += path + QLatin1Char('\n');
        return false;
    }
    return true;
}

QFont uiFont(qreal pixelSize, int weight = QFont::Normal)
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

// ---------------------------------------------------------------- glyphs

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

// A trash can of about 11 x 13 px with its top-left at o.
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

// A broom of about 13 x 13 px with its top-left at o.
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

// A photo: rounded frame with a sun and two hills, filling r.
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

// The product mark: a blue rounded square holding a white photo with a small
// arrow badge, readable from 16 to 256 px.
QImage productIcon(int size)
{
    QImage image = canvas(size, size);
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

// ---------------------------------------------------------------- buttons

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
QImage filledButton(int w, int h, qreal radius, State state)
{
    QImage image = canvas(w, h);
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
QImage outlinedButton(int w, int h, qreal radius, State state, const QColor &accent = blue)
{
    QImage image = canvas(w, h);
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
QImage messageButton(int w, int h, bool hover)
{
    QImage image = canvas(w, h);
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
QImage titleGlyph(const std::function<void(QPainter &, const QColor &)> &glyph, State state,
                  const QColor &hoverDisc = blueTint)
{
    QImage image = canvas(18, 18);
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
QImage dialogClose(State state)
{
    QImage image = canvas(18, 18);
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

// "Home" button of the main title bar. The button has no text of its own, so
// the image carries house and caption; hover and pressing add a pale pill.
QImage homeButton(State state)
{
    QImage image = canvas(90, 30);
    QPainter p;
    begin(p, image);
    if (state != State::Normal) {
        p.setPen(Qt::NoPen);
        p.setBrush(state == State::Hover ? blueTint : blueTintStrong);
        p.drawPath(rounded(QRectF(0.5, 0.5, 89, 29), 14.5));
    }
    const QColor ink = state == State::Pressing ? blueDeep : blue;
    const QFont font = uiFont(14, QFont::DemiBold);
    const QString caption = QStringLiteral("Home");
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(caption);
    const qreal iconWidth = 14, gap = 7;
    const qreal x = (90 - iconWidth - gap - textWidth) / 2;
    const qreal y = 8;
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
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(x + iconWidth + gap, 0, textWidth + 2, 30), Qt::AlignLeft | Qt::AlignVCenter, caption);
    p.end();
    return image;
}

// Tool bar buttons of the batch table: icon plus caption in one image (the
// buttons carry no text of their own).
QImage toolButton(int w, int h, const QString &caption,
                  const std::function<void(QPainter &, const QPointF &, const QColor &)> &icon,
                  State state)
{
    QImage image = canvas(w, h);
    QPainter p;
    begin(p, image);
    const QColor ink = state == State::Normal ? blue
                     : state == State::Hover ? bluePressed
                     : state == State::Pressing ? blueDeep
                     : disabledInk;
    icon(p, QPointF(1, (h - 13) / 2.0), ink);
    p.setFont(uiFont(13));
    p.setPen(ink);
    const QRectF textRect(18, 0, w - 18, h);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, caption);
    if (state == State::Hover || state == State::Pressing) {
        const qreal width = QFontMetricsF(p.font()).horizontalAdvance(caption);
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(18, h - 1.5), QPointF(qMin<qreal>(w - 1, 18 + width), h - 1.5));
    }
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
QImage fileAddButton(State state)
{
    QImage image = canvas(80, 80);
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

// ---------------------------------------------------------------- labels

QImage titleBackground(int w, int h)
{
    QImage image = canvas(w, h);
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
QImage statusMark(bool question)
{
    QImage image = canvas(38, 38);
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

QImage checkBox(int mark) // 0 unchecked, 1 checked, 2 partly checked
{
    QImage image = canvas(14, 14);
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

// ---------------------------------------------------------------- home tiles

QImage homeBackground();

// The tiles sit on the home view's backdrop at fixed places (the home view's
// layout margins: 146 px left, 94 px top, 128 px between the tiles). Each tile
// image starts from its piece of the backdrop, so the tile's label can be
// opaque without a box showing around the card.
QImage tileCanvas(int index)
{
    const QImage backdrop = homeBackground();
    const QRect piece(index == 0 ? 146 : 146 + 290 + 128, 94, 290, 350);
    QImage tile = backdrop.copy(QRect(piece.topLeft() * g_scale, piece.size() * g_scale))
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    tile.setDevicePixelRatio(g_scale);
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

void drawTileTexts(QPainter &p, const QString &title, const QString &subtitle, bool hover)
{
    p.setPen(hover ? blue : textDark);
    p.setFont(uiFont(20, QFont::Bold));
    p.drawText(QRectF(10, 168, 270, 30), Qt::AlignCenter, title);
    p.setPen(textGrey);
    p.setFont(uiFont(13));
    p.drawText(QRectF(30, 200, 230, 40), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, subtitle);
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

QImage singleTile(bool hover)
{
    QImage image = tileCanvas(0);
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
    drawTileTexts(p, QStringLiteral("Single Photo"),
                  QStringLiteral("Preview one photo, check its details and convert it."), hover);
    p.end();
    return image;
}

QImage batchTile(bool hover)
{
    QImage image = tileCanvas(1);
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
    drawTileTexts(p, QStringLiteral("Batch Convert"),
                  QStringLiteral("Gather many photos and convert them all at once."), hover);
    p.end();
    return image;
}

// The home view's backdrop (1000 x 569): white, with soft blue waves along the
// bottom and a faint glow at the top right, all clear of the two tiles' middle.
QImage homeBackground()
{
    QImage image = canvas(1000, 569, Qt::white);
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
QImage dropZone(bool over)
{
    QImage image = canvas(670, 400, Qt::white);
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

// ---------------------------------------------------------------- writers

const char *suffix(State s)
{
    switch (s) {
    case State::Normal: return "normal";
    case State::Hover: return "hover";
    case State::Pressing: return "pressing";
    case State::Disable: return "disable";
    }
    return "";
}

void writeSkin(const QString &root)
{
    const QString button = root + QStringLiteral("/Button/");
    const State three[] = {State::Normal, State::Hover, State::Pressing};
    const State four[] = {State::Normal, State::Hover, State::Pressing, State::Disable};

    for (State s : three) {
        const QString n = QString::fromLatin1(suffix(s));
        save(outlinedButton(100, 30, 4, s), button + "button100_" + n + ".png");
        save(filledButton(100, 30, 4, s), button + "button100_2_" + n + ".png");
        save(homeButton(s), button + "home_button_" + n + ".png");
        save(titleGlyph(glyphMenu, s), button + "tools_icon_" + n + ".png");
        save(titleGlyph(glyphMinimise, s), button + "mini_icon_" + n + ".png");
        save(titleGlyph(glyphClose, s, QColor(0xff, 0xe9, 0xe9)), button + "close_icon_" + n + ".png");
        save(toolButton(60, 20, QStringLiteral("Add"), iconAdd, s), button + "add_icon_" + n + ".png");
        save(fileAddButton(s), button + "file_add_" + n + ".png");
    }
    for (State s : four) {
        const QString n = QString::fromLatin1(suffix(s));
        save(filledButton(168, 43, 6, s), button + "big_button_" + n + ".png");
        save(toolButton(76, 20, QStringLiteral("Delete"), iconDelete, s), button + "delete_icon_" + n + ".png");
        save(toolButton(68, 20, QStringLiteral("Clear"), iconClear, s), button + "clear_icon_" + n + ".png");
    }
    save(dialogClose(State::Normal), button + "win_close_icon_normal.png");
    save(dialogClose(State::Hover), button + "win_icon_hover.png");
    save(dialogClose(State::Pressing), button + "win_close_icon_pressing.png");

    const QString label = root + QStringLiteral("/Label/");
    save(titleBackground(400, 35), label + "win_title_bg.png");
    save(statusMark(true), label + "tips_confirm.png");
    save(statusMark(false), label + "tips_cancel.png");

    const QString check = root + QStringLiteral("/CheckBox/");
    save(checkBox(0), check + "checkbox_normal.png");
    save(checkBox(1), check + "checkbox_selected.png");
    save(checkBox(2), check + "checkbox_half_selected.png");

    const QString main = root + QStringLiteral("/main/");
    save(productIcon(48), main + "48x48.png");
    save(productIcon(26), main + "heic_icon_26.png");
    save(singleTile(false), main + "module1_normal.png");
    save(singleTile(true), main + "module1_bg_hover.png");
    save(batchTile(false), main + "module2_normal.png");
    save(batchTile(true), main + "module2_bg_hover.png");

    const QString app = root + QStringLiteral("/Application/");
    save(messageButton(120, 32, false), app + "Button_Normal.png");
    save(messageButton(120, 32, true), app + "Button_Hover.png");
    // The desktop and window-manager icon of the installed program.
    save(productIcon(256), app + "vantrope.png");
}

void writeResources(const QString &root)
{
    const QString res = root + QStringLiteral("/Vantrope/Resources/");
    save(homeBackground(), res + "home_bg.jpg", "JPG", 95);
    save(singleTile(false), res + "module1_normal.png");
    save(singleTile(true), res + "module1_bg_hover.png");
    save(batchTile(false), res + "module2_normal.png");
    save(batchTile(true), res + "module2_bg_hover.png");
    save(dropZone(false), res + "file_add_bg_normal.png");
    save(dropZone(true), res + "file_add_bg_over.png");
    save(productIcon(21), root + QStringLiteral("/ZoRSC/logo.png"));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    // Same family substitution as the program (see ZoSkin).
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"), {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != QLatin1String("--skin") && args[1] != QLatin1String("--resources"))) {
        std::fprintf(stderr, "usage: vantrope-skinpainter --skin|--resources <folder>\n");
        return 2;
    }
    for (int scale : {1, 2}) {
        g_scale = scale;
        if (args[1] == QLatin1String("--skin"))
            writeSkin(args[2]);
        else
            writeResources(args[2]);
    }
    if (!g_failed.isEmpty()) {
        std::fprintf(stderr, "could not write:\n%s", qPrintable(g_failed));
        return 1;
    }
    return 0;
}
