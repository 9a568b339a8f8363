#pragma once

#include <QByteArray>
#include <QString>

class QTextCodec;
class QUrl;

// Linux file names are byte strings. Most are UTF-8, but names written by old
// cameras, archives and other systems may hold bytes that are not (Latin-1
// "caf\xE9.heic"). Qt turns such bytes into U+FFFD, and the name no longer
// opens.
//
// The file-name codec decodes UTF-8 and maps every byte that is not part of a
// valid sequence to one code unit U+DC80 + (byte - 0x80) (a lone low
// surrogate, which valid text never holds); encoding maps such a unit back to
// its byte. Every byte string therefore survives decode + encode unchanged.
// Installed as Qt's locale codec, it makes QFile::encodeName/decodeName,
// QDir, QFileInfo, QCoreApplication::arguments(), QProcess arguments, file
// dialogs and QTextStream on stdout carry such names byte for byte.
namespace PlatformText {

// The codec ("UTF-8-raw-names"); one instance for the life of the process.
QTextCodec *fileNameCodec();

// Makes the codec Qt's locale codec. Call first thing in main, before the
// application object parses the arguments. Safe to call more than once.
void installFileNameCodec();

// Conversions with the codec whatever the locale codec is.
QString decodeFileName(const QByteArray &bytes);
QByteArray encodeFileName(const QString &name);

// The local path a file: URL stands for, decoded from its percent-encoded
// bytes with the file-name codec (QUrl::toLocalFile decodes them as UTF-8 and
// loses every byte that is not). Use it for dropped URLs. Empty for a URL that
// is not a local file. A host other than localhost gives "//host/path", as
// QUrl::toLocalFile does.
QString localFileFromUrl(const QUrl &url);

// The file: URL of a local path, percent-encoding its bytes as the file
// system has them (the counterpart of localFileFromUrl).
QUrl urlFromLocalFile(const QString &path);

} // namespace PlatformText
