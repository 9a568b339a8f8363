// The huge-page restart: large blocks must come in huge pages afterwards, and
// whatever the program starts must see the user's own environment again.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

class TestEngineMemory : public QObject
{
    Q_OBJECT

private slots:
    void restartAddsTheTunableAndPutsTheEnvironmentBack_data();
    void restartAddsTheTunableAndPutsTheEnvironmentBack();
};

namespace {

// The restart helps only in the kernel's "madvise" mode; elsewhere the
// process goes on untouched.
bool kernelInMadviseMode()
{
    QFile mode(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    return mode.open(QIODevice::ReadOnly) && mode.readAll().contains("[madvise]");
}

const char kUnset[] = "(none)";

} // namespace

void TestEngineMemory::restartAddsTheTunableAndPutsTheEnvironmentBack_data()
{
    QTest::addColumn<QString>("userTunables"); // (none): not set
    QTest::addColumn<bool>("hugePages");      // in madvise mode
    QTest::newRow("not set") << kUnset << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("other tunables kept") << "glibc.malloc.mmap_max=65536" << true;
    QTest::newRow("the user's own choice wins") << "glibc.malloc.hugetlb=0" << false;
}

void TestEngineMemory::restartAddsTheTunableAndPutsTheEnvironmentBack()
{
    QFETCH(QString, userTunables);
    QFETCH(bool, hugePages);
    hugePages = hugePages && kernelInMadviseMode();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("GLIBC_TUNABLES"));
    if (userTunables != QLatin1String(kUnset))
        environment.insert(QStringLiteral("GLIBC_TUNABLES"), userTunables);
    // Started through a link, as from <bindir>: the process keeps the
    // link's name.
    QTemporaryDir links;
    QVERIFY(links.isValid());
    const QString started = links.filePath(QStringLiteral("probe-link"));
    QVERIFY(QFile::link(QCoreApplication::applicationDirPath() + QStringLiteral("/enginememory_probe"), started));
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(started, {QStringLiteral("a b")});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("huge pages: ") + QLatin1String(hugePages ? "yes" : "no"));
    QCOMPARE(lines.value(1), QStringLiteral("now: ") + userTunables);
    QCOMPARE(lines.value(2), QStringLiteral("mark: ") + kUnset);
    QCOMPARE(lines.value(3), QStringLiteral("argument: a b"));
    QCOMPARE(lines.value(4), QStringLiteral("name: probe-link"));
}

QTEST_GUILESS_MAIN(TestEngineMemory)
#include "tst_enginememory.moc"
