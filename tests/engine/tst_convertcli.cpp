// vantrope-convert as a user runs it: a separate process over real files.

#include "Heif2jpg.h"

#include "heicfixture.h"
#include "jpeginspect.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runConvert(const QStringList &args)
{
    QProcess p;
    p.setProgram(QCoreApplication::applicationDirPath() + "/vantrope-convert");
    p.setArguments(args);
    p.start();
    Run r;
    if (!p.waitForFinished(240000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool decoderWorks()
{
    return bindDecoder() != nullptr;
}

// Only finished JPEGs in the folder: no temporary or partial files.
void verifyOnlyJpegs(const QString &folder, const QStringList &expectedNames)
{
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    QCOMPARE(names, expectedNames);
    for (const QString &name : names) {
        const QByteArray data = readAll(folder + "/" + name);
        QVERIFY2(data.startsWith("\xFF\xD8") && data.endsWith("\xFF\xD9"), qPrintable(name));
    }
}

} // namespace

class TestConvertCli : public QObject
{
    Q_OBJECT

private slots:
    void helpAndUsageErrors();
    void fixturesUprightWithMetadata();
    void sharedTestData_data();
    void sharedTestData();

private:
    QTemporaryDir m_sharedOut;
    Run m_sharedRun;
    bool m_sharedRunDone = false;
};

void TestConvertCli::helpAndUsageErrors()
{
    const Run help = runConvert({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("-q, --quality <QUALITY>"));
    QVERIFY(help.out.contains("-o, --output <FOLDER>"));
    QVERIFY(help.out.contains("Quorvix"));

    QCOMPARE(runConvert({}).exitCode, 1);
    QCOMPARE(runConvert({"-q", "101", "x.HEIC"}).exitCode, 1);
    QCOMPARE(runConvert({"-q", "abc", "x.HEIC"}).exitCode, 1);

    // A missing file is reported and fails the run, without a decoder even.
    QTemporaryDir dir;
    const Run missing = runConvert({"-o", dir.path(), dir.path() + "/nothing.HEIC"});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.out.contains(dir.path() + "/nothing.HEIC: not converted: the file does not exist"),
             qPrintable(missing.out));
    QVERIFY(missing.out.contains("0 of 1 files converted, 1 failed."));
}

void TestConvertCli::fixturesUprightWithMetadata()
{
    if (!decoderWorks())
        QSKIP("libTarnwick.so is not built");
    QTemporaryDir dir;
    HeicFixture::Options portrait;
    portrait.width = 96;
    portrait.height = 64;
    portrait.rotationCcw = 270;
    portrait.exifOrientation = 6; // what a phone writes beside the irot
    portrait.icc = HeicFixture::sampleIccProfile();
    QVERIFY(HeicFixture::write(QFile::encodeName(dir.path() + "/IMG_0001.HEIC").toStdString(), portrait));
    HeicFixture::Options plain;
    QVERIFY(HeicFixture::write(QFile::encodeName(dir.path() + QString::fromUtf8("/снимок.heic")).toStdString(), plain));
    QVERIFY(QFile::copy(dir.path() + "/IMG_0001.HEIC", dir.path() + "/b.Heic"));
    {
        QFile broken(dir.path() + "/broken.HEIC");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(5000, 'x'));
    }
    const QString out = dir.path() + "/out";
    QVERIFY(QDir().mkdir(out));
    const QStringList inputs{dir.path() + "/IMG_0001.HEIC", dir.path() + QString::fromUtf8("/снимок.heic"),
                             dir.path() + "/b.Heic", dir.path() + "/broken.HEIC"};
    const Run run = runConvert(QStringList{"-q", "90", "-o", out} + inputs);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.contains("3 of 4 files converted, 1 failed."), qPrintable(run.out));
    QVERIFY(run.out.contains(dir.path() + "/broken.HEIC: not converted: "));
    QVERIFY(run.out.contains(dir.path() + "/IMG_0001.HEIC -> " + out + "/Quorvix/IMG_0001.jpg"));

    const QByteArray jpeg = readAll(out + "/Quorvix/IMG_0001.jpg");
    QCOMPARE(QImage::fromData(jpeg).size(), QSize(64, 96));
    QCOMPARE(JpegInspect::exifSegmentCount(jpeg), 1);
    QCOMPARE(JpegInspect::exifOrientation(jpeg), 1);
    const std::vector<uint8_t> icc = HeicFixture::sampleIccProfile();
    QCOMPARE(JpegInspect::iccProfile(jpeg), QByteArray(reinterpret_cast<const char *>(icc.data()), int(icc.size())));
    // b.Heic gets a JPEG name too; the broken input left nothing.
    verifyOnlyJpegs(out + "/Quorvix", {"IMG_0001.jpg", "b.jpg", QString::fromUtf8("снимок.jpg")});
}

