// vantrope-convert as a user runs it: a separate process over real files.

#include "Heif2jpg.h"
#include "filenamecodec.h"

#include "heicfixture.h"
#include "jpeginspect.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

QString converterPath()
{
    return QCoreApplication::applicationDirPath() + "/vantrope-convert";
}

Run runConvert(const QStringList &args)
{
    QProcess p;
    p.setProgram(converterPath());
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
    void helpAndManualPageListTheSameOptions();
    void fixturesUprightWithMetadata();
    void gainMapKeptUnlessSdrAsked();
    void allImagesEachGetAJpeg();
    void recursiveKeepsTheFolderTree();
    void besideWritesNextToEachPhoto();
    void readerGoingAwayDoesNotEndTheBatch();
    void photoThatCrashesTheDecoderCostsOnlyItself();
    void existingFilesAndAMissingOutputFolder();
    void namesThatAreNotUtf8();
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
    QCOMPARE(runConvert({"--beside", "-o", "/tmp", "x.HEIC"}).exitCode, 1);

    // A missing file is reported and fails the run, without a decoder even.
    QTemporaryDir dir;
    const Run missing = runConvert({"-o", dir.path(), dir.path() + "/nothing.HEIC"});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.contains(dir.path() + "/nothing.HEIC: not converted: the file does not exist"),
             qPrintable(missing.err));
    QVERIFY(missing.out.contains("0 of 1 files converted, 1 failed."));
}

void TestConvertCli::helpAndManualPageListTheSameOptions()
{
    const QString sourceDir = qEnvironmentVariable("VANTROPE_SOURCE_DIR");
    if (sourceDir.isEmpty())
        QSKIP("VANTROPE_SOURCE_DIR is not set");
    QFile manual(sourceDir + "/UI/Vantrope/engine/vantrope-convert.1");
    QVERIFY(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll());
    const Run help = runConvert({"--help"});
    QCOMPARE(help.exitCode, 0);

    // Every option the help lists, with its short form, is described in
    // the manual page's OPTIONS section, and no other.
    QSet<QString> inHelp, inPage;
    const QRegularExpression helpLine("^  (-\\w, )?--([\\w-]+)", QRegularExpression::MultilineOption);
    for (auto it = helpLine.globalMatch(help.out); it.hasNext();) {
        const auto m = it.next();
        inHelp << (m.captured(1).isEmpty() ? "" : m.captured(1).left(2) + " ") + "--" + m.captured(2);
    }
    const QString options = page.mid(page.indexOf(".SH OPTIONS"));
    const QRegularExpression pageItem("^\\.TP\\n(\\\\fB\\\\-(\\w)\\\\fR, )?\\\\fB\\\\-\\\\-([\\w\\\\-]+)\\\\fR",
                                      QRegularExpression::MultilineOption);
    for (auto it = pageItem.globalMatch(options.left(options.indexOf(".SH", 4))); it.hasNext();) {
        const auto m = it.next();
        inPage << (m.captured(2).isEmpty() ? "" : "-" + m.captured(2) + " ") + "--"
                      + QString(m.captured(3)).remove('\\');
    }
    QVERIFY2(inHelp.size() >= 7, qPrintable(QStringList(inHelp.values()).join(' ')));
    QCOMPARE(inPage, inHelp);
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
    // Successes on standard output in the order of the inputs, whichever
    // worker finished first; the failure on standard error.
    QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts),
             (QStringList{dir.path() + "/IMG_0001.HEIC -> " + out + "/Quorvix/IMG_0001.jpg",
                          dir.path() + QString::fromUtf8("/снимок.heic -> ") + out + QString::fromUtf8("/Quorvix/снимок.jpg"),
                          dir.path() + "/b.Heic -> " + out + "/Quorvix/b.jpg", "3 of 4 files converted, 1 failed."}));
    const QStringList failures = run.err.split('\n').filter(": not converted: ");
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures.first().startsWith(dir.path() + "/broken.HEIC: not converted: "), qPrintable(run.err));

    const QByteArray jpeg = readAll(out + "/Quorvix/IMG_0001.jpg");
    QCOMPARE(QImage::fromData(jpeg).size(), QSize(64, 96));
    QCOMPARE(JpegInspect::exifSegmentCount(jpeg), 1);
    QCOMPARE(JpegInspect::exifOrientation(jpeg), 1);
    const std::vector<uint8_t> icc = HeicFixture::sampleIccProfile();
    QCOMPARE(JpegInspect::iccProfile(jpeg), QByteArray(reinterpret_cast<const char *>(icc.data()), int(icc.size())));
    // b.Heic gets a JPEG name too; the broken input left nothing.
    verifyOnlyJpegs(out + "/Quorvix", {"IMG_0001.jpg", "b.jpg", QString::fromUtf8("снимок.jpg")});
}

