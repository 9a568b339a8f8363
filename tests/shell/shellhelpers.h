#pragma once

// Helpers for driving the real main window in tests: finding its pages,
// dropping files on them and answering modal dialogs with bounded waits.

#include <QApplication>
#include <QPointer>
#include <QSharedPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "modaldriver.h"
#include "simulatedinput.h"
#include "visiblepage.h"

namespace ShellHelpers {

// Runs deferred deletions, so released pages are really gone.
inline void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace ShellHelpers
