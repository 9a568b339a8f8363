// The Windows-call layer under the Quillmast library: profile strings, files
// without sharing, path mapping, starting programs, text conversion.

#include "quillmasttesthelpers.h"
#include "win32.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <clocale>

#include <cstring>
#include <vector>

using win32::WCHAR;

namespace {

std::vector<std::vector<std::string>> spawned;

int recordSpawn(const char *const *argv, const char *)
{
    std::vector<std::string> args;
    for (; *argv; ++argv)
        args.emplace_back(*argv);
    spawned.push_back(args);
    return 0;
}

QString readProfile(const QString &section, const QString &key, const QString &def, const QString &file,
                    int size = 256, int *length = nullptr)
{
    std::vector<WCHAR> out(size_t(size) + 1, u'#');
    const int n = int(win32::GetPrivateProfileStringW(w(section).c_str(), w(key).c_str(), w(def).c_str(), out.data(),
                                                      win32::DWORD(size), w(file).c_str()));
    if (length)
        *length = n;
    if (out[size_t(size)] != u'#')
        return "<overrun>";
    return QString::fromUtf16(out.data());
}

bool writeProfile(const QString &section, const char16_t *key, const char16_t *value, const QString &file)
{
    return win32::WritePrivateProfileStringW(w(section).c_str(), key, value, w(file).c_str()) != win32::FALSE;
}

win32::HANDLE open(const char16_t *path, win32::DWORD access, win32::DWORD share, win32::DWORD disposition)
{
    return win32::CreateFileW(path, access, share, nullptr, disposition, win32::FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

class TestWin32Layer : public QObject
{
    Q_OBJECT

private slots:
    // The byte checks below are written for a UTF-8 ANSI code page, whatever
    // locale the test was started in.
    void initTestCase() { setlocale(LC_CTYPE, "C.UTF-8"); }

    void readProfileString_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QByteArray ini = "; comment\r\n[Links]\r\nHome = https://a.example \r\nEmpty=\r\nQuoted=\"  x  \"\r\n"
                               "Single='y'\r\nHalf=\"z\r\n;Hidden=1\r\nEq=a=b\r\n  [ Other ]  \r\nHome=other\r\n";
        QTest::newRow("blanks trimmed") << ini << "Links" << "Home" << "https://a.example";
        QTest::newRow("section and key case") << ini << "LINKS" << "home" << "https://a.example";
        QTest::newRow("empty value, not the default") << ini << "Links" << "Empty" << "";
        QTest::newRow("double quotes removed") << ini << "Links" << "Quoted" << "  x  ";
        QTest::newRow("single quotes removed") << ini << "Links" << "Single" << "y";
        QTest::newRow("unmatched quote kept") << ini << "Links" << "Half" << "\"z";
        QTest::newRow("commented key") << ini << "Links" << "Hidden" << "<default>";
        QTest::newRow("value with =") << ini << "Links" << "Eq" << "a=b";
        QTest::newRow("section with blanks") << ini << "other" << "HOME" << "other";
        QTest::newRow("missing key") << ini << "Links" << "Nope" << "<default>";
        QTest::newRow("missing section") << ini << "Nope" << "Home" << "<default>";
        QTest::newRow("LF endings") << QByteArray("[a]\nk=v\n") << "A" << "K" << "v";
        QTest::newRow("no final line end") << QByteArray("[a]\nk=v") << "a" << "k" << "v";
        QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF[a]\nk=\xC3\xA9") << "a" << "k" << "\u00e9";
        QByteArray utf16("\xFF\xFE", 2);
        for (QChar c : QString("[a]\r\nk=\u4e2d\r\n"))
            utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
        QTest::newRow("UTF-16") << utf16 << "a" << "k" << "\u4e2d";
    }
    void readProfileString()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/t.ini"), ini));
        QCOMPARE(readProfile(section, key, "<default>", "t.ini"), value);
    }

    void readProfileStringBounds()
    {
        TestWorld world;
        QCOMPARE(readProfile("a", "k", "fallback", "missing.ini"), QString("fallback"));
        QVERIFY(TestWorld::writeFile(world.path("cwd/t.ini"), "[a]\nk=0123456789\n"));
        int length = 0;
        QCOMPARE(readProfile("a", "k", "", "t.ini", 5, &length), QString("0123"));
        QCOMPARE(length, 4);
        QCOMPARE(readProfile("a", "k", "", "t.ini", 11, &length), QString("0123456789"));
        QCOMPARE(length, 10);
        // Absolute Windows path on the mapped drive.
        QVERIFY(TestWorld::writeFile(world.onDriveC("Cfg/x.ini"), "[s]\nk=drive\n"));
        QCOMPARE(readProfile("s", "k", "", "C:\\Cfg\\x.ini"), QString("drive"));
        QCOMPARE(readProfile("s", "k", "", "c:/Cfg/../Cfg/x.ini"), QString("drive"));
    }

    // Everything the write does not change keeps its bytes.
    void writeProfileString_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");   // "-": NULL
        QTest::addColumn<QString>("value"); // "-": NULL
        QTest::addColumn<QByteArray>("after");
        const QByteArray lf = "; keep me\n[A]\nx = 1\n\n[B]\ny=2\n";
        QTest::newRow("replace in place") << lf << "a" << "X" << "9" << QByteArray("; keep me\n[A]\nX=9\n\n[B]\ny=2\n");
        QTest::newRow("add to section, before its blank line")
            << lf << "A" << "z" << "3" << QByteArray("; keep me\n[A]\nx = 1\nz=3\n\n[B]\ny=2\n");
        QTest::newRow("add section at the end") << lf << "C" << "k" << "v" << lf + "[C]\nk=v\n";
        QTest::newRow("no final line end") << QByteArray("[A]\r\nx=1") << "A" << "y" << "2"
                                            << QByteArray("[A]\r\nx=1\r\ny=2\r\n");
        QTest::newRow("remove key") << lf << "B" << "y" << "-" << QByteArray("; keep me\n[A]\nx = 1\n\n[B]\n");
        QTest::newRow("remove section") << lf << "A" << "-" << "-" << QByteArray("; keep me\n[B]\ny=2\n");
        QTest::newRow("other bytes kept") << QByteArray("[A]\r\nbad=\xff\xfe\x80\r\nx=1\r\n") << "A" << "x" << "2"
                                          << QByteArray("[A]\r\nbad=\xff\xfe\x80\r\nx=2\r\n");
        QTest::newRow("UTF-8 value") << QByteArray() << "S" << "k" << "\u00e9\U0001F600"
                                     << QByteArray("[S]\r\nk=\xC3\xA9\xF0\x9F\x98\x80\r\n");
    }
    void writeProfileString()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/t.ini"), before));
        const std::u16string k = w(key), v = w(value);
        QVERIFY(writeProfile(section, key == "-" ? nullptr : k.c_str(), value == "-" ? nullptr : v.c_str(), "t.ini"));
        QCOMPARE(TestWorld::readFile(world.path("cwd/t.ini")), after);
    }

    void writeProfileStringFiles()
    {
        TestWorld world;
        // A missing file is created, with CR LF endings.
        QVERIFY(writeProfile("VERSION", u"K", u"v", "new.ini"));
        QVERIFY(writeProfile("STATE", u"K", u"1", "new.ini"));
        QCOMPARE(TestWorld::readFile(world.path("cwd/new.ini")), QByteArray("[VERSION]\r\nK=v\r\n[STATE]\r\nK=1\r\n"));
        QCOMPARE(readProfile("state", "k", "", "new.ini"), QString("1"));
        // A missing folder is not.
        QVERIFY(!writeProfile("S", u"k", u"v", "nofolder\\x.ini"));
        // A UTF-16 file stays UTF-16.
        QByteArray utf16("\xFF\xFE[\0a\0]\0\r\0\n\0", 12);
        QVERIFY(TestWorld::writeFile(world.path("cwd/u.ini"), utf16));
        QVERIFY(writeProfile("a", u"k", u"\u4e2d", "u.ini"));
        QCOMPARE(TestWorld::readFile(world.path("cwd/u.ini")), utf16 + QByteArray("k\0=\0\x2d\x4e\r\0\n\0", 10));
        // A file held without sharing can be neither read nor written.
        win32::HANDLE held = open(u"new.ini", win32::GENERIC_READ | win32::GENERIC_WRITE, 0, win32::OPEN_EXISTING);
        QVERIFY(held != win32::INVALID_HANDLE_VALUE);
        QVERIFY(!writeProfile("STATE", u"K", u"2", "new.ini"));
        QCOMPARE(readProfile("STATE", "K", "none", "new.ini"), QString("none"));
        win32::CloseHandle(held);
        QCOMPARE(readProfile("STATE", "K", "none", "new.ini"), QString("1"));
    }

    void sharing_data()
    {
        QTest::addColumn<uint>("firstAccess");
        QTest::addColumn<uint>("firstShare");
        QTest::addColumn<uint>("secondAccess");
        QTest::addColumn<uint>("secondShare");
        QTest::addColumn<bool>("allowed");
        const uint R = win32::GENERIC_READ, W = win32::GENERIC_WRITE, SR = win32::FILE_SHARE_READ,
                   SW = win32::FILE_SHARE_WRITE;
        QTest::newRow("no sharing, read") << R << 0u << R << SR << false;
        QTest::newRow("no sharing, both unshared") << (R | W) << 0u << (R | W) << 0u << false;
        QTest::newRow("shared reads") << R << SR << R << SR << true;
        QTest::newRow("reader does not share") << R << SR << R << 0u << false;
        QTest::newRow("write not shared") << R << SR << W << SR << false;
        QTest::newRow("all shared") << (R | W) << (SR | SW) << (R | W) << (SR | SW) << true;
    }
    void sharing()
    {
        QFETCH(uint, firstAccess);
        QFETCH(uint, firstShare);
        QFETCH(uint, secondAccess);
        QFETCH(uint, secondShare);
        QFETCH(bool, allowed);
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/f.bin"), "content"));
        win32::HANDLE first = open(u"f.bin", firstAccess, firstShare, win32::OPEN_EXISTING);
        QVERIFY(first != win32::INVALID_HANDLE_VALUE);
        win32::HANDLE second = open(u"f.bin", secondAccess, secondShare, win32::OPEN_EXISTING);
        QCOMPARE(second != win32::INVALID_HANDLE_VALUE, allowed);
        if (second != win32::INVALID_HANDLE_VALUE)
            win32::CloseHandle(second);
        else
            QCOMPARE(win32::GetLastError(), win32::DWORD(win32::ERROR_SHARING_VIOLATION));
        win32::CloseHandle(first);
        second = open(u"f.bin", secondAccess, secondShare, win32::OPEN_EXISTING);
        QVERIFY(second != win32::INVALID_HANDLE_VALUE);
        win32::CloseHandle(second);
    }

    void sharingWithOtherProcessesAndTruncation()
    {
        const QString flock = QStandardPaths::findExecutable("flock");
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/f.bin"), "content"));
        win32::HANDLE held = open(u"f.bin", win32::GENERIC_READ, 0, win32::OPEN_EXISTING);
        QVERIFY(held != win32::INVALID_HANDLE_VALUE);
        // Creating anew while it is held fails and leaves the content.
        QCOMPARE(open(u"f.bin", win32::GENERIC_WRITE, 0, win32::CREATE_ALWAYS), win32::INVALID_HANDLE_VALUE);
        QCOMPARE(TestWorld::readFile(world.path("cwd/f.bin")), QByteArray("content"));
        if (!flock.isEmpty()) {
            QCOMPARE(QProcess::execute(flock, {"-n", world.path("cwd/f.bin"), "true"}), 1);
            win32::CloseHandle(held);
            QCOMPARE(QProcess::execute(flock, {"-n", world.path("cwd/f.bin"), "true"}), 0);
        } else {
            win32::CloseHandle(held);
        }
        win32::HANDLE again = open(u"f.bin", win32::GENERIC_WRITE, 0, win32::CREATE_ALWAYS);
        QVERIFY(again != win32::INVALID_HANDLE_VALUE);
        QCOMPARE(win32::GetLastError(), win32::DWORD(win32::ERROR_ALREADY_EXISTS));
        win32::CloseHandle(again);
        QCOMPARE(TestWorld::readFile(world.path("cwd/f.bin")), QByteArray());
        // Folders and missing files do not open; unknown handles are refused.
        QCOMPARE(open(u"C:\\", win32::GENERIC_READ, 0, win32::OPEN_EXISTING), win32::INVALID_HANDLE_VALUE);
        QCOMPARE(open(u"none.bin", win32::GENERIC_READ, 0, win32::OPEN_EXISTING), win32::INVALID_HANDLE_VALUE);
        QCOMPARE(win32::GetLastError(), win32::DWORD(win32::ERROR_FILE_NOT_FOUND));
        int notAHandle = 0;
        QCOMPARE(win32::CloseHandle(&notAHandle), win32::FALSE);
        if (flock.isEmpty())
            QSKIP("flock(1) not installed: the check against other processes was skipped");
    }

    void filePointerAndCopy()
    {
        TestWorld world;
        QVERIFY(TestWorld::writeFile(world.path("cwd/a.bin"), "0123456789"));
        win32::HANDLE h = open(u"a.bin", win32::GENERIC_READ, 0, win32::OPEN_EXISTING);
        QCOMPARE(win32::SetFilePointer(h, -3, nullptr, win32::FILE_END), win32::DWORD(7));
        QCOMPARE(win32::SetFilePointer(h, -11, nullptr, win32::FILE_END), win32::DWORD(win32::INVALID_SET_FILE_POINTER));
        QCOMPARE(win32::GetLastError(), win32::DWORD(win32::ERROR_NEGATIVE_SEEK));
        char buf[8] = {};
        win32::DWORD got = 0;
        QVERIFY(win32::ReadFile(h, buf, 8, &got, nullptr)); // still at 7
        QCOMPARE(QByteArray(buf, int(got)), QByteArray("789"));
        QVERIFY(win32::ReadFile(h, buf, 8, &got, nullptr));
        QCOMPARE(got, win32::DWORD(0));
        win32::DWORD written = 0;
        QVERIFY(!win32::WriteFile(h, "x", 1, &written, nullptr)); // opened for reading only
        // Neither do the runtime's opens, which share everything.
        QCOMPARE(win32::_wfopen(u"a.bin", u"rb"), static_cast<FILE *>(nullptr));
        QCOMPARE(win32::fopen("a.bin", "wb"), static_cast<FILE *>(nullptr));
        // Copying a file that is held without sharing fails.
        QVERIFY(!win32::CopyFileW(u"a.bin", u"b.bin", win32::FALSE));
        win32::CloseHandle(h);
        QVERIFY(win32::CopyFileW(u"a.bin", u"C:\\b.bin", win32::FALSE));
        QCOMPARE(TestWorld::readFile(world.onDriveC("b.bin")), QByteArray("0123456789"));
        QVERIFY(!win32::CopyFileW(u"a.bin", u"C:\\b.bin", win32::TRUE));
        QVERIFY(!win32::CopyFileW(u"a.bin", u"a.bin", win32::FALSE));
        h = open(u"a.bin", win32::GENERIC_READ, win32::FILE_SHARE_READ, win32::OPEN_EXISTING);
        FILE *reader = win32::_wfopen(u"a.bin", u"rb");
        QVERIFY(reader);
        fclose(reader);
        QCOMPARE(win32::_wfopen(u"a.bin", u"ab"), static_cast<FILE *>(nullptr));
        win32::CloseHandle(h);
        QCOMPARE(TestWorld::readFile(world.path("cwd/a.bin")), QByteArray("0123456789"));
    }

    void paths_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("local");
        QTest::newRow("drive C") << "C:\\ProgramData\\Quorvix\\a b.lnk" << "/r/c/ProgramData/Quorvix/a b.lnk";
        QTest::newRow("lower-case drive, slashes") << "d:/x/y" << "/r/d/x/y";
        QTest::newRow("drive root") << "C:\\" << "/r/c";
        QTest::newRow("drive Z is the local root") << "Z:\\usr\\bin\\sh" << "/usr/bin/sh";
        QTest::newRow("rooted") << "\\tmp\\x" << "/tmp/x";
        QTest::newRow("local path") << "/tmp/x" << "/tmp/x";
        QTest::newRow("relative") << "sub\\Version.ini" << "sub/Version.ini";
        QTest::newRow("non-ASCII") << "C:\\\u00e9" << "/r/c/\u00e9";
    }
    void paths()
    {
        QFETCH(QString, windows);
        QFETCH(QString, local);
        win32::SetDriveRoot("/r");
        QCOMPARE(QString::fromStdString(win32::LocalPath(w(windows).c_str())), local);
        win32::SetDriveRoot(nullptr);
    }

    void pathsBack()
    {
        win32::SetDriveRoot("/r");
        QCOMPARE(QString::fromStdU16String(win32::WindowsPathFromLocal("/usr/bin/x")), QString("Z:\\usr\\bin\\x"));
        QCOMPARE(QString::fromStdU16String(win32::WindowsPathFromLocal("/r/c/Apps/x.exe")), QString("C:\\Apps\\x.exe"));
        QCOMPARE(QString::fromStdU16String(win32::WindowsPathFromLocal("/r/cc/x")), QString("Z:\\r\\cc\\x"));
        win32::SetDriveRoot(nullptr);
        qputenv("VANTROPE_DRIVE_ROOT", "/env/root");
        QCOMPARE(QString::fromStdString(win32::LocalPath(u"C:\\x")), QString("/env/root/c/x"));
        qunsetenv("VANTROPE_DRIVE_ROOT");
        qputenv("XDG_DATA_HOME", "/xdg");
        QCOMPARE(QString::fromStdString(win32::LocalPath(u"C:\\x")), QString("/xdg/vantrope/drives/c/x"));
        qunsetenv("XDG_DATA_HOME");
        // The executable, as a Windows path of the local file.
        WCHAR module[260];
        QVERIFY(win32::GetModuleFileNameW(nullptr, module, 260) > 0);
        QCOMPARE(QString::fromStdString(win32::LocalPath(module)), QFileInfo("/proc/self/exe").canonicalFilePath());
        WCHAR small[8];
        QCOMPARE(win32::GetModuleFileNameW(nullptr, small, 8), win32::DWORD(8));
        QCOMPARE(QString::fromUtf16(small).size(), 7);
    }

    void shellExecute_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("parameters"); // "-": NULL
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("argv");
        QTest::newRow("web address") << "open" << "https://q.example/?a=1;b" << "-" << 33
                                     << QStringList{"xdg-open", "https://q.example/?a=1;b"};
        QTest::newRow("no verb, mail") << "" << "mailto:x@q.example" << "-" << 33
                                       << QStringList{"xdg-open", "mailto:x@q.example"};
        QTest::newRow("document") << "open" << "C:\\Docs\\a.txt" << "-" << 33
                                  << QStringList{"xdg-open", "/r/c/Docs/a.txt"};
        QTest::newRow("script, quoted argument") << "open" << "cmd.exe" << "/C signtool.bat \"a \"b\" c\"" << 33
                                                 << QStringList{"/bin/sh", "./signtool.bat", "a \"b\" c"};
        QTest::newRow("script, words") << "open" << "CMD.EXE" << "/c tools\\sign.bat one  two" << 33
                                       << QStringList{"/bin/sh", "tools/sign.bat", "one", "two"};
        QTest::newRow("quoted script, no argument") << "open" << "cmd" << "/C \"my sign.bat\"" << 33
                                                    << QStringList{"/bin/sh", "./my sign.bat"};
        QTest::newRow("cmd without /C") << "open" << "cmd.exe" << "/K x.bat" << 31 << QStringList{};
        QTest::newRow("program with parameters") << "open" << "C:\\x.exe" << "-a" << 31 << QStringList{};
        QTest::newRow("other verb") << "print" << "C:\\a.txt" << "-" << 31 << QStringList{};
        QTest::newRow("no file") << "open" << "" << "-" << 2 << QStringList{};
    }
    void shellExecute()
    {
        QFETCH(QString, verb);
        QFETCH(QString, file);
        QFETCH(QString, parameters);
        QFETCH(int, result);
        QFETCH(QStringList, argv);
        win32::SetDriveRoot("/r");
        spawned.clear();
        win32::SetProcessSpawner(recordSpawn);
        const std::u16string v = w(verb), f = w(file), p = w(parameters);
        win32::HINSTANCE r = win32::ShellExecuteW(nullptr, verb.isEmpty() ? nullptr : v.c_str(), f.c_str(),
                                                  parameters == "-" ? nullptr : p.c_str(), nullptr, win32::SW_SHOW);
        win32::SetProcessSpawner(nullptr);
        win32::SetDriveRoot(nullptr);
        QCOMPARE(int(reinterpret_cast<intptr_t>(r)), result);
        QStringList got;
        if (!spawned.empty())
            for (const std::string &a : spawned[0])
                got << QString::fromStdString(a);
        QCOMPARE(got, argv);
        QVERIFY(spawned.size() <= 1);
    }

    void wideCharToMultiByte()
    {
        char out[16];
        QCOMPARE(win32::WideCharToMultiByte(win32::CP_ACP, 0, u"a\u00e9\U0001F600", -1, nullptr, 0, nullptr, nullptr), 8);
        QCOMPARE(win32::WideCharToMultiByte(win32::CP_ACP, 0, u"a\u00e9\U0001F600", -1, out, 16, nullptr, nullptr), 8);
        QCOMPARE(QByteArray(out, 8), QByteArray("a\xC3\xA9\xF0\x9F\x98\x80\0", 8));
        const WCHAR lone[] = {u'x', WCHAR(0xD800), u'y', 0};
        QCOMPARE(win32::WideCharToMultiByte(win32::CP_ACP, 0, lone, -1, out, 16, nullptr, nullptr), 6);
        QCOMPARE(QByteArray(out), QByteArray("x\xEF\xBF\xBDy"));
        memset(out, 'Z', sizeof out);
        QCOMPARE(win32::WideCharToMultiByte(win32::CP_ACP, 0, u"abc", -1, out, 3, nullptr, nullptr), 0);
        QCOMPARE(win32::GetLastError(), win32::DWORD(win32::ERROR_INSUFFICIENT_BUFFER));
        QCOMPARE(QByteArray(out, 4), QByteArray("ZZZZ"));
        WCHAR wide[8];
        QCOMPARE(win32::MultiByteToWideChar(win32::CP_ACP, 0, "\xC3\xA9\xFF", -1, wide, 8), 3);
        QCOMPARE(QString::fromUtf16(wide), QString("\u00e9\uFFFD"));
    }

    void formatting()
    {
        WCHAR buf[12];
        for (WCHAR &c : buf)
            c = u'#';
        QCOMPARE(win32::wnsprintfW(buf, 8, u"%s=%d%%", u"ab", -42), 7);
        QCOMPARE(QString::fromUtf16(buf), QString("ab=-42%"));
        QCOMPARE(win32::wnsprintfW(buf, 8, u"%s\\%s", u"abcd", u"efgh"), -1);
        QCOMPARE(QString::fromUtf16(buf), QString("abcd\\ef"));
        QCOMPARE(int(buf[8]), int(u'#'));
        QCOMPARE(win32::wnsprintfW(buf, 12, u"%u %x %c", 7u, 255u, int(u'Z')), 6);
        QCOMPARE(QString::fromUtf16(buf), QString("7 ff Z"));
    }

    void toInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "17" << 17;
        QTest::newRow("blanks and sign") << "  -5x" << -5;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too large") << "99999999999" << 2147483647;
        QTest::newRow("too small") << "-99999999999" << int(-2147483647 - 1);
    }
    void toInteger()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(win32::_wtoi(w(text).c_str()), value);
    }
};

QTEST_GUILESS_MAIN(TestWin32Layer)
#include "tst_win32layer.moc"
