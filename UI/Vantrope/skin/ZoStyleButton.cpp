#include "ZoStyleButton.h"
#include "ZoSkin.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

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

void ZoStyleButton::setTextOption(QTextOption option)
{
    textOption = option;
}

void ZoStyleButton::refreshState()
{
    if (isEnabled())
        emit signalUpdate();
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

void ZoStyleButton::paintEvent(QPaintEvent *event)
{
    if (state == None) {
        QPushButton::paintEvent(event);
        return;
    }
    ZoButtonState shown = state;
    if (!isEnabled() && !images[Disable].isEmpty())
        shown = Disable;

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QPixmap image = ZoSkin::pixmap(images[shown], devicePixelRatioF());
    painter.drawPixmap(QRectF(rect()), image, QRectF());
    painter.drawText(QRectF(rect()), text(), textOption);
}
