#include "Heif2jpg.h"

#include "dynlib.h"

#include <atomic>

using namespace Dynlib;

namespace {
typedef const char *(*ErrorTextFunc)(int32_t code);
std::atomic<ErrorTextFunc> g_errorText{nullptr};
std::atomic<Heif2jpgImageFunc> g_imageDecoder{nullptr};
std::atomic<ImageCountFunc> g_imageCounter{nullptr};
std::atomic<ThumbnailFunc> g_thumbnail{nullptr};
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
        return QStringLiteral("the decoder returned no image");
    if (ErrorTextFunc text = g_errorText.load())
        return QStringLiteral("%1 (decoder error %2)").arg(QString::fromUtf8(text(code))).arg(code);
    return QStringLiteral("decoder error %1").arg(code);
}

Heif2jpgImageFunc boundImageDecoder()
{
    return g_imageDecoder.load();
}

ImageCountFunc boundImageCounter()
{
    return g_imageCounter.load();
}
