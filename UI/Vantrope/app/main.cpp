#include "EngineMemory.h"
#include "EngineMessages.h"
#include "filenamecodec.h"
#include "SingleInstanceGuard.h"
#include "Vantrope.h"
#include "ZoSkin.h"

#include <QApplication>
#include <QMetaType>
#include <QString>
#include <QVector>

int main(int argc, char *argv[])
{
    // Before the first allocation: conversions reuse freed buffers instead of
    // mapping fresh pages for every photo.
    EngineMemory::tuneAllocator();
    PlatformText::installFileNameCodec(); // file names that are not UTF-8 stay byte for byte
    EngineMessages::installCodecChatterFilter();
    ZoSkin::enableHighDpi();
    QApplication a(argc, argv);

    SingleInstanceGuard guard;
    if (!guard.create(QStringLiteral("Vantrope")))
        return -1;

    // File lists travel between pages through queued and string-based
    // connections, which need the type registered by name.
    qRegisterMetaType<QVector<QString>>("QVector<QString>");

    int result = 0;
    {
        Vantrope w;
        w.show();
        result = a.exec();
    }
    return result;
}
