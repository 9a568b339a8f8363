#include "PhotoFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Which names count as photos, and what a dropped or chosen set of paths
// expands to.
class TestPhotoFiles : public QObject
{
    Q_OBJECT
private slots:
    void heifNames_data();
    void heifNames();
    void collectFilesAndFolders();
};

void TestPhotoFiles::heifNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("photo");
    QTest::newRow("upper HEIC") << "IMG_1.HEIC" << true;
    QTest::newRow("lower heic") << "IMG_1234.heic" << true;
    QTest::newRow("mixed Heic") << "b.Heic" << true;
    QTest::newRow("heif") << "x.heif" << true;
    QTest::newRow("camera HIF") << "DSC0001.HIF" << true;
    QTest::newRow("camera hif") << "/a/b/DSC0001.hif" << true;
    QTest::newRow("jpeg") << "c.jpg" << false;
    QTest::newRow("suffix alone") << ".heic" << false;
    QTest::newRow("suffix inside") << "x.heic.txt" << false;
    QTest::newRow("empty") << "" << false;
}

void TestPhotoFiles::heifNames()
{
    QFETCH(QString, name);
    QFETCH(bool, photo);
    QCOMPARE(PhotoFiles::isHeifPhotoName(name), photo);
}

static void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

void TestPhotoFiles::collectFilesAndFolders()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.path();
    touch(root + "/top/b.HEIC");
    touch(root + "/top/a.heic");
    touch(root + "/top/notes.txt");
    touch(root + "/top/sub/c.hif");
    touch(root + "/loose.heif");
    touch(root + "/loose.png");
    QDir().mkpath(root + "/top/folder.heic"); // a folder with a photo's name is no photo
    // A link back up the tree must not make the walk go round.
    QVERIFY(QFile::link(root + "/top", root + "/top/sub/loop"));

    const QStringList given{root + "/top", root + "/loose.heif", root + "/loose.png",
                            root + "/top/a.heic", root + "/missing.heic"};

    const PhotoFiles::Collected flat = PhotoFiles::collect(given, false);
    QCOMPARE(flat.photos, (QVector<QString>{root + "/top/a.heic", root + "/top/b.HEIC",
                                            root + "/loose.heif"}));
    QCOMPARE(flat.skipped, 2); // loose.png, missing.heic

    const PhotoFiles::Collected deep = PhotoFiles::collect(given, true);
    QCOMPARE(deep.photos, (QVector<QString>{root + "/top/a.heic", root + "/top/b.HEIC",
                                            root + "/top/sub/c.hif", root + "/loose.heif"}));
}

QTEST_GUILESS_MAIN(TestPhotoFiles)
#include "tst_photofiles.moc"
