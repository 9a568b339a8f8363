#include "ZoKeyboard.h"

#include "ZoStyleButton.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace ZoKeyboard {

namespace {
// A focus proxy would do, but Qt then sends Tab into the container to the
// proxy alone, skipping the container's other controls.
const char firstFocusProperty[] = "zoFirstFocus";
}

void setFirstFocus(QWidget *container, QWidget *first)
{
    container->setProperty(firstFocusProperty, QVariant::fromValue(static_cast<QObject *>(first)));
}

void setTabChain(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void sendToEndOfTabChain(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets) {
        if (!widget)
            continue;
        // The chain is a ring through the window. setTabOrder ignores a
        // first widget that takes no focus, so the anchor is the last one
        // that does.
        QWidget *window = widget->window();
        QWidget *last = window->previousInFocusChain();
        while (last != window && last->focusPolicy() == Qt::NoFocus)
            last = last->previousInFocusChain();
        if (last == widget || last == window)
            continue;
        // setTabOrder takes a widget that follows first round the ring as
        // already in place, which the first one after the window does; it
        // is stepped forward once before it goes to the end.
        QWidget *next = widget->nextInFocusChain();
        while (next != widget && next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        if (next != widget && next != last)
            QWidget::setTabOrder(next, widget);
        QWidget::setTabOrder(last, widget);
    }
}

bool focusFirst(QWidget *container)
{
    auto *chosen = qobject_cast<QWidget *>(container->property(firstFocusProperty).value<QObject *>());
    if (chosen && chosen->isVisible() && chosen->isEnabled()) {
        chosen->setFocus(Qt::OtherFocusReason);
        return true;
    }
    QWidget *start = container->window();
    for (QWidget *w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if ((w == container || container->isAncestorOf(w)) && (w->focusPolicy() & Qt::TabFocus)
            && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

QShortcut *bindShortcut(QWidget *page, const QKeySequence &keys, std::function<void()> action)
{
    auto *shortcut = new QShortcut(keys, page);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, page, std::move(action));
    return shortcut;
}

QShortcut *bindShortcut(QWidget *page, const QKeySequence &keys, QAbstractButton *button)
{
    return bindShortcut(page, keys, [button]() {
        if (!button->isEnabled() || !button->isVisible())
            return;
        if (auto *image = qobject_cast<ZoStyleButton *>(button))
            image->activate();
        else
            button->click();
    });
}

QKeySequence controlReturn()
{
    return QKeySequence(Qt::CTRL + Qt::Key_Return);
}

QKeySequence controlEnter()
{
    return QKeySequence(Qt::CTRL + Qt::Key_Enter);
}

} // namespace ZoKeyboard
