#include "ZoHoverCaption.h"

#include <QEvent>
#include <QWidget>

ZoHoverCaption::ZoHoverCaption(QObject *owner)
    : QObject(owner)
{
}

ZoHoverCaption *ZoHoverCaption::install(QObject *owner, std::initializer_list<QWidget *> buttons)
{
    auto *filter = new ZoHoverCaption(owner);
    for (QWidget *button : buttons) {
        button->setAttribute(Qt::WA_Hover, true);
        button->installEventFilter(filter);
    }
    return filter;
}

bool ZoHoverCaption::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::HoverEnter)
        static_cast<QWidget *>(watched)->setStyleSheet(QStringLiteral("color:#ffffff"));
    else if (event->type() == QEvent::HoverLeave)
        static_cast<QWidget *>(watched)->setStyleSheet(QStringLiteral("color:#3598fe"));
    return false;
}
