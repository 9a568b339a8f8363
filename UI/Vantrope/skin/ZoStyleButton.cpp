#include "ZoStyleButton.h"
#include "ZoSkin.h"
#include "skinimages.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

ZoStyleButton::ZoStyleButton(QWidget *parent)
    : QPushButton(parent)
    , state(None)
    , textOption(Qt::AlignHCenter | Qt::AlignVCenter)
{
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::ButtonText, QBrush(QColor(66, 66, 66)));
    setPalette(pal);
    connect(this, SIGNAL(signalUpdate()), this, SLOT(update()));
}

void ZoStyleButton::setImages(const QString &normal, const QString &hover, const QString &pressing,
                              QString disable)
{
    images[Normal] = normal;
    images[Hover] = hover;
    images[Pressing] = pressing;
    images[Disable] = disable;
    state = Normal;
}

namespace {

// The state files of a button set of the skin's "Button" folder, indexed by
// ZoButtonState; no disable file where the set has none.
void skinSet(const QString &set, QString files[5])
{
    const QString stem = ZoSkin().skinDir() + QStringLiteral("/Button/") + set;
    const SkinImages::Entry *entry =
        SkinImages::find(SkinImages::Place::SkinFolder, QStringLiteral("Button/") + set);
    const bool disable = entry && entry->kind == SkinImages::Kind::FourStates;
    files[ZoStyleButton::Normal] = stem + QStringLiteral("_normal.png");
    files[ZoStyleButton::Hover] = stem + QStringLiteral("_hover.png");
    files[ZoStyleButton::Pressing] = stem + QStringLiteral("_pressing.png");
    files[ZoStyleButton::Disable] = disable ? stem + QStringLiteral("_disable.png") : QString();
}

} // namespace

void ZoStyleButton::setSkinImages(const QString &set)
{
    QString files[5];
    skinSet(set, files);
    setImages(files[Normal], files[Hover], files[Pressing], files[Disable]);
}

void ZoStyleButton::setSkinIcon(const QString &set, int gap)
{
    skinSet(set, icons);
    iconGap = gap;
    if (state == None)
        state = Normal;
    update();
}

void ZoStyleButton::setCaptionInks(const CaptionInks &captionInks)
{
    inks = captionInks;
    update();
}

ZoStyleButton::CaptionInks ZoStyleButton::linkInks()
{
    return {QColor(0x35, 0x98, 0xfe), QColor(0x1f, 0x7c, 0xdc), QColor(0x16, 0x68, 0xc4), QColor(0xb4, 0xba, 0xc1)};
}

ZoStyleButton::CaptionInks ZoStyleButton::navigationInks()
{
    const QColor blue(0x35, 0x98, 0xfe);
    return {blue, blue, QColor(0x16, 0x68, 0xc4), blue};
}

void ZoStyleButton::setHoverUnderline(bool underline)
{
    hoverUnderline = underline;
    update();
}

int ZoStyleButton::captionWidth() const
{
    const QPixmap icon = ZoSkin::pixmap(icons[Normal], devicePixelRatioF());
    const qreal iconWidth = icon.isNull() ? 0 : icon.width() / icon.devicePixelRatio();
    return qCeil(iconWidth + iconGap + QFontMetricsF(font()).horizontalAdvance(text()));
}

void ZoStyleButton::fitToCaption(int layoutWidth, int padding)
{
    setFixedWidth(qMax(layoutWidth, captionWidth() + 2 * padding));
}

void ZoStyleButton::setTextOption(QTextOption option)
{
    textOption = option;
}

void ZoStyleButton::refreshState()
{
    if (isEnabled())
        emit signalUpdate();
}

void ZoStyleButton::activate()
{
    if (isEnabled())
        emit clicked(false);
}

void ZoStyleButton::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // With modifiers (Ctrl+Return) it is the page's or dialog's key.
        if (modifiers != Qt::NoModifier) {
            event->ignore();
            return;
        }
        event->accept();
        if (!event->isAutoRepeat())
            activate();
        return;
    }
    if (modifiers == Qt::NoModifier && event->key() == Qt::Key_Space) {
        event->accept();
        if (!event->isAutoRepeat() && !spaceDown) {
            spaceDown = true;
            update();
        }
        return;
    }
    // Arrows and the rest: QAbstractButton's focus moves, or the parent.
    QPushButton::keyPressEvent(event);
}

void ZoStyleButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        event->accept();
        if (spaceDown) {
            spaceDown = false;
            update();
            activate();
        }
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void ZoStyleButton::focusOutEvent(QFocusEvent *event)
{
    // A press the focus left in the middle of is no press.
    if (spaceDown) {
        spaceDown = false;
        update();
    }
    QPushButton::focusOutEvent(event);
}

