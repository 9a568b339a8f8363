#include "ZoStyleWidget.h"
#include "ZoSkin.h"

#include <QApplication>
#include <QDebug>
#include <QDesktopWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyleOption>
#include <QWindow>

ZoStyleWidget::ZoStyleWidget(QWidget *parent)
    : QWidget(parent)
    , dragEnabled(false)
    , dragOffset(0, 0)
    , pressPos(0, 0)
    , pressed(false)
    , target(nullptr)
    , desktop(QApplication::desktop())
    , availWidth(0)
    , availHeight(0)
{
    // The default screen's available area, measured once.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        availWidth = area.right() - area.left() + 1;
        availHeight = area.bottom() - area.top() + 1;
    }
}

void ZoStyleWidget::setDragTarget(QWidget *dragTarget, QPoint offset, bool enable)
{
    target = dragTarget;
    dragOffset = offset;
    setAttribute(Qt::WA_MouseTracking, enable);
    dragEnabled = enable;
}

void ZoStyleWidget::setBackgroundImage(QString path)
{
    backgroundImage = path;
}

void ZoStyleWidget::slotClosePWidget()
{
    if (!target)
        return;
    qDebug() << "close";
    target->close();
}

void ZoStyleWidget::mousePressEvent(QMouseEvent *event)
{
    if (dragEnabled && event->button() == Qt::LeftButton) {
        pressed = true;
        moveTried = false;
        pressPos = event->pos();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ZoStyleWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressed || event->buttons() == Qt::NoButton) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    event->accept();
    if (!target)
        return;
    // The first move of a drag asks the window system to move the window
    // (Wayland lets nobody else place a window; window managers keep it on
    // their screens). Where it refuses, the window is moved here.
    if (!moveTried) {
        moveTried = true;
        QWindow *window = target->window()->windowHandle();
        if (window && window->startSystemMove()) {
            pressed = false;
            return;
        }
    }
    const QPoint p = event->globalPos() - dragOffset - pressPos;
    if (allowedPosition(p, event->globalPos()))
        target->move(p);
}

bool ZoStyleWidget::allowedPosition(QPoint p, QPoint cursor) const
{
    // The screen under the cursor, so the window can go to a second one;
    // without screens the default screen's size from construction.
    QRect area(0, 0, availWidth, availHeight);
    if (const QScreen *screen = QGuiApplication::screenAt(cursor))
        area = screen->availableGeometry();
    else if (const QScreen *screen = target->screen())
        area = screen->availableGeometry();
    const int width = area.right() - area.left() + 1;
    const int height = area.bottom() - area.top() + 1;
    const QPoint q = p - area.topLeft();
    return q.x() > -800 && q.x() <= width - 200 && q.y() >= 23 && q.y() <= height - 100;
}

void ZoStyleWidget::mouseReleaseEvent(QMouseEvent *event)
{
    pressed = false;
    event->accept();
}

void ZoStyleWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    // Honour a style-sheet background of the owner's form first.
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    const QPixmap image = ZoSkin::pixmap(backgroundImage, devicePixelRatioF());
    if (!image.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawPixmap(QRectF(rect()), image, QRectF());
    }
}
