#include "AppTranslations.h"
#include "EngineStartup.h"
#include "InstanceChannel.h"
#include "LaunchFiles.h"
#include "SingleInstanceGuard.h"
#include "Vantrope.h"
#include "ZoSkin.h"

#include <QApplication>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Before the first allocation: conversions reuse freed buffers instead of
    // mapping fresh pages for every photo, and large photos' buffers come in
    // huge pages (this may start the program once more, in place).
    EngineStartup::prepareProcess(argv);
    ZoSkin::enableHighDpi();
    QApplication a(argc, argv);
    // The user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), before any
    // window exists.
    AppTranslations::install();

    // Photos or folders to show (Qt has taken its own options already).
    const QStringList files = LaunchFiles::fromArguments(QApplication::arguments().mid(1));
    for (const QString &path : LaunchFiles::unusable(files))
        std::fprintf(stderr, "vantrope: not a HEIF photo or a folder, left out: %s\n",
                     path.toLocal8Bit().constData());

    const QString instanceName = QStringLiteral("Vantrope");
    SingleInstanceGuard guard;
    if (!guard.create(instanceName)) {
        // Without files a second start ends silently; with files it gives them
        // to the copy that runs, which brings its window forward.
        if (!files.isEmpty() && !InstanceChannel::handOver(instanceName, files))
            std::fprintf(stderr, "vantrope: Vantrope is already running and did not take the files.\n");
        return -1;
    }
    // Listening before the window is built: a start that comes meanwhile waits
    // in the socket's queue.
    InstanceChannel channel(instanceName);
    channel.listen();

    // File lists travel between pages through queued and string-based
    // connections, which need the type registered by name.
    qRegisterMetaType<QVector<QString>>("QVector<QString>");

    int result = 0;
    {
        Vantrope w;
        QObject::connect(&channel, &InstanceChannel::filesReceived, &w, &Vantrope::slot_OpenFiles);
        w.show();
        // A window manager gives a new window the keyboard; on a bare X
        // server nobody does, Qt then knows no active window and the page
        // shortcuts (Ctrl+O, Ctrl+Return) stay dead while typed keys still
        // arrive. Asking for it costs nothing where a manager decides.
        w.activateWindow();
        if (!files.isEmpty())
            QTimer::singleShot(0, &w, [&w, files]() { w.slot_OpenFiles(files); });
        result = a.exec();
    }
    return result;
}
