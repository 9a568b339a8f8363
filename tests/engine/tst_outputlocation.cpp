#include "OutputLocation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using OutputLocation::Form;

class TestOutputLocation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void outputName_data();
    void outputName();

    void completeSavePath_data();
    void completeSavePath();

    void defaultFolderIsCreatedWithMissingDesktop_data();
    void defaultFolderIsCreatedWithMissingDesktop();
    void chosenFolderIsCreatedOneLevelOnly();
    void inputInsideTargetFolderIsNeverTheOutput();
    void onlyARealFolderOfTheUserIsUsed_data();
    void onlyARealFolderOfTheUserIsUsed();

private:
    QTemporaryDir m_home;
    QString m_desktop;
};

void TestOutputLocation::initTestCase()
{
    // A home of our own without a Desktop folder: the default must still work.
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + "/config"));
    m_desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QVERIFY2(m_desktop.startsWith(m_home.path()), qPrintable(m_desktop));
    QVERIFY(!QFileInfo::exists(m_desktop));
}

void TestOutputLocation::outputName_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("upper") << "IMG_0001.HEIC" << "IMG_0001.jpg";
    QTest::newRow("lower") << "a.heic" << "a.jpg";
    QTest::newRow("mixed case") << "b.Heic" << "b.jpg";
    QTest::newRow("heif") << "a.heif" << "a.jpg";
    QTest::newRow("camera HIF") << "x.HIF" << "x.jpg";
    QTest::newRow("mixed case after replaced") << "x.heic.Heic" << "x.jpg.jpg";
    QTest::newRow("suffix only") << ".HEIF" << ".HEIF.jpg";
    QTest::newRow("jpeg input") << "c.jpg" << "c.jpg";
    QTest::newRow("twice lower") << "x.heic.heic" << "x.jpg.jpg";
    QTest::newRow("upper then lower") << "trip.HEIC.heic" << "trip.jpg.jpg";
    QTest::newRow("inside the name") << "my.HEICphoto.HEIC" << "my.jpgphoto.jpg";
    QTest::newRow("no extension") << "exit" << "exit.jpg";
    QTest::newRow("other image suffix") << "photo.png" << "photo.png.jpg";
    QTest::newRow("jpeg upper") << "C.JPG" << "C.JPG";
    QTest::newRow("jpeg long") << "d.jpeg" << "d.jpeg";
    QTest::newRow("unicode") << QString::fromUtf8("фото 照片.HEIC") << QString::fromUtf8("фото 照片.jpg");
}

void TestOutputLocation::outputName()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(OutputLocation::outputName(input), expected);
}

void TestOutputLocation::completeSavePath_data()
{
    QTest::addColumn<bool>("batch");
    QTest::addColumn<QString>("savePath");
    QTest::addColumn<QString>("expected"); // "<desktop>" stands for the desktop folder

    QTest::newRow("batch empty") << true << "" << "<desktop>/Quorvix/";
    QTest::newRow("single empty") << false << "" << "<desktop>/Quorvix";
    QTest::newRow("batch folder") << true << "C:/Pictures" << "C:/Pictures/Quorvix";
    QTest::newRow("single folder") << false << "C:/Pictures" << "C:/Pictures/Quorvix";
    QTest::newRow("batch has it") << true << "C:/Work/QuorvixOld" << "C:/Work/QuorvixOld";
    QTest::newRow("single has it") << false << "C:/Work/QuorvixOld" << "C:/Work/QuorvixOld";
    QTest::newRow("batch case-sensitive") << true << "C:/work/quorvix" << "C:/work/quorvix/Quorvix";
    QTest::newRow("batch backslashes") << true << "C:\\Work\\Quorvix" << "C:\\Work\\Quorvix/Quorvix";
    QTest::newRow("batch drive root") << true << "D:/" << "D://Quorvix";
    QTest::newRow("single drive root") << false << "D:/" << "D:/Quorvix";
    QTest::newRow("single trailing slash") << false << "/tmp/" << "/tmp//Quorvix";
}

void TestOutputLocation::completeSavePath()
{
    QFETCH(bool, batch);
    QFETCH(QString, savePath);
    QFETCH(QString, expected);
    expected.replace("<desktop>", m_desktop);
    OutputLocation::completeSavePath(savePath, batch ? Form::Batch : Form::SinglePhoto);
    QCOMPARE(savePath, expected);
    // Complete once, stable afterwards: the rewritten value serves the next file.
    OutputLocation::completeSavePath(savePath, batch ? Form::Batch : Form::SinglePhoto);
    QCOMPARE(savePath, expected);
}

void TestOutputLocation::defaultFolderIsCreatedWithMissingDesktop_data()
{
    QTest::addColumn<bool>("batch");
    QTest::addColumn<QString>("expectedPath");
    QTest::newRow("batch") << true << "/Quorvix//IMG_1.jpg";
    QTest::newRow("single") << false << "/Quorvix/IMG_1.jpg";
}

