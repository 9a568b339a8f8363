#pragma once

// Pictures of widgets for review, without Qt Test: the gallery tool uses
// these as the tests do.

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>

// Runs deferred deletions, so released widgets are really gone.
inline void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Shows widget when it is hidden, lets settle run (layout and painting
// happen there), and writes its rendering to path as a PNG. Returns whether
// the file was written.
inline bool writeSnapshot(QWidget *widget, const QString &path, const std::function<void()> &settle)
{
    if (!widget->isVisible())
        widget->show();
    settle();
    return widget->grab().save(path, "PNG");
}
