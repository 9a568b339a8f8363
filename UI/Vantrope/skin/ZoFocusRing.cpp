#include "ZoFocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>

// Watches focus and key events application-wide and places the one ring.
class ZoFocusTracker : public QObject
{
public:
    explicit ZoFocusTracker(QObject *parent)
        : QObject(parent)
    {
    }

    QPointer<QWidget> target;
    QPointer<ZoFocusRing> ring;
    bool keyboardMode = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (watched->isWidgetType())
                follow(static_cast<QWidget *>(watched));
            break;
        case QEvent::FocusOut:
            if (watched == target)
                hide();
            break;
        // The last input decides: a key shows the ring, a click hides it.
        // Focus reasons cannot tell: Qt moves the focus with the Tab reason
        // when the focused control is hidden, after a click too.
        case QEvent::KeyPress:
            if (!keyboardMode) {
                keyboardMode = true;
                follow(QApplication::focusWidget());
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (keyboardMode) {
                keyboardMode = false;
                hide();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            if (watched == target)
                place();
            break;
        case QEvent::Hide:
            if (watched == target)
                hide();
            break;
        default:
            break;
        }
        return false;
    }

    void follow(QWidget *widget)
    {
        if (!keyboardMode || !widget || widget->isWindow() || !(widget->focusPolicy() & Qt::TabFocus)
            || widget == ring) {
            hide();
            return;
        }
        target = widget;
        place();
    }

    void hide()
    {
        if (ring)
            ring->hide();
        target = nullptr;
    }

    // The ring lives in the nearest ancestor that has room for it, so a
    // small compound control (a check box in a 14 px holder) still shows it.
    void place()
    {
        if (!target || !target->isVisible()) {
            if (ring)
                ring->hide();
            return;
        }
        const QRect around = target->rect().adjusted(-ZoFocusRing::margin, -ZoFocusRing::margin,
                                                     ZoFocusRing::margin, ZoFocusRing::margin);
        QWidget *holder = target->parentWidget();
        while (holder && !holder->isWindow()
               && !holder->rect().contains(around.translated(target->mapTo(holder, QPoint())))
               && holder->parentWidget())
            holder = holder->parentWidget();
        if (!holder)
            return;
        if (!ring)
            ring = new ZoFocusRing(holder);
        else if (ring->parentWidget() != holder)
            ring->setParent(holder);
        ring->setGeometry(around.translated(target->mapTo(holder, QPoint())));
        ring->raise();
        ring->show();
    }
};

namespace {
ZoFocusTracker *tracker = nullptr;
}

ZoFocusRing::ZoFocusRing(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("zoFocusRing"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ZoFocusRing::install()
{
    if (tracker || !qApp)
        return;
    tracker = new ZoFocusTracker(qApp);
    qApp->installEventFilter(tracker);
}

QWidget *ZoFocusRing::ringedWidget()
{
    if (!tracker || !tracker->ring || !tracker->ring->isVisible())
        return nullptr;
    return tracker->target;
}

void ZoFocusRing::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF outer = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x16, 0x68, 0xc4), 2));
    painter.drawRoundedRect(outer, 5, 5);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), 3.5, 3.5);
}
