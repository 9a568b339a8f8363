// LL::API_Quillmast over the platform layer, in a temporary drive and
// executable folder.

#include "API_Quillmast.h"
#include "quillmasttesthelpers.h"
#include "shortcutfile.h"
#include "win32.h"

#include <QtTest>

#include <clocale>

#include <algorithm>
#include <cstring>
#include <vector>

using LL::API_Quillmast;
using LL::WCHAR;

namespace {

const QString kShortcutFolder = "ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvix/Quorvix Vantrope";
const QString kProduct = "Quorvix Vantrope";
const QString kMarker = "E15436C9-F797-4CBD-B3AA-9E27D649D47E";
constexpr int kRecordSize = 11344;

std::vector<std::vector<std::string>> spawned;
std::vector<std::string> spawnedIn;

int recordSpawn(const char *const *argv, const char *workingDirectory)
{
    std::vector<std::string> args;
    for (; *argv; ++argv)
        args.emplace_back(*argv);
    spawned.push_back(args);
    spawnedIn.emplace_back(workingDirectory ? workingDirectory : "");
    return 0;
}

QStringList debugMessages;
void recordDebug(const WCHAR *text) { debugMessages << QString::fromUtf16(text); }

// The product's Start-menu shortcut, pointing at target (a C: path).
void installShortcut(const TestWorld &world, const QString &target)
{
    ShortcutFile::Options o;
    o.localBasePath = target.toStdString();
    QDir().mkpath(world.onDriveC(kShortcutFolder));
    QVERIFY(ShortcutFile::write(QFile::encodeName(world.onDriveC(kShortcutFolder + "/" + kProduct + ".lnk")).toStdString(),
                                ShortcutFile::build(o)));
}

// A table with every slot set, keyed or not, with characters that need care.
void fillTable(API_Quillmast &qm)
{
    for (int n = 0; n < LL::QuillmastMenuCount; ++n) {
        int state = n % 3 == 0 ? 1 : n;
        std::u16string url = w(QString("https://quorvix.example/m%1?q=\u00e9\u4e2d\U0001F600").arg(n));
        qm.SetMenuStateAndURL(n, &state, url.c_str());
    }
}

void compareTables(API_Quillmast &a, API_Quillmast &b)
{
    for (int n = 0; n < LL::QuillmastMenuCount; ++n) {
        int sa = -7, sb = -7;
        WCHAR ua[256] = {}, ub[256] = {};
        a.GetMenuStateAndURLEx(n, &sa, ua);
        b.GetMenuStateAndURLEx(n, &sb, ub);
        QCOMPARE(sb, sa);
        QCOMPARE(q(ub), q(ua));
    }
}

} // namespace

class TestQuillmast : public QObject
{
    Q_OBJECT

private slots:
    // The byte checks below are written for a UTF-8 ANSI code page, whatever
    // locale the test was started in.
    void initTestCase() { setlocale(LC_CTYPE, "C.UTF-8"); }

    void init()
    {
        spawned.clear();
        spawnedIn.clear();
        debugMessages.clear();
        win32::SetProcessSpawner(recordSpawn);
        win32::SetDebugOutputSink(recordDebug);
    }
    void cleanup()
    {
        win32::SetProcessSpawner(nullptr);
        win32::SetDebugOutputSink(nullptr);
    }

    void freshObject()
    {
        API_Quillmast qm;
        for (int n = -1; n <= LL::QuillmastMenuCount; ++n) {
            int state = 99;
            WCHAR url[256];
            memset(url, 0x55, sizeof url);
            qm.GetMenuStateAndURLEx(n, &state, url);
            QCOMPARE(state, 0);
            QCOMPARE(q(url), QString());
        }
        QCOMPARE(qm.GetProductMaxNumber(), 11);
        QCOMPARE(QuillmastTestPeer::install(qm).magic, 0);
        QCOMPARE(q(QuillmastTestPeer::install(qm).productName), QString());
    }

    void productNames()
    {
        API_Quillmast qm;
        QStringList names;
        for (int i = 0; i < qm.GetProductMaxNumber(); ++i) {
            WCHAR name[256] = {};
            qm.GetProductName(i, name);
            names << q(name);
            QVERIFY2(names.last().startsWith("Quorvix ") && names.last().size() > 8, qPrintable(names.last()));
        }
        QCOMPARE(names.last(), kProduct);
        QCOMPARE(names.removeDuplicates(), 0);
        for (int outside : {-1, 11, 1000}) {
            WCHAR name[256] = {'x', 0};
            qm.GetProductName(outside, name);
            QCOMPARE(q(name), QString());
        }
    }

