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

// Calls answer(dialog) once a modal dialog of type T is active (and ready
// says it is ready, when given); gives up after timeoutMs. Returns a flag that
// turns true once answer ran.
template <class T>
QSharedPointer<bool> whenModal(std::function<void(T *)> answer, int timeoutMs = 20000,
                               std::function<bool(T *)> ready = nullptr)
{
    auto answered = QSharedPointer<bool>::create(false);
    auto *timer = new QTimer;
    auto remaining = QSharedPointer<int>::create(timeoutMs / 20);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible() && (!ready || ready(dialog))) {
            timer->stop();
            timer->deleteLater();
            *answered = true;
            answer(dialog);
        } else if (--*remaining <= 0) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
    return answered;
}

} // namespace ShellHelpers
