#pragma once

// Helpers for driving the real main window in tests: finding its pages,
// dropping files on them and answering modal dialogs with bounded waits.

#include <QApplication>
#include <QMimeData>
#include <QDropEvent>
#include <QPointer>
#include <QSharedPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>

#include "modaldriver.h"
#include "visiblepage.h"

namespace ShellHelpers {

// Runs deferred deletions, so released pages are really gone.
inline void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}


// Drops local files on a widget the way the file manager does.
inline void dropFiles(QWidget *target, const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

} // namespace ShellHelpers
