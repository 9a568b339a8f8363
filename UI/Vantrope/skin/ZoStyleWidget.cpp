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
    const QPoint p = event->globalPos() - dragOffset - pressPos;
    if (target && p.x() > -800 && p.x() <= availWidth - 200 && p.y() >= 23
        && p.y() <= availHeight - 100)
        target->move(p);
    event->accept();
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
