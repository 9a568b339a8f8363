// libQuillmast.so: what it exports, its virtual-table order, and a few
// operations called through it.

#include "API_Quillmast.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cxxabi.h>
#include <dlfcn.h>

#include <cstdlib>

using LL::API_Quillmast;
using LL::WCHAR;

namespace {

const QStringList kOperations = {
    "GetVersionFilePath", "GetVersionInfo", "ReadInstallFile", "WriteVersionFile", "GetMenuStateAndURL",
    "GetMenuStateAndURLEx", "SetMenuStateAndURL", "ProductInstallFile", "SingInstallFile", "FormatProductName",
    "GetStartMenuPath", "UnicodeToAscii", "GetProductMaxNumber", "GetProductName", "SelectProductNumber",
    "SetCurrProductName", "GetVersionStartMenuPath", "SetLinkUrl", "GetLinkDirectroy", "PopInstallURL",
    "ReadProductVersionUrlFile", "WriteVersion", "ReadVersion", "MenuNumberToString", "SetExeWorkDirectory",
    "VersionTranslated"};

QString library() { return QCoreApplication::applicationDirPath() + "/libQuillmast.so.3"; }

QString demangled(const char *name)
{
    int status = 0;
    char *text = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    QString result = status == 0 && text ? QString::fromLatin1(text) : QString::fromLatin1(name);
    free(text);
    return result;
}

} // namespace

class TestQuillmastShared : public QObject
{
    Q_OBJECT

private slots:
    void versionedLibrary()
    {
        QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + "/libQuillmast.so.3.4.0"));
        QFile maps("/proc/self/maps");
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(maps.readAll().contains("libQuillmast.so.3"), "the test runs on the shared library");
    }

    void exportsTheClassAlone()
    {
        QProcess nm;
        nm.start("sh", {"-c", "nm -D --defined-only \"$0\" | c++filt", library()});
        QVERIFY(nm.waitForFinished(30000));
        QCOMPARE(nm.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(nm.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        QSet<QString> members;
        const QRegularExpression member("^LL::API_Quillmast::([~A-Za-z_=]+)\\(");
        for (const QString &line : lines) {
            const QString symbol = line.section(' ', 2);
            if (symbol == "vtable for LL::API_Quillmast" || symbol == "typeinfo for LL::API_Quillmast"
                || symbol == "typeinfo name for LL::API_Quillmast")
                continue;
            const QRegularExpressionMatch m = member.match(symbol);
            QVERIFY2(m.hasMatch(), qPrintable("exported: " + symbol));
            members << m.captured(1);
        }
        QSet<QString> expected(kOperations.begin(), kOperations.end());
        expected << "API_Quillmast" << "~API_Quillmast" << "operator=";
        QCOMPARE(members, expected);
    }

    // The virtual table holds the destructor, then the 26 operations in their
    // declaration order.
    void virtualTableOrder()
    {
        API_Quillmast qm;
        void **table = *reinterpret_cast<void ***>(&qm);
        QStringList entries;
        for (int i = 0; i < 2 + kOperations.size(); ++i) {
            Dl_info info{};
            QVERIFY(dladdr(table[i], &info) && info.dli_sname);
            const QString name = demangled(info.dli_sname);
            entries << name.section("LL::API_Quillmast::", 1).section('(', 0, 0);
        }
        QCOMPARE(entries, QStringList({"~API_Quillmast", "~API_Quillmast"}) + kOperations);
    }

    void operationsThroughTheLibrary()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        qputenv("VANTROPE_DRIVE_ROOT", QFile::encodeName(dir.path() + "/drives"));

        API_Quillmast qm;
        QCOMPARE(qm.GetProductMaxNumber(), 11);
        QCOMPARE(qm.SelectProductNumber(u"Quorvix Vantrope"), 10);
        WCHAR key[256];
        qm.MenuNumberToString(13, key);
        QCOMPARE(QString::fromUtf16(key), QString("QUORVIX_MENU_INSTALL_URL"));

        int state = 1;
        qm.SetMenuStateAndURL(6, &state, u"https://quorvix.example/contact");
        qm.SetCurrProductName(u"Quorvix Vantrope");
        QFile source("setup.exe");
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(QByteArray(5000, 'i'));
        source.close();
        QVERIFY(qm.ProductInstallFile(u"setup.exe", u"setup-signed.exe"));
        QCOMPARE(QFileInfo("setup-signed.exe").size(), qint64(5000 + 11344));
        API_Quillmast reader;
        QVERIFY(reader.ReadInstallFile(u"setup-signed.exe"));
        API_Quillmast copy(reader);
        WCHAR url[256] = {};
        state = 0;
        copy.GetMenuStateAndURLEx(6, &state, url);
        QCOMPARE(state, 1);
        QCOMPARE(QString::fromUtf16(url), QString("https://quorvix.example/contact"));

        qm.SetLinkUrl(u"link.url", u"https://quorvix.example/");
        QCOMPARE(QFileInfo("link.url").size(), qint64(18 + 2 + 4 + 24));
        WCHAR folder[260];
        QVERIFY(!qm.GetLinkDirectroy(u"C:\\none.lnk", folder));
        QCOMPARE(QString::fromUtf16(folder), QString());

        qunsetenv("VANTROPE_DRIVE_ROOT");
        QDir::setCurrent(previous);
    }
};

QTEST_GUILESS_MAIN(TestQuillmastShared)
#include "tst_quillmast_shared.moc"