void TestOutputLocation::defaultFolderIsCreatedWithMissingDesktop()
{
    QFETCH(bool, batch);
    QFETCH(QString, expectedPath);
    QDir(m_desktop).removeRecursively();
    QString savePath;
    bool ready = false;
    const QString out = OutputLocation::resolve(savePath, "/elsewhere/IMG_1.HEIC",
                                                batch ? Form::Batch : Form::SinglePhoto, &ready);
    QVERIFY(ready);
    QVERIFY(QFileInfo(m_desktop + "/Quorvix").isDir());
    QCOMPARE(out, m_desktop + expectedPath);
    QCOMPARE(savePath, m_desktop + (batch ? "/Quorvix/" : "/Quorvix"));
}

void TestOutputLocation::chosenFolderIsCreatedOneLevelOnly()
{
    QTemporaryDir root;
    QString savePath = root.path() + "/Pictures";
    bool ready = true;
    OutputLocation::batchOutputPath(savePath, "/x/a.HEIC", &ready);
    QVERIFY(!ready);
    QVERIFY(!QFileInfo::exists(root.path() + "/Pictures"));

    QVERIFY(QDir(root.path()).mkdir("Pictures"));
    savePath = root.path() + "/Pictures";
    const QString out = OutputLocation::batchOutputPath(savePath, "/x/a.HEIC", &ready);
    QVERIFY(ready);
    QCOMPARE(out, root.path() + "/Pictures/Quorvix/a.jpg");
    QVERIFY(QFileInfo(root.path() + "/Pictures/Quorvix").isDir());
}

void TestOutputLocation::inputInsideTargetFolderIsNeverTheOutput()
{
    QTemporaryDir root;
    const QString folder = root.path() + "/Quorvix";
    QVERIFY(QDir().mkpath(folder));
    // Names the rule leaves as they are would name the input itself.
    for (const QString &name : {QStringLiteral("c.jpg"), QStringLiteral("d.JPEG")}) {
        QFile f(folder + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("input");
        f.close();
        const QString numbered = name == "d.JPEG" ? "d (2).JPEG" : "c (2).jpg";
        QString savePath = folder;
        QCOMPARE(OutputLocation::batchOutputPath(savePath, folder + "/" + name), folder + "/" + numbered);
        // Also when the input is named through another spelling of the folder.
        savePath = root.path() + "/./Quorvix";
        QCOMPARE(OutputLocation::singlePhotoOutputPath(savePath, folder + "/" + name),
                 root.path() + "/./Quorvix/" + numbered);
    }
    // A name the rule does change is fine as it is.
    QString savePath = folder;
    QCOMPARE(OutputLocation::batchOutputPath(savePath, folder + "/b.Heic"), folder + "/b.jpg");
}

void TestOutputLocation::onlyARealFolderOfTheUserIsUsed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("link to a folder") << "link" << "is a symbolic link";
    QTest::newRow("dangling link") << "dangling" << "is a symbolic link";
    QTest::newRow("a file") << "file" << "is not a folder";
    QTest::newRow("another user's") << "foreign" << "belongs to another user";
}

void TestOutputLocation::onlyARealFolderOfTheUserIsUsed()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir root;
    const QString quorvix = root.path() + "/Quorvix";
    const QString elsewhere = root.path() + "/elsewhere";
    QVERIFY(QDir().mkpath(elsewhere));
    if (kind == "link")
        QVERIFY(QFile::link(elsewhere, quorvix));
    else if (kind == "dangling")
        QVERIFY(QFile::link(root.path() + "/missing", quorvix));
    else if (kind == "file")
        QVERIFY(QFile(quorvix).open(QIODevice::WriteOnly));
    else {
        if (::geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        QVERIFY(QDir().mkpath(quorvix));
        QCOMPARE(::chown(QFile::encodeName(quorvix).constData(), 65534, 65534), 0);
    }
    for (const QString &savePath : {root.path(), quorvix + "/"}) {
        QString path = savePath;
        bool ready = true;
        QString why;
        OutputLocation::batchOutputPath(path, "/x/a.HEIC", &ready, &why);
        QVERIFY(!ready);
        QVERIFY2(why.contains(quorvix + " ") || why.startsWith(quorvix), qPrintable(why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }
    // Nothing was created through the link.
    QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(!QFileInfo::exists(root.path() + "/missing"));

    // A subfolder level may not be a link either.
    if (kind == "link") {
        const QString real = root.path() + "/real";
        QVERIFY(QDir().mkpath(real));
        QVERIFY(QFile::link(elsewhere, real + "/a"));
        QString why;
        QVERIFY(!OutputLocation::prepareSubfolder(real, "a/b", &why));
        QVERIFY2(why.contains("symbolic link"), qPrintable(why));
        QVERIFY(!QFileInfo::exists(elsewhere + "/b"));
        QVERIFY(OutputLocation::prepareSubfolder(real, "c/d", &why));
        QVERIFY(QFileInfo(real + "/c/d").isDir());
    }
}

QTEST_GUILESS_MAIN(TestOutputLocation)
#include "tst_outputlocation.moc"
