// File names as byte strings: the file-name codec and dropped URLs.

#include "filenamecodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

class TestFileNameCodec : public QObject
{
    Q_OBJECT

private slots:
    void everyByteStringRoundTrips_data();
    void everyByteStringRoundTrips();
    void decodingInPiecesMatchesWhole();
    void installedCodecCarriesRawNamesThroughQt();
    void localFileFromUrl_data();
    void localFileFromUrl();
};

void TestFileNameCodec::everyByteStringRoundTrips_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("validUtf8");
    QTest::newRow("ascii") << QByteArray("IMG_0001.HEIC") << true;
    QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE7\x85\xA7.heic") << true;
    QTest::newRow("4-byte") << QByteArray("\xF0\x9F\x93\xB7.heic") << true;
    QTest::newRow("largest code point") << QByteArray("\xF4\x8F\xBF\xBF") << true;
    QTest::newRow("latin-1") << QByteArray("caf\xE9.heic") << false;
    QTest::newRow("lone continuation") << QByteArray("a\x80z") << false;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xB2\x80") << false;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("cut short at the end") << QByteArray("x\xE2\x82") << false;
    QTest::newRow("cut short inside") << QByteArray("\xE2\x82x") << false;
    QTest::newRow("ff fe") << QByteArray("\xFF\xFE") << false;
}

void TestFileNameCodec::everyByteStringRoundTrips()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, validUtf8);
    const QString decoded = PlatformText::decodeFileName(bytes);
    QCOMPARE(PlatformText::encodeFileName(decoded), bytes);
    if (validUtf8)
        QCOMPARE(decoded, QString::fromUtf8(bytes));
    else
        QVERIFY(!decoded.contains(QChar::ReplacementCharacter));
}

void TestFileNameCodec::decodingInPiecesMatchesWhole()
{
    const QByteArray bytes("caf\xC3\xA9 \xF0\x9F\x93\xB7 caf\xE9 \xE2\x82");
    const QString whole = PlatformText::decodeFileName(bytes);
    for (int cut = 1; cut < bytes.size(); ++cut) {
        QTextDecoder decoder(PlatformText::fileNameCodec());
        QString pieces = decoder.toUnicode(bytes.left(cut));
        pieces += decoder.toUnicode(bytes.mid(cut));
        // What is still pending at the very end is the cut-short sequence.
        QVERIFY2(whole.startsWith(pieces), qPrintable(QString::number(cut)));
        QVERIFY(whole.size() - pieces.size() <= 2);
    }
}

void TestFileNameCodec::installedCodecCarriesRawNamesThroughQt()
{
    PlatformText::installFileNameCodec();
    QTemporaryDir dir;
    const QByteArray raw = QFile::encodeName(dir.path()) + "/\xC4pfel caf\xE9.heic";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);

    const QStringList names = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(names.size(), 1);
    const QString path = dir.path() + "/" + names.first();
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFile::encodeName(path), raw);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QFile::rename(path, path + ".jpg"));
    QCOMPARE(::access((raw + ".jpg").constData(), F_OK), 0);
}

void TestFileNameCodec::localFileFromUrl_data()
{
    QTest::addColumn<QByteArray>("uri");       // as a file manager puts it into text/uri-list
    QTest::addColumn<QByteArray>("pathBytes"); // empty: no local file
    QTest::newRow("latin-1 byte") << QByteArray("file:///tmp/caf%E9.heic") << QByteArray("/tmp/caf\xE9.heic");
    QTest::newRow("utf-8") << QByteArray("file:///tmp/caf%C3%A9.heic") << QByteArray("/tmp/caf\xC3\xA9.heic");
    QTest::newRow("space and percent") << QByteArray("file:///tmp/a%20b%25c.heic") << QByteArray("/tmp/a b%c.heic");
    QTest::newRow("localhost") << QByteArray("file://localhost/tmp/x.heic") << QByteArray("/tmp/x.heic");
    QTest::newRow("other host") << QByteArray("file://nas/share/x.heic") << QByteArray("//nas/share/x.heic");
    QTest::newRow("web address") << QByteArray("https://example.org/x.heic") << QByteArray();
}

void TestFileNameCodec::localFileFromUrl()
{
    QFETCH(QByteArray, uri);
    QFETCH(QByteArray, pathBytes);
    QMimeData mime;
    mime.setData("text/uri-list", uri + "\r\n");
    QCOMPARE(mime.urls().size(), 1);
    const QString path = PlatformText::localFileFromUrl(mime.urls().first());
    QCOMPARE(PlatformText::encodeFileName(path), pathBytes);
    if (!pathBytes.isEmpty() && !pathBytes.startsWith("//"))
        QCOMPARE(PlatformText::localFileFromUrl(PlatformText::urlFromLocalFile(path)), path);
}

QTEST_GUILESS_MAIN(TestFileNameCodec)
#include "tst_filenamecodec.moc"