void ZoStyleButton::mousePressEvent(QMouseEvent *event)
{
    if (state != None && isEnabled() && event->button() == Qt::LeftButton) {
        state = Pressing;
        refreshState();
    }
}

void ZoStyleButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (state != None) {
        state = Hover;
        refreshState();
    }
    if (rect().contains(event->pos()))
        emit clicked(false);
}

void ZoStyleButton::enterEvent(QEvent *event)
{
    Q_UNUSED(event);
    emit mouseEnter();
    if (state != None) {
        state = Hover;
        refreshState();
    }
}

void ZoStyleButton::leaveEvent(QEvent *event)
{
    Q_UNUSED(event);
    emit mouseLeave();
    if (state != None) {
        state = Normal;
        refreshState();
    }
}

ZoButtonState ZoStyleButton::shownState() const
{
    if (!isEnabled())
        return Disable;
    return spaceDown ? Pressing : state;
}

void ZoStyleButton::paintStateImage(QPainter &painter, const QPixmap &image) const
{
    const qreal ratio = image.devicePixelRatio();
    const qreal imageWidth = image.width() / ratio;
    if (icons[Normal].isEmpty() || image.isNull() || imageWidth >= width()) {
        painter.drawPixmap(QRectF(rect()), image, QRectF());
        return;
    }
    // Ends of half the height each kept as painted, the middle stretched.
    const qreal end = qMin<qreal>(height() / 2.0, imageWidth / 2.0);
    const qreal w = width(), h = height();
    const qreal sourceEnd = end * ratio, sourceWidth = image.width(), sourceHeight = image.height();
    painter.drawPixmap(QRectF(0, 0, end, h), image, QRectF(0, 0, sourceEnd, sourceHeight));
    painter.drawPixmap(QRectF(end, 0, w - 2 * end, h), image,
                       QRectF(sourceEnd, 0, sourceWidth - 2 * sourceEnd, sourceHeight));
    painter.drawPixmap(QRectF(w - end, 0, end, h), image,
                       QRectF(sourceWidth - sourceEnd, 0, sourceEnd, sourceHeight));
}

void ZoStyleButton::paintIconAndCaption(QPainter &painter, ZoButtonState shown) const
{
    const QString &iconFile = icons[shown].isEmpty() ? icons[Normal] : icons[shown];
    const QPixmap icon = ZoSkin::pixmap(iconFile, devicePixelRatioF());
    const QSizeF iconSize = icon.isNull() ? QSizeF() : QSizeF(icon.size()) / icon.devicePixelRatio();
    const QFontMetricsF metrics(font());
    const qreal textWidth = metrics.horizontalAdvance(text());
    const qreal pairWidth = iconSize.width() + iconGap + textWidth;
    qreal x = 0;
    if (textOption.alignment() & Qt::AlignHCenter)
        x = (width() - pairWidth) / 2;
    else if (textOption.alignment() & Qt::AlignRight)
        x = width() - pairWidth;
    if (!icon.isNull())
        painter.drawPixmap(QRectF(QPointF(x, (height() - iconSize.height()) / 2), iconSize), icon, QRectF());

    const QColor ink = shown == Disable ? inks.disabled
                     : shown == Hover ? inks.hover
                     : shown == Pressing ? inks.pressing
                     : inks.normal;
    const qreal textX = x + iconSize.width() + iconGap;
    painter.setPen(ink);
    painter.drawText(QRectF(textX, 0, textWidth + 2, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hoverUnderline && (shown == Hover || shown == Pressing)) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(ink, 1));
        painter.drawLine(QPointF(textX, height() - 1.5),
                         QPointF(qMin<qreal>(width() - 1, textX + textWidth), height() - 1.5));
    }
}

void ZoStyleButton::paintEvent(QPaintEvent *event)
{
    if (state == None) {
        QPushButton::paintEvent(event);
        return;
    }
    ZoButtonState shown = shownState();
    ZoButtonState imageState = shown;
    // Without a disable image a disabled button keeps its last state's.
    if (shown == Disable && images[Disable].isEmpty())
        imageState = spaceDown ? Pressing : state;

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    paintStateImage(painter, ZoSkin::pixmap(images[imageState], devicePixelRatioF()));
    if (!icons[Normal].isEmpty())
        paintIconAndCaption(painter, shown);
    else
        painter.drawText(QRectF(rect()), text(), textOption);
}
