// The per-user instance lock, in one process and across real processes of the
// program; and the version block the program file carries for its About box.
#include "fileversioninfo.h"
#include "instancemutex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace PlatformInstance;

namespace {

// True when some other handle holds the name right now; probes without
// keeping it.
bool isHeldElsewhere(const wchar_t *name)
{
    HANDLE probe = CreateMutexW(nullptr, true, name);
    const DWORD error = GetLastError();
    CloseHandle(probe);
    return error == ERROR_ALREADY_EXISTS;
}

// The process holding the flock on a lock file, from /proc/locks, or 0.
// Looking does not take the lock, so it cannot make a starting program
// believe it is the second copy.
qint64 lockHolder(const QString &lockFile)
{
    struct stat st;
    if (stat(QFile::encodeName(lockFile).constData(), &st) != 0)
        return 0;
    QFile locks("/proc/locks");
    if (!locks.open(QIODevice::ReadOnly))
        return 0;
    const QString inodeSuffix = ":" + QString::number(qulonglong(st.st_ino));
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QStringList fields = QString::fromLatin1(line).simplified().split(' ');
        // "1: FLOCK ADVISORY WRITE <pid> <maj>:<min>:<inode> 0 EOF"
        if (fields.size() >= 6 && fields.at(1) == "FLOCK" && fields.at(5).endsWith(inodeSuffix))
            return fields.at(4).toLongLong();
    }
    return 0;
}

} // namespace

class TestInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondHandleIsRefusedUntilFirstCloses();
    void lockIsNotInheritedByChildProcesses();
    void lockFolder_data();
    void lockFolder();

    void secondProgramExitsAtOnce_data();
    void secondProgramExitsAtOnce();

    void programCarriesItsVersion();

private:
    QProcess *startProgram();

    QScopedPointer<QTemporaryDir> runtimeDir;
    QList<QProcess *> programs;
};

void TestInstance::init()
{
    runtimeDir.reset(new QTemporaryDir);
    QVERIFY(runtimeDir->isValid());
    QFile::setPermissions(runtimeDir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir->path()));
}

void TestInstance::cleanup()
{
    for (QProcess *program : programs) {
        if (program->state() != QProcess::NotRunning) {
            program->kill();
            program->waitForFinished(10000);
        }
        delete program;
    }
    programs.clear();
}

void TestInstance::secondHandleIsRefusedUntilFirstCloses()
{
    HANDLE first = CreateMutexW(nullptr, true, L"Vantrope");
    QVERIFY(first);
    QCOMPARE(GetLastError(), ERROR_SUCCESS);

    HANDLE second = CreateMutexW(nullptr, true, L"Vantrope");
    QVERIFY(second); // like an opened existing mutex: a handle, not the lock
    QCOMPARE(GetLastError(), ERROR_ALREADY_EXISTS);
    CloseHandle(second);
    QVERIFY(isHeldElsewhere(L"Vantrope")); // closing the refused handle freed nothing

    QVERIFY(!isHeldElsewhere(L"Other")); // names are independent

    CloseHandle(first);
    HANDLE third = CreateMutexW(nullptr, true, L"Vantrope");
    QCOMPARE(GetLastError(), ERROR_SUCCESS);
    CloseHandle(third);
}

void TestInstance::lockIsNotInheritedByChildProcesses()
{
    // A browser or file manager started by the program must not keep the
    // program's lock alive after the program ends.
    HANDLE lock = CreateMutexW(nullptr, true, L"Vantrope");
    QCOMPARE(GetLastError(), ERROR_SUCCESS);
    QProcess child;
    child.start("sleep", {"30"});
    QVERIFY(child.waitForStarted());
    CloseHandle(lock);
    const bool held = isHeldElsewhere(L"Vantrope");
    child.kill();
    child.waitForFinished();
    QVERIFY(!held);
}

void TestInstance::lockFolder_data()
{
    QTest::addColumn<QString>("runtimeMode"); // private, unset, shared
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inRuntimeDir");
    QTest::addColumn<QString>("fileName");

    // Not the program's own name: a running copy may hold that in /tmp.
    QTest::newRow("private runtime folder") << "private" << "LockTest" << true << "LockTest.lock";
    QTest::newRow("no runtime folder") << "unset" << "LockTest" << false << "LockTest.lock";
    QTest::newRow("runtime folder others can write") << "shared" << "LockTest" << false << "LockTest.lock";
    QTest::newRow("separators stay inside") << "private" << "../a/b" << true << ".._a_b.lock";
}

void TestInstance::lockFolder()
{
    QFETCH(QString, runtimeMode);
    QFETCH(QString, name);
    QFETCH(bool, inRuntimeDir);
    QFETCH(QString, fileName);

    if (runtimeMode == "unset")
        qunsetenv("XDG_RUNTIME_DIR");
    else if (runtimeMode == "shared")
        chmod(QFile::encodeName(runtimeDir->path()).constData(), 0777);

    const std::wstring wideName = name.toStdWString();
    const QString path = QFile::decodeName(lockFilePath(wideName.c_str()));
    const QString expectedFolder = inRuntimeDir
        ? runtimeDir->path()
        : QStringLiteral("/tmp/vantrope-%1").arg(geteuid());
    QCOMPARE(path, expectedFolder + "/" + fileName);

    HANDLE lock = CreateMutexW(nullptr, true, wideName.c_str());
    QCOMPARE(GetLastError(), ERROR_SUCCESS);
    QVERIFY(QFile::exists(path));
    struct stat st;
    QCOMPARE(stat(QFile::encodeName(QFileInfo(path).path()).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 077), 0);
    CloseHandle(lock);
}

QProcess *TestInstance::startProgram()
{
    auto *program = new QProcess;
    programs << program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtimeDir->path());
    program->setProcessEnvironment(env);
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program->start(QCoreApplication::applicationDirPath() + "/Vantrope", QStringList());
    return program;
}

void TestInstance::secondProgramExitsAtOnce_data()
{
    QTest::addColumn<bool>("killHard");
    QTest::newRow("first ended") << false;
    QTest::newRow("first killed with SIGKILL") << true;
}

void TestInstance::secondProgramExitsAtOnce()
{
    QFETCH(bool, killHard);

    const QString lockFile = QFile::decodeName(lockFilePath(L"Vantrope"));
    QProcess *first = startProgram();
    QVERIFY(first->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(lockFile), first->processId(), 30000);

    QProcess *second = startProgram();
    QVERIFY(second->waitForFinished(30000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 255); // -1 as the system reports it
    QVERIFY(second->readAllStandardOutput().isEmpty());

    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(lockHolder(lockFile), first->processId());

    if (killHard)
        first->kill();
    else
        first->terminate();
    QVERIFY(first->waitForFinished(30000));

    QProcess *third = startProgram();
    QVERIFY(third->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(lockFile), third->processId(), 30000);
    QCOMPARE(third->state(), QProcess::Running);
}

void TestInstance::programCarriesItsVersion()
{
    // The About dialog shows what the program file's version block says.
    const std::wstring program = (QCoreApplication::applicationDirPath() + "/Vantrope").toStdWString();
    uint32_t handle = 0;
    const uint32_t size = GetFileVersionInfoSizeW(program.c_str(), &handle);
    QVERIFY(size > 0);
    QByteArray block(int(size), 0);
    QVERIFY(GetFileVersionInfoW(program.c_str(), handle, size, block.data()));
    void *fixed = nullptr;
    uint32_t length = 0;
    QVERIFY(VerQueryValueW(block.constData(), L"\\", &fixed, &length));
    QVERIFY(length > 0);
}

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
