#include "Heif2jpg.h"

#include "Tarnwick.h"
#include "dynlib.h"

#include <QCoreApplication>

#include <atomic>

using namespace Dynlib;

namespace {
typedef const char *(*ErrorTextFunc)(int32_t code);
std::atomic<ErrorTextFunc> g_errorText{nullptr};
std::atomic<Heif2jpgImageFunc> g_imageDecoder{nullptr};
std::atomic<ImageCountFunc> g_imageCounter{nullptr};
std::atomic<ThumbnailFunc> g_thumbnail{nullptr};

// The decoder library speaks English only; the reasons the program shows are
// translated here, from the same English the library gives for each code.
struct DecoderErrorText
{
    int32_t code;
    const char *text;
};
const DecoderErrorText kDecoderErrorTexts[] = {
    {TARNWICK_ERR_INVALID_ARGUMENT, QT_TRANSLATE_NOOP("Heif2jpg", "invalid argument")},
    {TARNWICK_ERR_EMPTY_INPUT, QT_TRANSLATE_NOOP("Heif2jpg", "empty input")},
    {TARNWICK_ERR_NOT_HEIF, QT_TRANSLATE_NOOP("Heif2jpg", "not a HEIF or JPEG file")},
    {TARNWICK_ERR_TRUNCATED, QT_TRANSLATE_NOOP("Heif2jpg", "file is truncated")},
    {TARNWICK_ERR_CORRUPT, QT_TRANSLATE_NOOP("Heif2jpg", "file is corrupt")},
    {TARNWICK_ERR_UNSUPPORTED, QT_TRANSLATE_NOOP("Heif2jpg", "unsupported codec or feature")},
    {TARNWICK_ERR_TOO_LARGE, QT_TRANSLATE_NOOP("Heif2jpg", "image too large")},
    {TARNWICK_ERR_DECODE, QT_TRANSLATE_NOOP("Heif2jpg", "image could not be decoded")},
    {TARNWICK_ERR_NO_MEMORY, QT_TRANSLATE_NOOP("Heif2jpg", "out of memory")},
    {TARNWICK_ERR_ENCODE, QT_TRANSLATE_NOOP("Heif2jpg", "JPEG encoding failed")},
    {TARNWICK_ERR_OUTPUT_TOO_LARGE, QT_TRANSLATE_NOOP("Heif2jpg", "JPEG output too large")},
    {TARNWICK_ERR_INTERNAL, QT_TRANSLATE_NOOP("Heif2jpg", "internal error")},
    {TARNWICK_ERR_DECODER_CRASHED, QT_TRANSLATE_NOOP("Heif2jpg", "the decoder stopped on this file")},
    {TARNWICK_ERR_TIMEOUT, QT_TRANSLATE_NOOP("Heif2jpg", "decoding took too long")},
    {TARNWICK_ERR_NO_IMAGE, QT_TRANSLATE_NOOP("Heif2jpg", "the file holds no such image")},
};

// The user's words for a code, or the library's own for one it added later.
QString decoderReason(int32_t code, ErrorTextFunc libraryText)
{
    for (const DecoderErrorText &entry : kDecoderErrorTexts) {
        if (entry.code == code)
            return QCoreApplication::translate("Heif2jpg", entry.text);
    }
    return QString::fromUtf8(libraryText(code));
}
} // namespace

Heif2jpgFunc bindDecoder()
{
    HMODULE module = LoadLibraryW(L"Tarnwick.dll");
    if (!module)
        return nullptr;
    g_errorText.store(reinterpret_cast<ErrorTextFunc>(GetProcAddress(module, "tarnwick_error_text")));
    g_imageDecoder.store(reinterpret_cast<Heif2jpgImageFunc>(GetProcAddress(module, "heif2jpg_image")));
    g_imageCounter.store(reinterpret_cast<ImageCountFunc>(GetProcAddress(module, "tarnwick_image_count")));
    g_thumbnail.store(reinterpret_cast<ThumbnailFunc>(GetProcAddress(module, "tarnwick_thumbnail")));
    return reinterpret_cast<Heif2jpgFunc>(GetProcAddress(module, "heif2jpg"));
}

ThumbnailFunc bindThumbnail()
{
    return g_thumbnail.load();
}

QString decoderErrorText(int32_t code)
{
    // Not an error code of the decoder's: it wrote nothing and said nothing.
    if (code == 0)
        return QCoreApplication::translate("Heif2jpg", "the decoder returned no image");
    if (ErrorTextFunc text = g_errorText.load())
        return QCoreApplication::translate("Heif2jpg", "%1 (decoder error %2)").arg(decoderReason(code, text)).arg(code);
    return QCoreApplication::translate("Heif2jpg", "decoder error %1").arg(code);
}

Heif2jpgImageFunc boundImageDecoder()
{
    return g_imageDecoder.load();
}

ImageCountFunc boundImageCounter()
{
    return g_imageCounter.load();
}
