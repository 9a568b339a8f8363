#include "fakedecoder.h"

#include "heicfixture.h"

#include <QBuffer>
#include <QImage>
#include <QList>

#include <condition_variable>
#include <cstring>
#include <mutex>

namespace FakeDecoder {

const int kWidth = 40;
const int kHeight = 30;

namespace {
std::mutex g_mutex;
std::condition_variable g_gateChanged;
bool g_gateOpen = true;
QByteArray g_gatePrefix;
int g_waiting = 0;
QList<Call> g_calls;
} // namespace

QByteArray segment(unsigned char marker, const QByteArray &payload)
{
    QByteArray s;
    const int length = payload.size() + 2;
    s.append(char(0xFF)).append(char(marker)).append(char(length >> 8)).append(char(length & 0xFF));
    return s + payload;
}

QByteArray exifPayload()
{
    // Little-endian TIFF with one IFD entry: Orientation (0x0112) = 1.
    static const unsigned char tiff[] = {'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    return QByteArray(reinterpret_cast<const char *>(tiff), sizeof tiff);
}

QByteArray iccProfile()
{
    const std::vector<uint8_t> icc = HeicFixture::sampleIccProfile();
    return QByteArray(reinterpret_cast<const char *>(icc.data()), int(icc.size()));
}

QByteArray jpegFor(unsigned char firstByte)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(firstByte, 255 - firstByte, 128));
    QByteArray plain;
    QBuffer buffer(&plain);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpg", 90);
    // SOI, APP0 (JFIF), then the photo's segments as a decoder writes them.
    const int app0End = 4 + ((uchar(plain[4]) << 8) | uchar(plain[5]));
    QByteArray exif = QByteArray("Exif\0\0", 6) + exifPayload();
    QByteArray icc = QByteArray("ICC_PROFILE\0", 12) + char(1) + char(1) + iccProfile();
    return plain.left(app0End) + segment(0xE1, exif) + segment(0xE2, icc) + plain.mid(app0End);
}

int32_t heif2jpg(const unsigned char *input, int32_t inputLength, int32_t quality, unsigned char *output,
                 int32_t outputCapacity, const char *tempFileName)
{
    {
        std::unique_lock<std::mutex> lock(g_mutex);
        const bool held = g_gatePrefix.isEmpty()
                       || (inputLength >= g_gatePrefix.size()
                           && std::memcmp(input, g_gatePrefix.constData(), size_t(g_gatePrefix.size())) == 0);
        if (held) {
            ++g_waiting;
            g_gateChanged.notify_all();
            g_gateChanged.wait(lock, [] { return g_gateOpen; });
            --g_waiting;
        }
    }
    int32_t result;
    if (inputLength >= 4 && std::memcmp(input, "FAIL", 4) == 0) {
        result = -5;
    } else {
        const QByteArray jpeg = jpegFor(input[0]);
        if (jpeg.size() > outputCapacity) {
            result = jpeg.size();
        } else {
            std::memcpy(output, jpeg.constData(), size_t(jpeg.size()));
            result = jpeg.size();
        }
        if (inputLength >= 4 && std::memcmp(input, "LIAR", 4) == 0)
            result = -5;
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    g_calls.append({inputLength, quality, outputCapacity, QByteArray(tempFileName ? tempFileName : ""), result});
    return result;
}

void reset()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_calls.clear();
    g_gateOpen = true;
    g_gateChanged.notify_all();
}

int callCount()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_calls.size();
}

Call lastCall()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_calls.isEmpty() ? Call{} : g_calls.last();
}

QList<Call> calls()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_calls;
}

void closeGate()
{
    closeGateFor(QByteArray());
}

void closeGateFor(const QByteArray &prefix)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_gateOpen = false;
    g_gatePrefix = prefix;
}

void openGate()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_gateOpen = true;
    g_gateChanged.notify_all();
}

int waitingAtGate()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_waiting;
}

} // namespace FakeDecoder