void TestConvertCli::sharedTestData_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");   // empty: broken, must be reported; -1 x -1: either outcome, if written then whole
    QTest::addColumn<bool>("exif");
    QTest::addColumn<bool>("icc");
    auto row = [](const char *file, QSize size, bool exif, bool icc) {
        QTest::newRow(file) << QString(file) << size << exif << icc;
    };
    row("iphone-8plus_portrait_irot270.heic", {3024, 4032}, true, true);
    row("iphone-13pro_depth_gainmap.heic", {4032, 3024}, true, true);
    row("iphone-15pro_ios18_tmap-gainmap.heic", {3024, 4032}, true, true);
    row("iphone-xs_empty-icc_zero-len-exif.heic", {4032, 3024}, false, false);
    row("xiaomi_no-icc_exif192k.heic", {2592, 1944}, true, false);
    row("sony-a7s3_10bit422.hif", {4240, 2832}, true, false);
    row("nikon-d5300_300x200_small.heic", {300, 200}, true, false);
    row("rainbow_451x461_odd.heic", {451, 461}, false, true);
    row("rgba10_29x100_odd-alpha.heif", {29, 100}, false, false);
    row("mono8_29x100.heif", {29, 100}, false, false);
    row("ispe-says-100x29_is-29x100.heif", {29, 100}, false, false);
    row("rgb10_639x480_3thumbs.heic", {639, 480}, false, false);
    row("mono_64x64_exif-xmp-iptc.heic", {64, 64}, true, false);
    row("blue_grid2x2-alpha_320x240.heic", {320, 240}, false, false);
    row("blue_444_320x240.heic", {320, 240}, false, false);
    row("empty_0-bytes.heic", {}, false, false);
    // Damaged or not HEVC, but a decoder may still recover a picture.
    row("truncated_3657-bytes.heic", {-1, -1}, false, false);
    row("avif-in-heif_32x32.heif", {-1, -1}, false, false);
    row("no-meta-box.heic", {}, false, false);
    row("fuzz_hvcc-nal-zero-length.heic", {}, false, false);
    row("canon-1dx3_truncated.hif", {}, false, false);
}

void TestConvertCli::sharedTestData()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, exif);
    QFETCH(bool, icc);
    const QString dataDir = TestSupport::sharedTestDataDir();
    if (dataDir.isEmpty())
        QSKIP("shared test photos are not available");
    if (!decoderWorks())
        QSKIP("libTarnwick.so is not built");

    const QString out = m_sharedOut.path() + "/Quorvix";
    if (!m_sharedRunDone) {
        // One run over the whole folder, as a user would do it.
        QStringList inputs;
        for (const QString &name : QDir(dataDir).entryList({"*.heic", "*.heif", "*.hif"}, QDir::Files, QDir::Name))
            inputs << dataDir + "/" + name;
        m_sharedRun = runConvert(QStringList{"-o", m_sharedOut.path()} + inputs);
        m_sharedRunDone = true;
        QCOMPARE(m_sharedRun.exitCode, 1); // the broken files fail the run
        const QStringList names = QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString &name : names)
            QVERIFY2(readAll(out + "/" + name).endsWith("\xFF\xD9"), qPrintable(name));
    }

    const QString input = dataDir + "/" + file;
    const QString outputName = file.left(file.lastIndexOf('.')) + ".jpg"; // .heic, .heif and .hif alike
    const QString output = out + "/" + outputName;
    if (size == QSize(-1, -1)) {
        if (m_sharedRun.out.contains(input + ": not converted: "))
            QVERIFY(!QFileInfo::exists(output));
        else
            QVERIFY(!QImage(output).isNull());
        return;
    }
    if (size.isEmpty()) {
        QVERIFY2(m_sharedRun.out.contains(input + ": not converted: "), qPrintable(m_sharedRun.out));
        QVERIFY(!QFileInfo::exists(output));
        return;
    }
    QVERIFY2(m_sharedRun.out.contains(input + " -> " + output), qPrintable(m_sharedRun.out));
    const QByteArray jpeg = readAll(output);
    QVERIFY(jpeg.startsWith("\xFF\xD8"));
    QCOMPARE(QImage::fromData(jpeg).size(), size);
    QCOMPARE(JpegInspect::exifSegmentCount(jpeg), exif ? 1 : 0);
    // Upright pixels: Orientation 1, or none at all when the photo had none.
    const int orientation = JpegInspect::exifOrientation(jpeg);
    QVERIFY2(orientation == 0 || orientation == 1, qPrintable(QString::number(orientation)));
    QCOMPARE(!JpegInspect::iccProfile(jpeg).isEmpty(), icc);
}

QTEST_GUILESS_MAIN(TestConvertCli)
#include "tst_convertcli.moc"