    void selectProductNumber_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("this product") << kProduct << 10;
        QTest::newRow("first product") << "Quorvix Reelforge" << 0;
        QTest::newRow("other case") << "quorvix vantrope" << -1;
        QTest::newRow("trailing blank") << kProduct + " " << -1;
        QTest::newRow("prefix") << "Quorvix" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void selectProductNumber()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        API_Quillmast qm;
        QCOMPARE(qm.SelectProductNumber(w(name).c_str()), index);
    }

    void menuNumberToString_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("key");
        QTest::newRow("0") << 0 << "QUORVIX_MENU_TYPE";
        QTest::newRow("3") << 3 << "QUORVIX_MENU_TUTORIAL";
        QTest::newRow("8") << 8 << "QUORVIX_MENU_FOLLOW_US_ON_TWITTER";
        QTest::newRow("13") << 13 << "QUORVIX_MENU_INSTALL_URL";
        QTest::newRow("17") << 17 << "QUORVIX_MENU_BY_PRODUCT";
        for (int n : {1, 2, 14, 18, 19, 100, -1})
            QTest::newRow(qPrintable(QString("no key %1").arg(n))) << n << "QUORVIX_MENU_MAX_LENGTH";
    }
    void menuNumberToString()
    {
        QFETCH(int, number);
        QFETCH(QString, key);
        API_Quillmast qm;
        WCHAR text[256];
        memset(text, 0x55, sizeof text);
        qm.MenuNumberToString(number, text);
        QCOMPARE(q(text), key);
    }

    // Texts longer than a field are cut at the field, terminated, and never
    // spill into the next one.
    void longTextsStayInTheirFields()
    {
        API_Quillmast qm;
        const std::u16string longText(400, u'a');
        int state = 5;
        qm.SetMenuStateAndURL(3, &state, longText.c_str());
        qm.SetCurrProductName(longText.c_str());
        const LL::MenuEntry *menu = QuillmastTestPeer::menu(qm);
        QCOMPARE(q(menu[3].url).size(), 255);
        QCOMPARE(menu[4].state, 0);
        QCOMPARE(q(QuillmastTestPeer::install(qm).productName).size(), 255);
        WCHAR url[256];
        qm.GetMenuStateAndURLEx(3, &state, url);
        QCOMPARE(q(url), QString(255, 'a'));
        // Out-of-range numbers write nothing.
        int other = 9;
        qm.SetMenuStateAndURL(19, &other, u"x");
        qm.SetMenuStateAndURL(-1, &other, u"x");
        API_Quillmast fresh;
        fresh.SetMenuStateAndURL(3, &state, longText.c_str());
        compareTables(qm, fresh);
    }

    void copyAndAssign()
    {
        API_Quillmast a;
        fillTable(a);
        a.SetCurrProductName(u"Quorvix Lumaset");
        API_Quillmast copied(a);
        compareTables(a, copied);
        API_Quillmast assigned;
        assigned = a;
        compareTables(a, assigned);
        QCOMPARE(q(QuillmastTestPeer::install(assigned).productName), QString("Quorvix Lumaset"));
    }

    void getMenuStateAndURL_data()
    {
        QTest::addColumn<QByteArray>("ini"); // "-": no file
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("url");
        const QByteArray full = "[VERSION]\r\nQUORVIX_MENU_TUTORIAL=https://quorvix.example/guide\r\n"
                                "[STATE]\r\nQUORVIX_MENU_TUTORIAL=2\r\n";
        QTest::newRow("no file") << QByteArray("-") << 3 << 1 << "";
        QTest::newRow("both present") << full << 3 << 2 << "https://quorvix.example/guide";
        QTest::newRow("key absent") << full << 4 << 1 << "";
        QTest::newRow("number without key") << full << 1 << 1 << "";
        QTest::newRow("state not a number")
            << QByteArray("[STATE]\nQUORVIX_MENU_CONTACT_US=abc\n") << 6 << 0 << "";
        QTest::newRow("state with blanks and sign")
            << QByteArray("[STATE]\nQUORVIX_MENU_CONTACT_US =  -3 \n") << 6 << -3 << "";
        QTest::newRow("names in other case")
            << QByteArray("[version]\nquorvix_menu_about=https://a.example\n[state]\nQuorvix_Menu_About=0\n") << 11
            << 0 << "https://a.example";
        QTest::newRow("quoted url, comments")
            << QByteArray("; links\n[VERSION]\n;QUORVIX_MENU_EXIT=wrong\nQUORVIX_MENU_EXIT=\"https://q.example/x\"\n")
            << 12 << 1 << "https://q.example/x";
        QTest::newRow("UTF-8 url")
            << QByteArray("[VERSION]\nQUORVIX_MENU_LANGUAGE=https://q.example/\xc3\xa9\n") << 9 << 1
            << "https://q.example/\u00e9";
    }
    void getMenuStateAndURL()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, number);
        QFETCH(int, state);
        QFETCH(QString, url);
        TestWorld world;
        if (ini != "-")
            QVERIFY(TestWorld::writeFile(world.path("exe/Version.ini"), ini));
        API_Quillmast qm;
        int gotState = 0;
        WCHAR gotUrl[256] = {};
        qm.GetMenuStateAndURL(number, &gotState, gotUrl);
        QCOMPARE(gotState, state);
        QCOMPARE(q(gotUrl), url);
        // The in-memory table is not touched.
        API_Quillmast fresh;
        compareTables(qm, fresh);
    }

    void versionFileBesideTheExecutable()
    {
        TestWorld world;
        API_Quillmast qm;
        WCHAR path[260];
        QVERIFY(QuillmastTestPeer::getVersionFilePath(qm, path));
        QCOMPARE(QString::fromStdString(win32::LocalPath(path)), world.path("exe/Version.ini"));
        qm.SetExeWorkDirectory();
        QCOMPARE(QDir::currentPath(), QDir(world.path("exe")).canonicalPath());
    }

    // Through the product's shortcut into its program folder, then read back
    // as the program reads it.
    void writeVersionFileRoundTrip()
    {
        TestWorld world;
        installShortcut(world, "C:\\Apps\\Quorvix Vantrope\\Vantrope.exe");
        QDir().mkpath(world.onDriveC("Apps/Quorvix Vantrope"));
        API_Quillmast qm;
        qm.SetCurrProductName(w(kProduct).c_str());
        fillTable(qm);
        QVERIFY(qm.WriteVersionFile());
        const QString ini = world.onDriveC("Apps/Quorvix Vantrope/Version.ini");
        QVERIFY(QFile::exists(ini));
        QVERIFY(!QFile::exists(world.path("cwd/Version.ini")));

        win32::SetModulePath(QFile::encodeName(world.onDriveC("Apps/Quorvix Vantrope/Vantrope.exe")).constData());
        API_Quillmast reader;
        for (int n = 0; n < LL::QuillmastMenuCount; ++n) {
            int state = -7, expectedState = -7;
            WCHAR url[256] = {}, expectedUrl[256] = {};
            reader.GetMenuStateAndURL(n, &state, url);
            qm.GetMenuStateAndURLEx(n, &expectedState, expectedUrl);
            const bool keyed = n != 1 && n != 2 && n != 14 && n != 18;
            if (keyed) {
                QCOMPARE(state, expectedState);
                QCOMPARE(q(url), q(expectedUrl));
            } else { // the key "QUORVIX_MENU_MAX_LENGTH" is never written
                QCOMPARE(state, 1);
                QCOMPARE(q(url), QString());
            }
        }
        const QByteArray text = TestWorld::readFile(ini);
        QCOMPARE(text.count("QUORVIX_MENU_"), 30);
        QVERIFY(!text.contains("MAX_LENGTH"));

        // A second write starts the file anew.
        API_Quillmast empty;
        empty.SetCurrProductName(w(kProduct).c_str());
        QVERIFY(empty.WriteVersionFile());
        int state = -7;
        WCHAR url[256] = {};
        reader.GetMenuStateAndURL(3, &state, url);
        QCOMPARE(state, 0);
        QCOMPARE(q(url), QString());
    }

    void writeVersionFileFallsBackAndFails()
    {
        TestWorld world;
        API_Quillmast qm;
        qm.SetCurrProductName(w(kProduct).c_str());
        // No shortcut: the current directory.
        QVERIFY(qm.WriteVersionFile());
        QVERIFY(QFile::exists(world.path("cwd/Version.ini")));
        // Held open elsewhere without sharing: the create fails.
        win32::HANDLE held = win32::CreateFileW(u"Version.ini", win32::GENERIC_READ, 0, nullptr, win32::OPEN_EXISTING,
                                                0, nullptr);
        QVERIFY(held != win32::INVALID_HANDLE_VALUE);
        QVERIFY(!qm.WriteVersionFile());
        win32::CloseHandle(held);
        // A shortcut into a folder that does not exist.
        installShortcut(world, "C:\\Missing\\Vantrope.exe");
        QVERIFY(!qm.WriteVersionFile());
    }

    void installRecord_data()
    {
        QTest::addColumn<int>("trailing");
        QTest::addColumn<bool>("found");
        QTest::newRow("at the end") << 0 << true;
        QTest::newRow("1 byte after") << 1 << true;
        QTest::newRow("odd distance") << 4097 << true;
        QTest::newRow("farthest") << 98459 << true;
        QTest::newRow("one too far") << 98460 << false;
    }
    void installRecord()
    {
        QFETCH(int, trailing);
        QFETCH(bool, found);
        TestWorld world;
        const QByteArray installer = QByteArray("MZ installer body ") + QByteArray(20000, '\x90');
        QVERIFY(TestWorld::writeFile(world.path("cwd/setup.exe"), installer));
        API_Quillmast writer;
        fillTable(writer);
        writer.SetCurrProductName(w(kProduct).c_str());
        QVERIFY(writer.ProductInstallFile(u"setup.exe", u"C:\\out.exe"));
        const QString out = world.onDriveC("out.exe");
        QCOMPARE(QFileInfo(out).size(), qint64(installer.size() + kRecordSize));
        QVERIFY(TestWorld::readFile(out).startsWith(installer));
        {
            QFile f(out);
            QVERIFY(f.open(QIODevice::Append));
            QByteArray tail(trailing, '\0');
            for (int i = 0; i < trailing; ++i)
                tail[i] = char(i * 7);
            f.write(tail);
        }
        API_Quillmast reader;
        reader.SetCurrProductName(u"Quorvix Echomill");
        QCOMPARE(reader.ReadInstallFile(u"C:\\out.exe"), found);
        if (found) {
            compareTables(writer, reader);
            QCOMPARE(q(QuillmastTestPeer::install(reader).productName), kProduct);
            QCOMPARE(debugMessages, QStringList{"IVT:wcscmp() Done"});
        } else {
            API_Quillmast fresh;
            compareTables(fresh, reader);
            QCOMPARE(q(QuillmastTestPeer::install(reader).productName), QString("Quorvix Echomill"));
            QVERIFY(debugMessages.isEmpty());
        }
    }

    void damagedRecord_data()
    {
        QTest::addColumn<int>("offset"); // in the appended record
        QTest::newRow("magic") << 9804;
        QTest::newRow("marker first") << 9804 + 4;
        QTest::newRow("marker last") << 9804 + 4 + 35 * 2;
        QTest::newRow("marker terminator") << 9804 + 4 + 36 * 2;
        QTest::newRow("tag first") << 9804 + 516;
        QTest::newRow("tag last") << 9804 + 516 + 6 * 2;
    }
    void damagedRecord()
    {
        QFETCH(int, offset);
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/setup.exe"), QByteArray(3000, 'x')));
        API_Quillmast writer;
        fillTable(writer);
        QVERIFY(writer.ProductInstallFile(u"setup.exe", u"signed.exe"));
        QByteArray bytes = TestWorld::readFile(world.path("cwd/signed.exe"));
        bytes[3000 + offset] = char(bytes[3000 + offset] ^ 0x20);
        QVERIFY(TestWorld::writeFile(world.path("cwd/signed.exe"), bytes));
        API_Quillmast reader;
        QVERIFY(!reader.ReadInstallFile(u"signed.exe"));
        API_Quillmast fresh;
        compareTables(fresh, reader);
    }

    void installRecordErrors()
    {
        TestWorld world;
        API_Quillmast qm;
        fillTable(qm);
        QVERIFY(!qm.ProductInstallFile(u"missing.exe", u"out.exe"));
        QVERIFY(!QFile::exists(world.path("cwd/out.exe")));
        QVERIFY(!qm.ReadInstallFile(u"missing.exe"));
        // A record without the whole menu table before it is not taken.
        QVERIFY(TestWorld::writeFile(world.path("cwd/empty.exe"), QByteArray()));
        QVERIFY(qm.ProductInstallFile(u"empty.exe", u"whole.exe"));
        const QByteArray whole = TestWorld::readFile(world.path("cwd/whole.exe"));
        QCOMPARE(whole.size(), kRecordSize);
        QVERIFY(TestWorld::writeFile(world.path("cwd/cut.exe"), whole.mid(100)));
        API_Quillmast reader;
        QVERIFY(!reader.ReadInstallFile(u"cut.exe"));
        QVERIFY(reader.ReadInstallFile(u"whole.exe"));
        compareTables(qm, reader);
        // Held without sharing elsewhere: no read.
        win32::HANDLE held = win32::CreateFileW(u"whole.exe", win32::GENERIC_READ, 0, nullptr, win32::OPEN_EXISTING,
                                                0, nullptr);
        QVERIFY(!reader.ReadInstallFile(u"whole.exe"));
        win32::CloseHandle(held);
    }

    void versionBin_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("plain") << "https://quorvix.example/install";
        QTest::newRow("empty") << "";
        QTest::newRow("non-ASCII") << "https://q.example/\u00e9\u4e2d\U0001F600";
        QTest::newRow("longer than the field") << QString(300, 'u');
    }
    void versionBin()
    {
        QFETCH(QString, url);
        TestWorld world;
        // The executable's INI is read; the product's INI only has to exist.
        const std::u16string u = w(url);
        QByteArray ini = "[VERSION]\r\nQUORVIX_MENU_INSTALL_URL=" + url.toUtf8() + "\r\n[STATE]\r\nQUORVIX_MENU_INSTALL_URL=4\r\n";
        QVERIFY(TestWorld::writeFile(world.path("exe/Version.ini"), ini));
        QVERIFY(TestWorld::writeFile(world.path("cwd/Version.ini"), "[VERSION]\r\n"));
        API_Quillmast qm;
        qm.VersionTranslated();
        const QByteArray bin = TestWorld::readFile(world.path("cwd/Version.bin"));
        QCOMPARE(bin.size(), 10060);
        const QByteArray headerKey = QByteArray::fromRawData(
            reinterpret_cast<const char *>(u"QUORVIX_MENU_BY_PRODUCT"), 23 * 2);
        QCOMPARE(bin.left(46), headerKey);
        QCOMPARE(bin.mid(46, 256 - 46), QByteArray(256 - 46, '\0'));
        // Entry 13 little-endian: state, then the url.
        const QByteArray entry = bin.mid(256 + 13 * 516, 516);
        QCOMPARE(entry.left(4), QByteArray("\x04\x00\x00\x00", 4));
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t *>(entry.constData() + 4)), url.left(255));

        int state = 0;
        WCHAR read[256] = {};
        QVERIFY(qm.GetVersionInfo(13, &state, read));
        QCOMPARE(state, 4);
        QCOMPARE(q(read), url.left(255));
        // Unkeyed slots are written as they are in memory: zero.
        QVERIFY(qm.GetVersionInfo(14, &state, read));
        QCOMPARE(state, 0);
        QVERIFY(!qm.GetVersionInfo(19, &state, read));
        QVERIFY(!qm.GetVersionInfo(-1, &state, read));
    }

    void versionBinNeedsTheProductIni()
    {
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("exe/Version.ini"), "[STATE]\r\nQUORVIX_MENU_TYPE=3\r\n"));
        API_Quillmast qm;
        qm.VersionTranslated();
        QVERIFY(!QFile::exists(world.path("cwd/Version.bin")));
        int state = 0;
        WCHAR url[256];
        QVERIFY(!qm.GetVersionInfo(0, &state, url));
        qm.GetMenuStateAndURLEx(0, &state, url);
        QCOMPARE(state, 0); // nothing was read either
    }

    void startMenuPaths()
    {
        API_Quillmast qm;
        WCHAR programs[256];
        QuillmastTestPeer::getStartMenuPath(qm, programs);
        const QString folder = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
        QCOMPARE(q(programs), folder);
        qm.SetCurrProductName(w(kProduct).c_str());
        WCHAR home[260], howTo[260];
        qm.GetVersionStartMenuPath(home, howTo);
        QCOMPARE(q(home), folder + "\\Quorvix\\Quorvix Vantrope\\ Homepage on the Web.url");
        QCOMPARE(q(howTo), folder + "\\Quorvix\\Quorvix Vantrope\\ How to Use on the Web.url");
    }

    void startMenuPathsAreBounded()
    {
        API_Quillmast qm;
        const std::u16string longName(250, u'n');
        qm.SetCurrProductName(longName.c_str());
        WCHAR buffers[2][270];
        for (auto &b : buffers)
            for (WCHAR &c : b)
                c = u'#';
        qm.GetVersionStartMenuPath(buffers[0], buffers[1]);
        for (auto &b : buffers) {
            QCOMPARE(q(b).size(), 259);
            for (int i = 260; i < 270; ++i)
                QCOMPARE(int(b[i]), int(u'#'));
        }
    }

    void unicodeToAscii()
    {
        API_Quillmast qm;
        char bytes[8];
        memset(bytes, 'Z', sizeof bytes);
        QCOMPARE(QuillmastTestPeer::unicodeToAscii(qm, u"abc", bytes, 3), 4);
        QCOMPARE(QByteArray(bytes, 8), QByteArray(8, 'Z'));
        QCOMPARE(QuillmastTestPeer::unicodeToAscii(qm, u"abc", bytes, 4), 0);
        QCOMPARE(QByteArray(bytes, 5), QByteArray("abc\0Z", 5));
        // The ANSI code page is UTF-8 here.
        QCOMPARE(QuillmastTestPeer::unicodeToAscii(qm, u"\u00e9", bytes, 2), 3);
        QCOMPARE(QuillmastTestPeer::unicodeToAscii(qm, u"\u00e9", bytes, 3), 0);
        QCOMPARE(QByteArray(bytes), QByteArray("\xc3\xa9"));
    }

    void setLinkUrl_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("written");
        QTest::newRow("short") << "https://quorvix.example/" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("255 bytes") << QString(255, 'a') << true;
        QTest::newRow("non-ASCII") << "https://q.example/\u00e9" << true;
        QTest::newRow("256 bytes: line too long") << QString(256, 'a') << false;
        QTest::newRow("300 characters") << QString(300, 'a') << false;
        QTest::newRow("255 characters, more bytes") << QString(200, QChar(0xe9)) << false;
    }
    void setLinkUrl()
    {
        QFETCH(QString, url);
        QFETCH(bool, written);
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/old.url"), "previous content"));
        API_Quillmast qm;
        qm.SetLinkUrl(u" Homepage on the Web.url", w(url).c_str());
        qm.SetLinkUrl(u"old.url", w(url).c_str());
        const QByteArray expected = "[InternetShortcut]\r\nURL=" + url.toUtf8();
        if (written) {
            QCOMPARE(TestWorld::readFile(world.path("cwd/ Homepage on the Web.url")), expected);
            QCOMPARE(expected.size(), 18 + 2 + 4 + url.toUtf8().size());
        } else {
            QVERIFY(!QFile::exists(world.path("cwd/ Homepage on the Web.url")));
            QCOMPARE(TestWorld::readFile(world.path("cwd/old.url")), QByteArray("previous content"));
        }
    }

    void setLinkUrlIntoTheStartMenu()
    {
        TestWorld world;
        QDir().mkpath(world.onDriveC(kShortcutFolder));
        API_Quillmast qm;
        qm.SetCurrProductName(w(kProduct).c_str());
        WCHAR home[260], howTo[260];
        qm.GetVersionStartMenuPath(home, howTo);
        qm.SetLinkUrl(home, u"https://quorvix.example/vantrope");
        QCOMPARE(TestWorld::readFile(world.onDriveC(kShortcutFolder + "/ Homepage on the Web.url")),
                 QByteArray("[InternetShortcut]\r\nURL=https://quorvix.example/vantrope"));
        // A path that does not fit its 260 bytes writes nothing.
        const std::u16string longPath = u"C:\\" + std::u16string(300, u'p') + u".url";
        qm.SetLinkUrl(longPath.c_str(), u"https://quorvix.example/");
        QCOMPARE(QDir(world.onDriveC("")).entryList(QDir::Files).size(), 0);
    }

    void popInstallURL_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("opened");
        QTest::newRow("1") << 1 << true;
        QTest::newRow("2") << 2 << false;
        QTest::newRow("0") << 0 << false;
        QTest::newRow("-1") << -1 << false;
    }
    void popInstallURL()
    {
        QFETCH(int, state);
        QFETCH(bool, opened);
        API_Quillmast qm;
        qm.SetMenuStateAndURL(13, &state, u"https://quorvix.example/install?a=1&b=2");
        qm.PopInstallURL();
        if (opened)
            QCOMPARE(spawned, (std::vector<std::vector<std::string>>{
                                  {"xdg-open", "https://quorvix.example/install?a=1&b=2"}}));
        else
            QVERIFY(spawned.empty());
    }

    void popInstallURLAfterReadingTheRecord()
    {
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/a.exe"), "a"));
        API_Quillmast writer;
        int one = 1;
        writer.SetMenuStateAndURL(13, &one, u"https://quorvix.example/thanks");
        QVERIFY(writer.ProductInstallFile(u"a.exe", u"b.exe"));
        API_Quillmast reader;
        QVERIFY(reader.ReadInstallFile(u"b.exe"));
        reader.PopInstallURL();
        QCOMPARE(spawned.size(), size_t(1));
        QCOMPARE(spawned[0].back(), std::string("https://quorvix.example/thanks"));
    }

    // The path reaches the signing script as one argument, whatever it holds.
    void singInstallFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("argument"); // with {root} for the drive root
        QTest::newRow("relative") << "setup.exe" << "setup.exe";
        QTest::newRow("blanks") << "my setup.exe" << "my setup.exe";
        QTest::newRow("quotes and operators") << "a\" & rm -rf ~ & \"b.exe" << "a\" & rm -rf ~ & \"b.exe";
        QTest::newRow("shell characters") << "$(reboot);`id`|x.exe" << "$(reboot);`id`|x.exe";
        QTest::newRow("drive path") << "C:\\Out\\setup.exe" << "{root}/c/Out/setup.exe";
    }
    void singInstallFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, argument);
        TestWorld world;
        API_Quillmast qm;
        qm.SingInstallFile(w(path).c_str());
        QCOMPARE(spawned.size(), size_t(1));
        argument.replace("{root}", world.path("drives"));
        QCOMPARE(spawned[0], (std::vector<std::string>{"/bin/sh", "./signtool.bat", argument.toStdString()}));
        QCOMPARE(spawnedIn[0], std::string());
    }

    void singInstallFileRunsTheScript()
    {
        win32::SetProcessSpawner(nullptr);
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/signtool.bat"),
                                     "printf '%s|%s' \"$#\" \"$1\" > signed.txt.part && mv signed.txt.part signed.txt\n"));
        API_Quillmast qm;
        qm.SingInstallFile(u"it's \"mine\" & $(x).exe");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(world.path("cwd/signed.txt")), 10000);
        QCOMPARE(QString::fromUtf8(TestWorld::readFile(world.path("cwd/signed.txt"))),
                 QString("1|it's \"mine\" & $(x).exe"));
    }

    void getLinkDirectroy_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("unicode");
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("idList");
        QTest::addColumn<QString>("folder");
        QTest::newRow("local base path") << "C:\\Apps\\Quorvix Vantrope\\Vantrope.exe" << "" << false << "" << false
                                         << "C:\\Apps\\Quorvix Vantrope\\";
        QTest::newRow("base and suffix") << "C:\\Apps\\" << "Vantrope\\Vantrope.exe" << false << "" << false
                                         << "C:\\Apps\\Vantrope\\";
        QTest::newRow("unicode link info") << "D:\\Tools\\v.exe" << "" << true << "" << true << "D:\\Tools\\";
        QTest::newRow("with name and relative path")
            << "C:\\A\\b.exe" << "" << false << "..\\..\\Other\\c.exe" << false << "C:\\A\\";
        QTest::newRow("relative path only") << "" << "" << false << "..\\..\\Apps\\Vantrope.exe" << false
                                            << "C:\\Links\\Apps\\";
        QTest::newRow("relative path above the drive") << "" << "" << false << "..\\..\\..\\..\\x.exe" << false
                                                       << "C:\\";
    }
    void getLinkDirectroy()
    {
        QFETCH(QString, base);
        QFETCH(QString, suffix);
        QFETCH(bool, unicode);
        QFETCH(QString, relative);
        QFETCH(bool, idList);
        QFETCH(QString, folder);
        TestWorld world;
        ShortcutFile::Options o;
        o.localBasePath = base.toStdString();
        o.commonPathSuffix = suffix.toStdString();
        o.unicodeLinkInfo = unicode;
        o.relativePath = w(relative);
        o.withIdList = idList;
        o.name = u"Vantrope";
        QDir().mkpath(world.onDriveC("Links/Sub/Deeper"));
        QVERIFY(ShortcutFile::write(QFile::encodeName(world.onDriveC("Links/Sub/Deeper/v.lnk")).toStdString(),
                                    ShortcutFile::build(o)));
        API_Quillmast qm;
        WCHAR out[260];
        memset(out, 0x55, sizeof out);
        QVERIFY(qm.GetLinkDirectroy(u"C:\\Links\\Sub\\Deeper\\v.lnk", out));
        QCOMPARE(q(out), folder);
    }

    void getLinkDirectroyFailures()
    {
        TestWorld world;
        API_Quillmast qm;
        WCHAR out[260];
        memset(out, 0x55, sizeof out);
        QVERIFY(!qm.GetLinkDirectroy(u"C:\\missing.lnk", out));
        QCOMPARE(q(out), QString());

        ShortcutFile::Options o;
        o.localBasePath = "C:\\Apps\\Vantrope\\Vantrope.exe";
        o.relativePath = u"..\\Apps\\Vantrope\\Vantrope.exe";
        const std::vector<uint8_t> good = ShortcutFile::build(o);
        const std::string local = QFile::encodeName(world.onDriveC("v.lnk")).toStdString();
        auto check = [&](const std::vector<uint8_t> &bytes, bool expected, const char *what) {
            QVERIFY(ShortcutFile::write(local, bytes));
            memset(out, 0x55, sizeof out);
            const bool ok = qm.GetLinkDirectroy(u"C:\\v.lnk", out);
            QVERIFY2(ok == expected, what);
            QVERIFY2(q(out) == (ok ? QString("C:\\Apps\\Vantrope\\") : QString()), what);
        };
        check(good, true, "intact");
        // Every cut of the file: never a read past its end, never a wrong folder.
        for (size_t n = 0; n < good.size(); ++n) {
            std::vector<uint8_t> cut(good.begin(), good.begin() + long(n));
            QVERIFY(ShortcutFile::write(local, cut));
            memset(out, 0x55, sizeof out);
            if (qm.GetLinkDirectroy(u"C:\\v.lnk", out))
                QCOMPARE(q(out), QString("C:\\Apps\\Vantrope\\"));
            else
                QCOMPARE(q(out), QString());
        }
        // Every byte damaged in turn: whatever comes out is a terminated folder.
        for (size_t i = 0; i < good.size(); ++i) {
            std::vector<uint8_t> damaged = good;
            damaged[i] = 0xFF;
            QVERIFY(ShortcutFile::write(local, damaged));
            memset(out, 0x55, sizeof out);
            const bool ok = qm.GetLinkDirectroy(u"C:\\v.lnk", out);
            QVERIFY(std::find(out, out + 256, WCHAR(0)) != out + 256);
            QVERIFY(ok || q(out).isEmpty());
        }
        std::vector<uint8_t> bad = good;
        bad[0] = 0x4D;
        check(bad, false, "header size");
        bad = good;
        bad[4] ^= 1;
        check(bad, false, "class id");
        // Sizes and offsets pointing outside the file or the LinkInfo.
        const size_t li = ShortcutFile::kLinkInfoStart;
        for (size_t field : {size_t(0), size_t(16), size_t(24)}) {
            bad = good;
            bad[li + field + 3] = 0x7F;
            memset(out, 0x55, sizeof out);
            QVERIFY(ShortcutFile::write(local, bad));
            if (qm.GetLinkDirectroy(u"C:\\v.lnk", out))
                QVERIFY(q(out).startsWith("C:\\"));
            else
                QCOMPARE(q(out), QString());
        }
        // A target too long for the 256-unit folder gives nothing, not a cut one.
        o.localBasePath = "C:\\" + std::string(300, 'd') + "\\v.exe";
        o.relativePath.clear();
        check(ShortcutFile::build(o), false, "too long");
        // No target at all.
        check(ShortcutFile::build(ShortcutFile::Options{}), false, "no target");
    }
};

QTEST_GUILESS_MAIN(TestQuillmast)
#include "tst_quillmast.moc"
