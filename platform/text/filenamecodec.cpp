#include "filenamecodec.h"

#include "utf8.h"

#include <QTextCodec>
#include <QUrl>

#include <string>

namespace PlatformText {

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // byte b (0x80 .. 0xFF) <-> U+DC00 + b

class FileNameCodec : public QTextCodec
{
public:
    QByteArray name() const override { return QByteArrayLiteral("UTF-8-raw-names"); }
    int mibEnum() const override { return -4277; } // private: not an IANA number

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *state) const override
    {
        // Bytes of a sequence cut off at the end of the previous chunk.
        QByteArray joined;
        const unsigned char *s = reinterpret_cast<const unsigned char *>(in);
        int n = length;
        if (state && state->remainingChars > 0) {
            for (int k = 0; k < state->remainingChars; ++k)
                joined.append(char(state->state_data[k]));
            joined.append(in, length);
            s = reinterpret_cast<const unsigned char *>(joined.constData());
            n = joined.size();
            state->remainingChars = 0;
        }
        QString out;
        out.reserve(n);
        int i = 0;
        while (i < n) {
            char32_t c;
            const int len = utf8Sequence(s + i, size_t(n - i), &c);
            if (len > 0) {
                if (c >= 0x10000) {
                    out.append(QChar(QChar::highSurrogate(c)));
                    out.append(QChar(QChar::lowSurrogate(c)));
                } else {
                    out.append(QChar(char16_t(c)));
                }
                i += len;
            } else if (len < 0 && state && !(state->flags & ConvertInvalidToNull)) {
                // An incomplete sequence at the end: wait for the next chunk.
                state->remainingChars = n - i;
                for (int k = 0; k < n - i; ++k)
                    state->state_data[k] = s[i + k];
                break;
            } else {
                out.append(QChar(char16_t(kEscapeBase + s[i])));
                ++i;
            }
        }
        return out;
    }

    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override
    {
        std::string out;
        out.reserve(size_t(length) + 8);
        QString joined;
        const QChar *u = in;
        int n = length;
        if (state && state->remainingChars > 0) {
            joined.append(QChar(char16_t(state->state_data[0])));
            joined.append(in, length);
            u = joined.constData();
            n = joined.size();
            state->remainingChars = 0;
        }
        for (int i = 0; i < n; ++i) {
            const char16_t c = u[i].unicode();
            if (QChar::isHighSurrogate(c)) {
                if (i + 1 < n && QChar::isLowSurrogate(u[i + 1].unicode())) {
                    appendUtf8(out, QChar::surrogateToUcs4(c, u[i + 1].unicode()));
                    ++i;
                } else if (i + 1 == n && state) {
                    state->remainingChars = 1;
                    state->state_data[0] = c;
                } else {
                    out += '?';
                    if (state)
                        ++state->invalidChars;
                }
            } else if (QChar::isLowSurrogate(c)) {
                if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
                    out += char(c - kEscapeBase);
                } else {
                    out += '?';
                    if (state)
                        ++state->invalidChars;
                }
            } else {
                appendUtf8(out, c);
            }
        }
        return QByteArray(out.data(), int(out.size()));
    }
};

} // namespace

QTextCodec *fileNameCodec()
{
    // Qt keeps a list of every codec built and deletes them at exit.
    static QTextCodec *const codec = new FileNameCodec;
    return codec;
}

void installFileNameCodec()
{
    QTextCodec::setCodecForLocale(fileNameCodec());
}

QString decodeFileName(const QByteArray &bytes)
{
    return fileNameCodec()->toUnicode(bytes);
}

QByteArray encodeFileName(const QString &name)
{
    return fileNameCodec()->fromUnicode(name);
}

QString localFileFromUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return QString();
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    QString path = decodeFileName(bytes);
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        path = QLatin1String("//") + host + path;
    return path;
}

QUrl urlFromLocalFile(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(path);
    return QUrl::fromEncoded(QByteArrayLiteral("file://") + encodeFileName(path).toPercentEncoding("/"),
                             QUrl::StrictMode);
}

} // namespace PlatformText
