#pragma once

// User input as the window system delivers it to widgets: file drops from a
// file manager and pointer hovers.

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHoverEvent>
#include <QList>
#include <QMimeData>
#include <QPoint>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace SimulatedInputDetail {

inline QList<QUrl> fileUrls(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

} // namespace SimulatedInputDetail

// Drops local files on target at `at` (its centre when left out): a drag
// enter, then the drop only if the enter was accepted, as the window system
// does. Returns whether the drop was taken.
inline bool dropFiles(QWidget *target, const QStringList &paths, QPoint at = {})
{
    QMimeData mime;
    mime.setUrls(SimulatedInputDetail::fileUrls(paths));
    if (at.isNull())
        at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Drags paths over the page's window and drops them at pos (page
// coordinates), the way a file manager does: the window finds the widget
// under the cursor that takes drops. Returns whether the drop was taken.
inline bool dropOnWindow(QWidget *page, QPoint pos, const QStringList &paths)
{
    QMimeData mime;
    mime.setUrls(SimulatedInputDetail::fileUrls(paths));
    QWindow *window = page->window()->windowHandle();
    const QPoint at = page->mapTo(page->window(), pos);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
    if (!enter.isAccepted() || !move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window, &leave);
        return false;
    }
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

// A hover event of the given type (enter, move or leave) at a point inside w.
inline void hover(QWidget *w, QEvent::Type type)
{
    QHoverEvent event(type, QPointF(5, 5), QPointF(-1, -1));
    QCoreApplication::sendEvent(w, &event);
}
