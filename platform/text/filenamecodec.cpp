#include "filenamecodec.h"

#include "utf8.h"

#include <QTextCodec>
#include <QUrl>

#include <string>

namespace PlatformText {

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // byte b (0x80 .. 0xFF) <-> U+DC00 + b

// Length of the valid UTF-8 sequence that starts at s[0] (1 .. 4), 0 when
// the bytes are not one, -1 when the n available bytes are a valid start of a
// longer sequence. Rejects overlong forms, surrogates and values beyond
// U+10FFFF, so that only bytes valid text never holds are escaped.
int sequenceLength(const unsigned char *s, int n)
{
    const unsigned char b = s[0];
    if (b < 0x80)
        return 1;
    int length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0)
            low = 0xA0;
        else if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0)
            low = 0x90;
        else if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        if (k >= n)
            return -1;
        const unsigned char lo = k == 1 ? low : 0x80, hi = k == 1 ? high : 0xBF;
        if (s[k] < lo || s[k] > hi)
            return 0;
    }
    return length;
}

char32_t decodeSequence(const unsigned char *s, int length)
{
    switch (length) {
    case 1: return s[0];
    case 2: return char32_t(s[0] & 0x1F) << 6 | (s[1] & 0x3F);
    case 3: return char32_t(s[0] & 0x0F) << 12 | char32_t(s[1] & 0x3F) << 6 | (s[2] & 0x3F);
    default:
        return char32_t(s[0] & 0x07) << 18 | char32_t(s[1] & 0x3F) << 12 | char32_t(s[2] & 0x3F) << 6
             | (s[3] & 0x3F);
    }
}

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
            const int len = sequenceLength(s + i, n - i);
            if (len > 0) {
                const char32_t c = decodeSequence(s + i, len);
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
