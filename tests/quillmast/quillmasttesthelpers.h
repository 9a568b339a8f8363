#pragma once

// Helpers shared by the Quillmast tests: a temporary world (drive root,
// executable folder, current directory) and text conversions.

#include "API_Quillmast.h"
#include "win32.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <string>

// Reaches the private operations and the fields.
class QuillmastTestPeer
{
public:
    static int unicodeToAscii(LL::API_Quillmast &q, const LL::WCHAR *text, char *bytes, int capacity)
    {
        return q.UnicodeToAscii(text, bytes, capacity);
    }
    static void getStartMenuPath(LL::API_Quillmast &q, LL::WCHAR *path) { q.GetStartMenuPath(path); }
    static bool getVersionFilePath(LL::API_Quillmast &q, LL::WCHAR *path) { return q.GetVersionFilePath(path); }
    static const LL::InstallRecord &install(const LL::API_Quillmast &q) { return q.install; }
    static const LL::MenuEntry *menu(const LL::API_Quillmast &q) { return q.menu; }
};

inline std::u16string w(const QString &s) { return s.toStdU16String(); }
inline QString q(const LL::WCHAR *s) { return QString::fromUtf16(s); }

// A temporary folder standing for the machine: drive C: below drives/c, the
// running executable in exe/, the current directory in cwd/.
class TestWorld
{
public:
    TestWorld()
    {
        QDir root(dir.path());
        root.mkpath("drives/c");
        root.mkpath("exe");
        root.mkpath("cwd");
        previousCwd = QDir::currentPath();
        QDir::setCurrent(path("cwd"));
        win32::SetDriveRoot(QFile::encodeName(path("drives")).constData());
        win32::SetModulePath(QFile::encodeName(path("exe/Vantrope")).constData());
    }
    ~TestWorld()
    {
        QDir::setCurrent(previousCwd);
        win32::SetDriveRoot(nullptr);
        win32::SetModulePath(nullptr);
    }
    TestWorld(const TestWorld &) = delete;
    TestWorld &operator=(const TestWorld &) = delete;

    QString path(const QString &relative) const { return dir.path() + "/" + relative; }
    // The local file behind a path on drive C:, e.g. "Apps/x" for "C:\Apps\x".
    QString onDriveC(const QString &relative) const { return path("drives/c/" + relative); }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir;
    QString previousCwd;
};
