#pragma once

#include <QWidget>

// The visible child of type T of the window (the page on show), or null.
template <class T>
T *visiblePage(QWidget *window)
{
    for (T *page : window->findChildren<T *>()) {
        if (page->isVisible())
            return page;
    }
    return nullptr;
}
