#include "Heif2jpg.h"
#include "dynlib.h"

#include <QFileInfo>
#include <QTest>

using namespace Dynlib;

class TestDynlib : public QObject
{
    Q_OBJECT

private slots:
    void sharedObjectName_data();
    void sharedObjectName();
    void missingLibraryOrExportIsNull();
    void decoderIsBoundFromProgramFolder();
};

void TestDynlib::sharedObjectName_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("expected");
    QTest::newRow("dll") << "Tarnwick.dll" << "libTarnwick.so";
    QTest::newRow("upper case suffix") << "Tarnwick.DLL" << "libTarnwick.so";
    QTest::newRow("path") << "C:\\Program Files\\Tarnwick.dll" << "C:/Program Files/libTarnwick.so";
    QTest::newRow("already a shared object") << "libm.so.6" << "libm.so.6";
    QTest::newRow("unicode") << QString::fromUtf8("Dé.dll") << QString::fromUtf8("libDé.so");
    QTest::newRow("empty") << "" << "";
}

void TestDynlib::sharedObjectName()
{
    QFETCH(QString, module);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(sharedObjectNameFor(module.toStdWString().c_str())), expected);
}

void TestDynlib::missingLibraryOrExportIsNull()
{
    QVERIFY(!LoadLibraryW(L"NoSuchLibraryAnywhere.dll"));
    QVERIFY(!LoadLibraryW(nullptr));
    HMODULE libm = LoadLibraryW(L"libm.so.6");
    QVERIFY(libm);
    QVERIFY(GetProcAddress(libm, "cos"));
    QVERIFY(!GetProcAddress(libm, "heif2jpg"));
    QVERIFY(!GetProcAddress(nullptr, "cos"));
}

void TestDynlib::decoderIsBoundFromProgramFolder()
{
    if (!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/libTarnwick.so"))
        QSKIP("libTarnwick.so is not built");
    const Heif2jpgFunc decoder = bindDecoder();
    QVERIFY(decoder);
    // A real call: garbage in, an error out, nothing written.
    unsigned char out[16] = {};
    const unsigned char junk[] = "not a HEIC file";
    QVERIFY(decoder(junk, sizeof junk, 90, out, sizeof out, "temp1.hevc") < 0);
    QCOMPARE(decoderErrorText(-3), QString("not a HEIF or JPEG file (decoder error -3)"));
    QCOMPARE(decoderErrorText(-99), QString("unknown error (decoder error -99)")); // a code newer than the program
    QCOMPARE(decoderErrorText(0), QString("the decoder returned no image")); // no "success" for an empty result
}

QTEST_GUILESS_MAIN(TestDynlib)
#include "tst_dynlib.moc"
