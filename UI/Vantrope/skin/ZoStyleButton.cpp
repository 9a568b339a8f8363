#include "ZoStyleButton.h"
#include "ZoSkin.h"
#include "skinimages.h"

#include <QKeyEvent>
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

void ZoStyleButton::setSkinImages(const QString &set)
{
    const QString stem = ZoSkin().skinDir() + QStringLiteral("/Button/") + set;
    const SkinImages::Entry *entry =
        SkinImages::find(SkinImages::Place::SkinFolder, QStringLiteral("Button/") + set);
    const bool disable = entry && entry->kind == SkinImages::Kind::FourStates;
    setImages(stem + QStringLiteral("_normal.png"), stem + QStringLiteral("_hover.png"),
              stem + QStringLiteral("_pressing.png"), disable ? stem + QStringLiteral("_disable.png") : QString());
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

void ZoStyleButton::paintEvent(QPaintEvent *event)
{
    if (state == None) {
        QPushButton::paintEvent(event);
        return;
    }
    ZoButtonState shown = spaceDown ? Pressing : state;
    if (!isEnabled() && !images[Disable].isEmpty())
        shown = Disable;

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QPixmap image = ZoSkin::pixmap(images[shown], devicePixelRatioF());
    painter.drawPixmap(QRectF(rect()), image, QRectF());
    painter.drawText(QRectF(rect()), text(), textOption);
}