// The gain map comes through the load-and-save round trip and the safe write
// with its index rewritten; --sdr leaves it out; a broken one is reported on
// stderr and the photo converted all the same.
void TestConvertCli::gainMapKeptUnlessSdrAsked()
{
    if (!decoderWorks())
        QSKIP("decoder library not available");
    QTemporaryDir dir;
    HeicFixture::Options o;
    o.width = 128;
    o.height = 96;
    o.rotationCcw = 90;
    o.icc = HeicFixture::sampleIccProfile();
    o.gainMap.width = 64;
    o.gainMap.height = 48;
    QVERIFY(HeicFixture::write(QFile::encodeName(dir.path() + "/hdr.heic").toStdString(), o));
    HeicFixture::Options broken = o;
    broken.gainMap.toneMapItem = HeicFixture::sampleToneMapItem();
    broken.gainMap.toneMapItem.resize(20);
    QVERIFY(HeicFixture::write(QFile::encodeName(dir.path() + "/broken.heic").toStdString(), broken));

    QVERIFY(QDir(dir.path()).mkdir("hdr") && QDir(dir.path()).mkdir("sdr"));
    const Run run = runConvert({"-o", dir.path() + "/hdr", dir.path() + "/hdr.heic", dir.path() + "/broken.heic"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
    const QByteArray jpeg = readAll(dir.path() + "/hdr/Quorvix/hdr.jpg");
    const JpegInspect::GainMapPictures pictures = JpegInspect::gainMapPictures(jpeg);
    QVERIFY(pictures.isValid());
    QVERIFY(pictures.primaryXmp.contains("hdrgm:Version=\"1.0\""));
    QVERIFY(pictures.gainMapXmp.contains("hdrgm:GainMapMax=\"2\""));
    QCOMPARE(JpegInspect::exifOrientation(pictures.primary), 1);
    const QByteArray icc(reinterpret_cast<const char *>(o.icc.data()), int(o.icc.size()));
    QVERIFY(JpegInspect::iccProfile(pictures.primary) == icc);
    const QImage photo = QImage::fromData(pictures.primary);
    const QImage gainMap = QImage::fromData(pictures.gainMap);
    QCOMPARE(photo.size(), QSize(96, 128)); // upright
    QCOMPARE(gainMap.size(), QSize(48, 64));
    QVERIFY2(run.err.contains(dir.path() + "/broken.heic: gain map left out: its metadata is invalid"),
             qPrintable(run.err));
    const QByteArray brokenJpeg = readAll(dir.path() + "/hdr/Quorvix/broken.jpg");
    QVERIFY(!QImage::fromData(brokenJpeg).isNull());
    QVERIFY(!JpegInspect::gainMapPictures(brokenJpeg).isValid());

    const Run sdr = runConvert({"--sdr", "-o", dir.path() + "/sdr", dir.path() + "/hdr.heic"});
    QCOMPARE(sdr.exitCode, 0);
    const QByteArray plain = readAll(dir.path() + "/sdr/Quorvix/hdr.jpg");
    QVERIFY(!plain.contains("hdrgm") && !plain.contains(QByteArray("MPF\0", 4)));
    QCOMPARE(QImage::fromData(plain), photo);
}

// --all-images: the primary under its usual name, the others as name-2.jpg,
// name-3.jpg, named by the batch's rules (a name an input's JPEG holds is
// not taken); without it, the primary only.
void TestConvertCli::allImagesEachGetAJpeg()
{
    if (!decoderWorks())
        QSKIP("decoder library not available");
    QTemporaryDir dir;
    HeicFixture::Options collection;
    collection.extraImages = 2;
    QVERIFY(HeicFixture::write(QFile::encodeName(dir.path() + "/c.heic").toStdString(), collection));
    QVERIFY(HeicFixture::write(QFile::encodeName(dir.path() + "/c-2.heic").toStdString(), HeicFixture::Options()));
    QVERIFY(QDir(dir.path()).mkdir("all") && QDir(dir.path()).mkdir("primary"));

    const Run all = runConvert({"--all-images", "-o", dir.path() + "/all", dir.path() + "/c.heic",
                                dir.path() + "/c-2.heic"});
    QVERIFY2(all.exitCode == 0, qPrintable(all.out + all.err));
    QVERIFY2(all.out.contains("2 of 2 files converted, 0 failed."), qPrintable(all.out));
    const QString out = dir.path() + "/all/Quorvix/";
    QVERIFY2(all.out.contains(dir.path() + "/c.heic -> " + out + "c-2 (2).jpg"), qPrintable(all.out));
    verifyOnlyJpegs(out, {"c-2 (2).jpg", "c-2.jpg", "c-3.jpg", "c.jpg"});
    QCOMPARE(QImage(out + "c.jpg").width(), collection.width);
    QCOMPARE(QImage(out + "c-2 (2).jpg").width(), collection.width + 16);
    QCOMPARE(QImage(out + "c-3.jpg").width(), collection.width + 32);
    QCOMPARE(QImage(out + "c-2.jpg").width(), HeicFixture::Options().width);

    const Run primary = runConvert({"-o", dir.path() + "/primary", dir.path() + "/c.heic"});
    QCOMPARE(primary.exitCode, 0);
    verifyOnlyJpegs(dir.path() + "/primary/Quorvix", {"c.jpg"});
}

void TestConvertCli::recursiveKeepsTheFolderTree()
{
    if (!decoderWorks())
        QSKIP("libTarnwick.so is not built");
    QTemporaryDir dir;
    const QString photos = dir.path() + "/photos", out = dir.path() + "/out";
    QVERIFY(QDir().mkpath(photos + "/2023/june"));
    QVERIFY(QDir().mkpath(out));
    HeicFixture::Options o;
    for (const QString &name : {"/top.heic", "/2023/a.HEIC", "/2023/june/b.heif", "/2023/june/c.HIF"})
        QVERIFY(HeicFixture::write(QFile::encodeName(photos + name).toStdString(), o));
    QVERIFY(QFile(photos + "/2023/notes.txt").open(QIODevice::WriteOnly));

    // Without -r a folder gives its own photos only.
    QVERIFY(QDir().mkpath(out + "/flat"));
    const Run flat = runConvert({"-o", out + "/flat", photos});
    QCOMPARE(flat.exitCode, 0);
    verifyOnlyJpegs(out + "/flat/Quorvix", {"top.jpg"});

    const Run run = runConvert({"-r", "-o", out, photos});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("4 of 4 files converted, 0 failed."), qPrintable(run.out));
    QVERIFY(run.out.contains(photos + "/2023/june/c.HIF -> " + out + "/Quorvix/2023/june/c.jpg"));
    verifyOnlyJpegs(out + "/Quorvix/2023/june", {"b.jpg", "c.jpg"});
    QCOMPARE(QDir(out + "/Quorvix/2023").entryList(QDir::Files), QStringList{"a.jpg"});
    QCOMPARE(QDir(out + "/Quorvix").entryList(QDir::Files), QStringList{"top.jpg"});
}

void TestConvertCli::existingFilesAndAMissingOutputFolder()
{
    if (!decoderWorks())
        QSKIP("libTarnwick.so is not built");
    QTemporaryDir dir;
    HeicFixture::Options o;
    const QString photo = dir.path() + "/IMG_1.HEIC";
    QVERIFY(HeicFixture::write(QFile::encodeName(photo).toStdString(), o));
    QCOMPARE(runConvert({"--existing", "sometimes", photo}).exitCode, 1);

    // -o names a folder that is not there yet: created as mkdir -p does.
    const QString out = dir.path() + "/new/deeper";
    const QString quorvix = out + "/Quorvix";
    const Run first = runConvert({"-o", out, photo});
    QCOMPARE(first.exitCode, 0);
    QVERIFY(QFileInfo(quorvix + "/IMG_1.jpg").isFile());

    // A camera's own JPEG of the name in another case, as on a memory card.
    QVERIFY(QFile::rename(quorvix + "/IMG_1.jpg", quorvix + "/IMG_1.JPG"));
    const QByteArray camera = readAll(quorvix + "/IMG_1.JPG");

    const Run keep = runConvert({"-o", out, photo});
    QCOMPARE(keep.exitCode, 0);
    QVERIFY2(keep.out.contains(photo + " -> " + quorvix + "/IMG_1 (2).jpg"), qPrintable(keep.out));
    QCOMPARE(readAll(quorvix + "/IMG_1.JPG"), camera);

    // Skipped is no failure; the line and the summary say so.
    const Run skip = runConvert({"--existing", "skip", "-o", out, photo});
    QCOMPARE(skip.exitCode, 0);
    QVERIFY2(skip.out.contains(photo + ": skipped: " + quorvix + "/IMG_1.jpg is already there"), qPrintable(skip.out));
    QVERIFY(skip.out.contains("0 of 1 files converted, 0 failed, 1 skipped."));
    QCOMPARE(QDir(quorvix).entryList(QDir::Files), (QStringList{"IMG_1 (2).jpg", "IMG_1.JPG"}));

    const Run replace = runConvert({"--existing", "replace", "-o", out, photo});
    QCOMPARE(replace.exitCode, 0);
    QVERIFY(replace.out.contains(photo + " -> " + quorvix + "/IMG_1.jpg"));
}

void TestConvertCli::besideWritesNextToEachPhoto()
{
    if (!decoderWorks())
        QSKIP("libTarnwick.so is not built");
    QTemporaryDir dir;
    const QString photos = dir.path() + "/photos";
    QVERIFY(QDir().mkpath(photos + "/sub"));
    HeicFixture::Options o;
    for (const QString &name : {"/x.heic", "/x.HEIF", "/sub/y.hif"})
        QVERIFY(HeicFixture::write(QFile::encodeName(photos + name).toStdString(), o));
    // A JPEG of the user's that is an input too: never replaced.
    QVERIFY(QFile::copy(photos + "/x.heic", photos + "/sub/y.jpg"));
    const QByteArray before = readAll(photos + "/sub/y.jpg");

    const Run run = runConvert({"--beside", photos + "/x.heic", photos + "/x.HEIF", photos + "/sub/y.hif",
                                photos + "/sub/y.jpg"});
    QVERIFY2(run.out.contains(photos + "/x.heic -> " + photos + "/x.jpg"), qPrintable(run.out));
    QVERIFY(run.out.contains(photos + "/x.HEIF -> " + photos + "/x (2).jpg"));
    QVERIFY(run.out.contains(photos + "/sub/y.hif -> " + photos + "/sub/y (2).jpg"));
    QCOMPARE(readAll(photos + "/sub/y.jpg"), before);
    for (const QString &name : {"/x.jpg", "/x (2).jpg", "/sub/y (2).jpg"})
        QVERIFY2(!QImage(photos + name).isNull(), qPrintable(name));
    QVERIFY(!QFileInfo::exists(photos + "/Quorvix"));
}

void TestConvertCli::readerGoingAwayDoesNotEndTheBatch()
{
    if (!decoderWorks())
        QSKIP("libTarnwick.so is not built");
    QTemporaryDir dir;
    HeicFixture::Options o;
    o.width = 640;
    o.height = 480;
    QStringList inputs;
    for (int i = 0; i < 12; ++i) {
        inputs << dir.path() + QString("/IMG_%1.heic").arg(i);
        QVERIFY(HeicFixture::write(QFile::encodeName(inputs.last()).toStdString(), o));
    }
    // As a user pipes it into head: the pipe closes after the first line.
    QProcess shell;
    shell.start("bash", QStringList{"-c", "\"$0\" \"$@\" | head -1; exit ${PIPESTATUS[0]}", converterPath(), "-o",
                                    dir.path()} + inputs);
    QVERIFY(shell.waitForFinished(240000));
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    QCOMPARE(shell.exitCode(), 0); // not killed by SIGPIPE (141)
    const QString out = QString::fromUtf8(shell.readAllStandardOutput());
    QCOMPARE(out.count('\n'), 1);
    QCOMPARE(QDir(dir.path() + "/Quorvix").entryList(QDir::Files).size(), 12);
}

// A file that crashes libheif ends the decoder's helper process, never the
// converter: the photos beside it convert, the exit status says one failed.
void TestConvertCli::photoThatCrashesTheDecoderCostsOnlyItself()
{
    if (!decoderWorks())
        QSKIP("libTarnwick.so is not built");
    const QString crasher =
        qEnvironmentVariable("VANTROPE_SOURCE_DIR") + "/tests/tarnwick/crashers/libheif-unci-cmpd-index-oob.heic";
    QVERIFY2(QFile::exists(crasher), qPrintable(crasher));
    QTemporaryDir dir;
    QStringList inputs;
    for (const char *name : {"before.heic", "crasher.heic", "after.heic"})
        inputs << dir.path() + "/" + name;
    QVERIFY(QFile::copy(crasher, inputs[1]));
    HeicFixture::Options o;
    QVERIFY(HeicFixture::write(QFile::encodeName(inputs[0]).toStdString(), o));
    QVERIFY(HeicFixture::write(QFile::encodeName(inputs[2]).toStdString(), o));
    const Run r = runConvert(QStringList{"-o", dir.path()} + inputs);
    QCOMPARE(r.exitCode, 1);
    const QString said = r.out + r.err;
    QVERIFY2(said.contains("crasher.heic: not converted: the decoder stopped on this file"), qPrintable(said));
    verifyOnlyJpegs(dir.path() + "/Quorvix", {"after.jpg", "before.jpg"});
}

void TestConvertCli::namesThatAreNotUtf8()
{
    if (!decoderWorks())
        QSKIP("libTarnwick.so is not built");
    // Arguments are handed to the converter in the file system's own bytes.
    PlatformText::installFileNameCodec();
    QTemporaryDir dir;
    const QByteArray raw = QFile::encodeName(dir.path()) + "/f\xEAte \xE9t\xE9.HEIC";
    QVERIFY(HeicFixture::write(raw.toStdString(), HeicFixture::Options()));
    QProcess p;
    p.start(converterPath(), {"-o", dir.path(), QFile::decodeName(raw)});
    QVERIFY(p.waitForFinished(240000));
    const QByteArray out = p.readAllStandardOutput();
    QCOMPARE(p.exitCode(), 0);
    const QByteArray jpeg = QFile::encodeName(dir.path()) + "/Quorvix/f\xEAte \xE9t\xE9.jpg";
    QVERIFY2(out.contains(raw + " -> " + jpeg), out.constData());
    QCOMPARE(::access(jpeg.constData(), F_OK), 0);
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
        if (m_sharedRun.err.contains(input + ": not converted: "))
            QVERIFY(!QFileInfo::exists(output));
        else
            QVERIFY(!QImage(output).isNull());
        return;
    }
    if (size.isEmpty()) {
        QVERIFY2(m_sharedRun.err.contains(input + ": not converted: "), qPrintable(m_sharedRun.err));
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
