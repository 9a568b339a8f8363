#include "Tarnwick.h"

#include "jpegsegments.h"

#include <libheif/heif.h>
#include <libheif/heif_properties.h>
#include <turbojpeg.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <thread>
#include <vector>

namespace tarnwick {
namespace {

// ---------------------------------------------------------------------------
// One-time set-up, shared read-only by every call afterwards.

struct Settings {
    // HEVC decoder plugin chosen for speed (see bench/decoder/README.md);
    // empty: libheif's own choice.
    std::string hevcDecoder;
    // Threads libheif may use for the tiles of one grid image; -1: chosen per
    // call by how many calls are running (see tileThreads).
    int decodingThreads = -1;
    unsigned cores = 2;
};

bool hasHevcDecoder(const char *id)
{
    const heif_decoder_descriptor *descriptors[16];
    const int n = heif_get_decoder_descriptors(heif_compression_HEVC, descriptors, 16);
    for (int i = 0; i < n; ++i) {
        const char *name = heif_decoder_descriptor_get_id_name(descriptors[i]);
        if (name && std::strcmp(name, id) == 0)
            return true;
    }
    return false;
}

Settings makeSettings()
{
    // heif_init loads the decoder plugins; it is reference counted and the
    // library stays loaded for the life of the process, so it is never undone.
    heif_init(nullptr);
    Settings s;
    // libavcodec decodes the same HEVC streams in a bit over half of
    // libde265's time; libde265 stays the fallback when the plugin is absent.
    const char *preferred = "ffmpeg";
    // Benchmark knobs: TARNWICK_HEVC_DECODER names a decoder plugin id
    // ("libde265", "ffmpeg"), TARNWICK_DECODING_THREADS the tile threads.
    if (const char *env = std::getenv("TARNWICK_HEVC_DECODER"); env && *env)
        preferred = env;
    if (hasHevcDecoder(preferred))
        s.hevcDecoder = preferred;
    s.cores = std::max(1u, std::thread::hardware_concurrency());
    if (const char *env = std::getenv("TARNWICK_DECODING_THREADS"); env && *env) {
        const int n = std::atoi(env);
        if (n >= 0 && n <= 64)
            s.decodingThreads = n;
    }
    return s;
}

const Settings &settings()
{
    static const Settings s = makeSettings(); // thread-safe one-time init
    return s;
}

// Calls running right now, to size each call's tile threads.
std::atomic<int> callsInFlight{0};

struct InFlight {
    InFlight() { ++callsInFlight; }
    ~InFlight() { --callsInFlight; }
};

// A photo decoded alone (the preview) gets its grid tiles decoded on all
// cores; when several calls run at once (a batch), the calls themselves keep
// the cores busy and more threads only cost memory, so tiles are decoded in
// the calling thread.
int tileThreads(const Settings &s)
{
    if (s.decodingThreads >= 0)
        return s.decodingThreads;
    if (callsInFlight.load() > 1)
        return 0;
    return int(std::min(s.cores, 4u));
}

// ---------------------------------------------------------------------------
// Decoded pixels in flight across all calls are bounded, so several large
// photos decoded at once cannot exhaust memory: a call waits until earlier
// calls have released enough. A single image never needs more than the whole
// budget, so a call always gets in once the others are done.

class PixelBudget {
public:
    uint64_t acquire(uint64_t pixels)
    {
        pixels = std::min<uint64_t>(pixels, TARNWICK_PIXEL_BUDGET);
        std::unique_lock<std::mutex> lock(m_mutex);
        m_free.wait(lock, [&] { return m_inUse + pixels <= TARNWICK_PIXEL_BUDGET; });
        m_inUse += pixels;
        return pixels;
    }
    void release(uint64_t pixels)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_inUse -= pixels;
        }
        m_free.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_free;
    uint64_t m_inUse = 0;
};

PixelBudget &pixelBudget()
{
    // Deliberately leaked: calls on other threads may still be running while
    // static destructors run at process exit.
    static PixelBudget *budget = new PixelBudget;
    return *budget;
}

class PixelReservation {
public:
    explicit PixelReservation(uint64_t pixels) : m_pixels(pixelBudget().acquire(pixels)) {}
    ~PixelReservation() { pixelBudget().release(m_pixels); }
    PixelReservation(const PixelReservation &) = delete;
    PixelReservation &operator=(const PixelReservation &) = delete;

private:
    uint64_t m_pixels;
};

// ---------------------------------------------------------------------------
// Owners of library objects.

struct ContextDeleter {
    void operator()(heif_context *c) const { heif_context_free(c); }
};
struct HandleDeleter {
    void operator()(heif_image_handle *h) const { heif_image_handle_release(h); }
};
struct ImageDeleter {
    void operator()(heif_image *i) const { heif_image_release(i); }
};
struct NclxDeleter {
    void operator()(heif_color_profile_nclx *n) const { heif_nclx_color_profile_free(n); }
};
struct TjDeleter {
    void operator()(void *h) const { tjDestroy(h); }
};
struct TjBuffer {
    unsigned char *data = nullptr;
    unsigned long size = 0;
    ~TjBuffer() { tjFree(data); }
};

using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;
using Image = std::unique_ptr<heif_image, ImageDeleter>;
using Nclx = std::unique_ptr<heif_color_profile_nclx, NclxDeleter>;
using TjHandle = std::unique_ptr<void, TjDeleter>;

// ---------------------------------------------------------------------------

struct Failure {
    int32_t code;
};

int32_t mapError(const heif_error &e)
{
    if (e.subcode == heif_suberror_Security_limit_exceeded)
        return TARNWICK_ERR_TOO_LARGE;
    switch (e.code) {
    case heif_error_Ok:
        return 0;
    case heif_error_Input_does_not_exist:
        return TARNWICK_ERR_EMPTY_INPUT;
    case heif_error_Invalid_input:
        if (e.subcode == heif_suberror_End_of_data)
            return TARNWICK_ERR_TRUNCATED;
        if (e.subcode == heif_suberror_No_ftyp_box)
            return TARNWICK_ERR_NOT_HEIF;
        return TARNWICK_ERR_CORRUPT;
    case heif_error_Unsupported_filetype:
        return TARNWICK_ERR_NOT_HEIF;
    case heif_error_Unsupported_feature:
    case heif_error_Plugin_loading_error:
        return TARNWICK_ERR_UNSUPPORTED;
    case heif_error_Memory_allocation_error:
        return TARNWICK_ERR_NO_MEMORY;
    case heif_error_Decoder_plugin_error:
        return TARNWICK_ERR_DECODE;
    default:
        return TARNWICK_ERR_INTERNAL;
    }
}

void check(const heif_error &e)
{
    if (e.code != heif_error_Ok)
        throw Failure{mapError(e)};
}

void checkSize(int64_t width, int64_t height)
{
    if (width <= 0 || height <= 0)
        throw Failure{TARNWICK_ERR_CORRUPT};
    if (width > TARNWICK_MAX_SIDE || height > TARNWICK_MAX_SIDE || width * height > TARNWICK_MAX_PIXELS)
        throw Failure{TARNWICK_ERR_TOO_LARGE};
}

bool samePixels(const heif_image *a, const heif_image *b)
{
    static const heif_channel channels[] = {heif_channel_Y,     heif_channel_Cb,    heif_channel_Cr,
                                            heif_channel_R,     heif_channel_G,     heif_channel_B,
                                            heif_channel_Alpha, heif_channel_interleaved};
    for (heif_channel channel : channels) {
        const bool inA = heif_image_has_channel(a, channel);
        if (inA != bool(heif_image_has_channel(b, channel)))
            return false;
        if (!inA)
            continue;
        const int width = heif_image_get_width(a, channel);
        const int height = heif_image_get_height(a, channel);
        const int bits = heif_image_get_bits_per_pixel(a, channel);
        if (width != heif_image_get_width(b, channel) || height != heif_image_get_height(b, channel)
            || bits != heif_image_get_bits_per_pixel(b, channel) || width <= 0 || height <= 0 || bits <= 0)
            return false;
        int strideA = 0, strideB = 0;
        const uint8_t *pa = heif_image_get_plane_readonly(a, channel, &strideA);
        const uint8_t *pb = heif_image_get_plane_readonly(b, channel, &strideB);
        const size_t rowBytes = size_t(width) * size_t((bits + 7) / 8);
        if (!pa || !pb || size_t(strideA) < rowBytes || size_t(strideB) < rowBytes)
            return false;
        for (int y = 0; y < height; ++y) {
            if (std::memcmp(pa + size_t(y) * size_t(strideA), pb + size_t(y) * size_t(strideB), rowBytes) != 0)
                return false;
        }
    }
    return true;
}

Image decode(heif_image_handle *handle, heif_colorspace colorspace, heif_chroma chroma,
             bool applyTransformations = true)
{
    std::unique_ptr<heif_decoding_options, void (*)(heif_decoding_options *)> options(
        heif_decoding_options_alloc(), heif_decoding_options_free);
    if (!options)
        throw Failure{TARNWICK_ERR_NO_MEMORY};
    options->convert_hdr_to_8bit = 1;
    options->ignore_transformations = applyTransformations ? 0 : 1;
    const std::string &preferred = settings().hevcDecoder;
    options->decoder_id = preferred.empty() ? nullptr : preferred.c_str();

    heif_image *raw = nullptr;
    heif_error e = heif_decode_image(handle, &raw, colorspace, chroma, options.get());
    if (e.code != heif_error_Ok && options->decoder_id && e.subcode != heif_suberror_Security_limit_exceeded
        && e.code != heif_error_Memory_allocation_error) {
        // The preferred plugin decodes HEVC only, so other codecs (AV1 in a
        // HEIF container) go to whichever decoder libheif has for them; and
        // it rejects some valid camera files (a 2x2 grid of 10-bit tiles
        // gives "PPS changed between slices") that libheif's default decoder
        // reads.
        if (raw)
            heif_image_release(raw);
        raw = nullptr;
        // Anything but "no decoder for this format" may mean damaged data.
        const bool rejectedData = e.code != heif_error_Plugin_loading_error;
        options->decoder_id = nullptr;
        e = heif_decode_image(handle, &raw, colorspace, chroma, options.get());
        if (e.code == heif_error_Ok && raw && rejectedData) {
            // Data the preferred plugin rejected may be damaged, and libde265
            // then reports success with parts of the picture never written:
            // stale memory would end up in the JPEG. A second decode tells:
            // written pixels come out the same, stale memory does not.
            Image first(raw);
            heif_image *again = nullptr;
            const heif_error e2 = heif_decode_image(handle, &again, colorspace, chroma, options.get());
            Image second(again);
            check(e2);
            if (!second || !samePixels(first.get(), second.get()))
                throw Failure{TARNWICK_ERR_DECODE};
            return first;
        }
    }
    Image image(raw);
    check(e);
    if (!image)
        throw Failure{TARNWICK_ERR_DECODE};
    return image;
}

int planeBits(const heif_image *image, heif_channel channel)
{
    return heif_image_get_bits_per_pixel_range(image, channel);
}

// An 8-bit copy of a plane with more bits; 8-bit planes are used in place.
struct Plane8 {
    const uint8_t *data = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> storage;
};

Plane8 plane8(const heif_image *image, heif_channel channel)
{
    Plane8 p;
    p.width = heif_image_get_width(image, channel);
    p.height = heif_image_get_height(image, channel);
    int stride = 0;
    const uint8_t *src = heif_image_get_plane_readonly(image, channel, &stride);
    const int bits = planeBits(image, channel);
    if (!src || p.width <= 0 || p.height <= 0 || stride <= 0 || bits < 1 || bits > 16)
        throw Failure{TARNWICK_ERR_DECODE};
    if (bits <= 8) {
        p.data = src;
        p.stride = stride;
        return p;
    }
    if (size_t(stride) < size_t(p.width) * 2)
        throw Failure{TARNWICK_ERR_DECODE};
    p.storage.resize(size_t(p.width) * size_t(p.height));
    const uint32_t maxValue = (1u << bits) - 1;
    for (int y = 0; y < p.height; ++y) {
        const uint16_t *row = reinterpret_cast<const uint16_t *>(src + size_t(y) * size_t(stride));
        uint8_t *out = p.storage.data() + size_t(y) * size_t(p.width);
        for (int x = 0; x < p.width; ++x) {
            const uint32_t v = std::min<uint32_t>(row[x], maxValue);
            out[x] = uint8_t((v * 255 + maxValue / 2) / maxValue);
        }
    }
    p.data = p.storage.data();
    p.stride = p.width;
    return p;
}

// TurboJPEG reads each plane in whole subsampling units: the luma plane of an
// odd-sized 4:2:0 picture one column and one row beyond the picture. Planes
// that do not extend that far are copied with their last column and row
// repeated.
void padForEncoder(Plane8 &p, int width, int height)
{
    if (width <= 0 || height <= 0 || p.width < width - 1 || p.height < height - 1)
        throw Failure{TARNWICK_ERR_DECODE};
    if (p.width >= width && p.height >= height && p.stride >= width)
        return;
    std::vector<uint8_t> padded(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const uint8_t *src = p.data + size_t(std::min(y, p.height - 1)) * size_t(p.stride);
        uint8_t *dst = padded.data() + size_t(y) * size_t(width);
        const int copied = std::min(width, p.width);
        std::memcpy(dst, src, size_t(copied));
        std::memset(dst + copied, src[copied - 1], size_t(width - copied));
    }
    p.storage = std::move(padded);
    p.data = p.storage.data();
    p.stride = p.width = width;
    p.height = height;
}

inline uint8_t onWhite(uint8_t c, uint8_t a, bool premultiplied)
{
    if (premultiplied)
        return uint8_t(std::min(255, c + 255 - a));
    return uint8_t((c * a + 255 * (255 - a) + 127) / 255);
}

// The JPEG's chroma subsampling follows the photo's own.
int subsamplingFor(heif_chroma chroma)
{
    switch (chroma) {
    case heif_chroma_420:
        return TJSAMP_420;
    case heif_chroma_422:
        return TJSAMP_422;
    default:
        return TJSAMP_444;
    }
}

// JPEG's YCbCr is full-range BT.601; planes in that form are encoded as they
// are. libheif reads an unspecified matrix as BT.601 too.
bool planesAreJpegYCbCr(const heif_image *image, const heif_image_handle *handle)
{
    heif_color_profile_nclx *raw = nullptr;
    if (heif_image_get_nclx_color_profile(image, &raw).code != heif_error_Ok || !raw)
        heif_image_handle_get_nclx_color_profile(handle, &raw);
    Nclx nclx(raw);
    if (!nclx)
        return true; // libheif's default: BT.601, full range
    const auto m = nclx->matrix_coefficients;
    const bool bt601 = m == heif_matrix_coefficients_ITU_R_BT_601_6
        || m == heif_matrix_coefficients_ITU_R_BT_470_6_System_B_G || m == heif_matrix_coefficients_unspecified;
    return bt601 && nclx->full_range_flag;
}

class Encoder {
public:
    Encoder() : m_tj(tjInitCompress())
    {
        if (!m_tj)
            throw Failure{TARNWICK_ERR_NO_MEMORY};
    }

    void fromPlanes(const Plane8 planes[3], int width, int height, int subsampling, int quality, TjBuffer &out)
    {
        const unsigned char *src[3] = {planes[0].data, planes[1].data, planes[2].data};
        const int strides[3] = {planes[0].stride, planes[1].stride, planes[2].stride};
        if (tjCompressFromYUVPlanes(m_tj.get(), src, width, strides, height, subsampling, &out.data, &out.size,
                                    quality, 0)
            != 0)
            throw Failure{TARNWICK_ERR_ENCODE};
    }

    void fromPixels(const uint8_t *pixels, int width, int stride, int height, int pixelFormat, int subsampling,
                    int quality, TjBuffer &out)
    {
        if (tjCompress2(m_tj.get(), pixels, width, stride, height, pixelFormat, &out.data, &out.size, subsampling,
                        quality, 0)
            != 0)
            throw Failure{TARNWICK_ERR_ENCODE};
    }

private:
    TjHandle m_tj;
};

// Grey photos keep one component.
void encodeMonochrome(heif_image_handle *handle, int quality, Encoder &encoder, TjBuffer &jpeg, bool &done)
{
    Image image = decode(handle, heif_colorspace_monochrome, heif_chroma_monochrome);
    const bool hasAlpha = heif_image_handle_has_alpha_channel(handle);
    if (hasAlpha && !heif_image_has_channel(image.get(), heif_channel_Alpha))
        return; // alpha not delivered with the grey plane: the caller goes via RGB
    Plane8 grey = plane8(image.get(), heif_channel_Y);
    checkSize(grey.width, grey.height);
    if (hasAlpha) {
        Plane8 alpha = plane8(image.get(), heif_channel_Alpha);
        if (alpha.width != grey.width || alpha.height != grey.height)
            throw Failure{TARNWICK_ERR_DECODE};
        const bool premultiplied = heif_image_handle_is_premultiplied_alpha(handle);
        std::vector<uint8_t> flat(size_t(grey.width) * size_t(grey.height));
        for (int y = 0; y < grey.height; ++y) {
            const uint8_t *g = grey.data + size_t(y) * size_t(grey.stride);
            const uint8_t *a = alpha.data + size_t(y) * size_t(alpha.stride);
            uint8_t *o = flat.data() + size_t(y) * size_t(grey.width);
            for (int x = 0; x < grey.width; ++x)
                o[x] = onWhite(g[x], a[x], premultiplied);
        }
        grey.storage = std::move(flat);
        grey.data = grey.storage.data();
        grey.stride = grey.width;
    }
    encoder.fromPixels(grey.data, grey.width, grey.stride, grey.height, TJPF_GRAY, TJSAMP_GRAY, quality, jpeg);
    done = true;
}

// Straight from the decoded YCbCr planes, with no RGB round trip.
void encodeYCbCr(heif_image_handle *handle, heif_chroma chroma, int quality, Encoder &encoder, TjBuffer &jpeg,
                 bool &done)
{
    Image image = decode(handle, heif_colorspace_YCbCr, chroma);
    if (heif_image_get_colorspace(image.get()) != heif_colorspace_YCbCr
        || heif_image_get_chroma_format(image.get()) != chroma || !planesAreJpegYCbCr(image.get(), handle))
        return; // the caller goes via RGB
    Plane8 planes[3] = {plane8(image.get(), heif_channel_Y), plane8(image.get(), heif_channel_Cb),
                        plane8(image.get(), heif_channel_Cr)};
    const int width = planes[0].width;
    const int height = planes[0].height;
    checkSize(width, height);
    const int subsampling = subsamplingFor(chroma);
    for (int i = 0; i < 3; ++i)
        padForEncoder(planes[i], tjPlaneWidth(i, width, subsampling), tjPlaneHeight(i, height, subsampling));
    encoder.fromPlanes(planes, width, height, subsampling, quality, jpeg);
    done = true;
}

// Tightly packed 8-bit pixels.
struct Raster {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<uint8_t> pixels;
};

Raster rotatedCcw(const Raster &in, int degrees)
{
    if (degrees == 0)
        return in;
    Raster out;
    const bool quarter = degrees == 90 || degrees == 270;
    out.width = quarter ? in.height : in.width;
    out.height = quarter ? in.width : in.height;
    out.channels = in.channels;
    out.pixels.resize(in.pixels.size());
    const size_t c = size_t(in.channels);
    for (int y = 0; y < out.height; ++y) {
        uint8_t *row = out.pixels.data() + size_t(y) * size_t(out.width) * c;
        for (int x = 0; x < out.width; ++x) {
            int sx, sy;
            if (degrees == 90) { // the source's right edge becomes the top
                sx = in.width - 1 - y;
                sy = x;
            } else if (degrees == 270) {
                sx = y;
                sy = in.height - 1 - x;
            } else {
                sx = in.width - 1 - x;
                sy = in.height - 1 - y;
            }
            std::memcpy(row + size_t(x) * c, in.pixels.data() + (size_t(sy) * size_t(in.width) + size_t(sx)) * c, c);
        }
    }
    return out;
}

void mirror(Raster &r, heif_transform_mirror_direction direction)
{
    const size_t c = size_t(r.channels);
    const size_t rowBytes = size_t(r.width) * c;
    if (direction == heif_transform_mirror_direction_vertical) { // top and bottom swap
        std::vector<uint8_t> tmp(rowBytes);
        for (int y = 0; y < r.height / 2; ++y) {
            uint8_t *a = r.pixels.data() + size_t(y) * rowBytes;
            uint8_t *b = r.pixels.data() + size_t(r.height - 1 - y) * rowBytes;
            std::memcpy(tmp.data(), a, rowBytes);
            std::memcpy(a, b, rowBytes);
            std::memcpy(b, tmp.data(), rowBytes);
        }
    } else {
        for (int y = 0; y < r.height; ++y) {
            uint8_t *row = r.pixels.data() + size_t(y) * rowBytes;
            for (int x = 0; x < r.width / 2; ++x) {
                for (size_t k = 0; k < c; ++k)
                    std::swap(row[size_t(x) * c + k], row[size_t(r.width - 1 - x) * c + k]);
            }
        }
    }
}

Raster cropped(const Raster &in, int left, int top, int right, int bottom)
{
    if (left < 0 || top < 0 || right < 0 || bottom < 0 || int64_t(left) + right >= in.width
        || int64_t(top) + bottom >= in.height)
        throw Failure{TARNWICK_ERR_CORRUPT};
    if (left == 0 && top == 0 && right == 0 && bottom == 0)
        return in;
    Raster out;
    out.width = in.width - left - right;
    out.height = in.height - top - bottom;
    out.channels = in.channels;
    const size_t c = size_t(in.channels);
    out.pixels.resize(size_t(out.width) * size_t(out.height) * c);
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.pixels.data() + size_t(y) * size_t(out.width) * c,
                    in.pixels.data() + (size_t(y + top) * size_t(in.width) + size_t(left)) * c,
                    size_t(out.width) * c);
    return out;
}

// The file's rotation, mirroring and clean-aperture crop, in the file's order.
Raster transformed(Raster r, const heif_context *context, const heif_image_handle *handle)
{
    const heif_item_id id = heif_image_handle_get_item_id(handle);
    const int count = heif_item_get_transformation_properties(context, id, nullptr, 0);
    if (count <= 0)
        return r;
    if (count > 64)
        throw Failure{TARNWICK_ERR_CORRUPT};
    std::vector<heif_property_id> properties(static_cast<size_t>(count));
    const int n = heif_item_get_transformation_properties(context, id, properties.data(), count);
    for (int i = 0; i < n && i < count; ++i) {
        const heif_property_id property = properties[size_t(i)];
        switch (heif_item_get_property_type(context, id, property)) {
        case heif_item_property_type_transform_rotation: {
            const int degrees = heif_item_get_property_transform_rotation_ccw(context, id, property);
            if (degrees != 0 && degrees != 90 && degrees != 180 && degrees != 270)
                throw Failure{TARNWICK_ERR_CORRUPT};
            r = rotatedCcw(r, degrees);
            break;
        }
        case heif_item_property_type_transform_mirror: {
            const auto direction = heif_item_get_property_transform_mirror(context, id, property);
            if (direction == heif_transform_mirror_direction_invalid)
                throw Failure{TARNWICK_ERR_CORRUPT};
            mirror(r, direction);
            break;
        }
        case heif_item_property_type_transform_crop: {
            int left = 0, top = 0, right = 0, bottom = 0;
            heif_item_get_property_transform_crop_borders(context, id, property, r.width, r.height, &left, &top,
                                                          &right, &bottom);
            r = cropped(r, left, top, right, bottom);
            break;
        }
        default:
            break;
        }
    }
    return r;
}

// Via 8-bit RGB. The transformations are applied here, after the colour
// conversion: libheif 1.19 crops subsampled chroma planes wrongly (one column
// or row too many and shifted by one) before converting them.
void encodeRgb(const heif_context *context, heif_image_handle *handle, heif_chroma sourceChroma, int quality,
               Encoder &encoder, TjBuffer &jpeg)
{
    const bool hasAlpha = heif_image_handle_has_alpha_channel(handle);
    const heif_chroma layout = hasAlpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
    Image image = decode(handle, heif_colorspace_RGB, layout, false);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    checkSize(width, height);
    const int channels = hasAlpha ? 4 : 3;
    if (heif_image_get_chroma_format(image.get()) != layout
        || heif_image_get_bits_per_pixel(image.get(), heif_channel_interleaved) != channels * 8)
        throw Failure{TARNWICK_ERR_DECODE};
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!pixels || stride <= 0 || size_t(stride) < size_t(width) * size_t(channels))
        throw Failure{TARNWICK_ERR_DECODE};

    Raster raster;
    raster.width = width;
    raster.height = height;
    raster.channels = 3;
    raster.pixels.resize(size_t(width) * size_t(height) * 3);
    const bool premultiplied = hasAlpha && heif_image_handle_is_premultiplied_alpha(handle);
    for (int y = 0; y < height; ++y) {
        const uint8_t *in = pixels + size_t(y) * size_t(stride);
        uint8_t *out = raster.pixels.data() + size_t(y) * size_t(width) * 3;
        if (!hasAlpha) {
            std::memcpy(out, in, size_t(width) * 3);
            continue;
        }
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            out[0] = onWhite(in[0], in[3], premultiplied);
            out[1] = onWhite(in[1], in[3], premultiplied);
            out[2] = onWhite(in[2], in[3], premultiplied);
        }
    }
    image.reset();
    raster = transformed(std::move(raster), context, handle);
    checkSize(raster.width, raster.height);
    encoder.fromPixels(raster.pixels.data(), raster.width, raster.width * 3, raster.height, TJPF_RGB,
                       subsamplingFor(sourceChroma), quality, jpeg);
}

// An nclx box that already rules out encoding the planes as they are saves
// decoding twice.
bool nclxBoxAllowsPlanes(const heif_image_handle *handle)
{
    heif_color_profile_nclx *raw = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &raw).code != heif_error_Ok || !raw)
        return true;
    Nclx nclx(raw);
    const auto m = nclx->matrix_coefficients;
    return nclx->full_range_flag
        && (m == heif_matrix_coefficients_ITU_R_BT_601_6 || m == heif_matrix_coefficients_ITU_R_BT_470_6_System_B_G
            || m == heif_matrix_coefficients_unspecified);
}

// Cropped YCbCr images go via RGB (see encodeRgb).
bool hasCleanAperture(const heif_context *context, const heif_image_handle *handle)
{
    return heif_item_get_properties_of_type(context, heif_image_handle_get_item_id(handle),
                                            heif_item_property_type_transform_crop, nullptr, 0)
        > 0;
}

std::vector<uint8_t> iccProfile(const heif_image_handle *handle)
{
    const auto type = heif_image_handle_get_color_profile_type(handle);
    if (type != heif_color_profile_type_prof && type != heif_color_profile_type_rICC)
        return {};
    const size_t size = heif_image_handle_get_raw_color_profile_size(handle);
    if (size == 0)
        return {};
    std::vector<uint8_t> icc(size);
    if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code != heif_error_Ok)
        return {};
    return icc;
}

// Largest EXIF item read: phones write a few hundred KB at most.
constexpr size_t kMaxExifItemSize = 16u << 20;

// The first usable EXIF block of the image, ready for APP1.
std::vector<uint8_t> exifPayload(const heif_image_handle *handle)
{
    const int count = heif_image_handle_get_number_of_metadata_blocks(handle, "Exif");
    if (count <= 0)
        return {};
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    const int n = heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", ids.data(), count);
    for (int i = 0; i < n && i < count; ++i) {
        const size_t size = heif_image_handle_get_metadata_size(handle, ids[size_t(i)]);
        // Larger blocks are compacted to one segment; beyond this bound a
        // block is not EXIF worth reading.
        if (size == 0 || size > kMaxExifItemSize)
            continue;
        std::vector<uint8_t> item(size);
        if (heif_image_handle_get_metadata(handle, ids[size_t(i)], item.data()).code != heif_error_Ok)
            continue;
        std::vector<uint8_t> payload = exifApp1Payload(item.data(), item.size());
        if (!payload.empty())
            return payload;
    }
    return {};
}

int32_t deliver(const uint8_t *jpeg, size_t jpegSize, const std::vector<uint8_t> &segments, unsigned char *output,
                int32_t capacity)
{
    const size_t insertAt = segments.empty() ? 0 : segmentInsertOffset(jpeg, jpegSize);
    const std::vector<uint8_t> none;
    const std::vector<uint8_t> &inserted = insertAt ? segments : none;
    const uint64_t total = uint64_t(jpegSize) + inserted.size();
    if (total > uint64_t(INT32_MAX))
        return TARNWICK_ERR_OUTPUT_TOO_LARGE;
    if (total > uint64_t(capacity))
        return int32_t(total);
    std::memcpy(output, jpeg, insertAt);
    if (!inserted.empty())
        std::memcpy(output + insertAt, inserted.data(), inserted.size());
    std::memcpy(output + insertAt + inserted.size(), jpeg + insertAt, jpegSize - insertAt);
    return int32_t(total);
}

int32_t passThroughJpeg(const unsigned char *input, int32_t length, unsigned char *output, int32_t capacity)
{
    TjHandle tj(tjInitDecompress());
    if (!tj)
        return TARNWICK_ERR_NO_MEMORY;
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(tj.get(), input, static_cast<unsigned long>(length), &width, &height, &subsampling,
                            &colorspace)
            != 0
        || width <= 0 || height <= 0)
        return TARNWICK_ERR_CORRUPT;
    if (length > capacity)
        return length;
    std::memcpy(output, input, size_t(length));
    return length;
}

int32_t convert(const unsigned char *input, int32_t inputLength, int32_t quality, unsigned char *output,
                int32_t outputCapacity)
{
    if (inputLength < 0 || outputCapacity < 0 || (!output && outputCapacity > 0))
        return TARNWICK_ERR_INVALID_ARGUMENT;
    if (inputLength == 0)
        return TARNWICK_ERR_EMPTY_INPUT;
    if (!input)
        return TARNWICK_ERR_INVALID_ARGUMENT;
    quality = std::clamp(quality, 1, 100);

    if (inputLength >= 3 && input[0] == 0xFF && input[1] == 0xD8 && input[2] == 0xFF)
        return passThroughJpeg(input, inputLength, output, outputCapacity);
    const heif_filetype_result type = heif_check_filetype(input, inputLength);
    // Fewer than 12 bytes cannot hold the file type box HEIF starts with.
    if (type == heif_filetype_no || inputLength < 12)
        return TARNWICK_ERR_NOT_HEIF;
    if (type == heif_filetype_yes_unsupported)
        return TARNWICK_ERR_UNSUPPORTED;

    const Settings &config = settings();
    const InFlight inFlight;
    Context context(heif_context_alloc());
    if (!context)
        return TARNWICK_ERR_NO_MEMORY;
    if (heif_security_limits *limits = heif_context_get_security_limits(context.get())) {
        if (limits->max_image_size_pixels == 0 || limits->max_image_size_pixels > TARNWICK_MAX_PIXELS)
            limits->max_image_size_pixels = TARNWICK_MAX_PIXELS;
    }
    heif_context_set_max_decoding_threads(context.get(), tileThreads(config));
    // Always from memory: reading from a file, libheif aborts on some broken
    // files where the same bytes in memory give an error.
    check(heif_context_read_from_memory_without_copy(context.get(), input, size_t(inputLength), nullptr));

    heif_image_handle *rawHandle = nullptr;
    check(heif_context_get_primary_image_handle(context.get(), &rawHandle));
    Handle handle(rawHandle);
    if (!handle)
        return TARNWICK_ERR_CORRUPT;
    const int64_t width = heif_image_handle_get_width(handle.get());
    const int64_t height = heif_image_handle_get_height(handle.get());
    checkSize(width, height);

    std::vector<uint8_t> segments = metadataSegments(exifPayload(handle.get()), iccProfile(handle.get()));

    heif_colorspace colorspace = heif_colorspace_undefined;
    heif_chroma chroma = heif_chroma_undefined;
    // A failure here is left to the decoder to report: it tells a codec with
    // no decoder installed (unsupported) from damaged data.
    if (heif_image_handle_get_preferred_decoding_colorspace(handle.get(), &colorspace, &chroma).code != heif_error_Ok) {
        colorspace = heif_colorspace_undefined;
        chroma = heif_chroma_undefined;
    }

    // The stored picture before any crop is what gets decoded.
    const int64_t storedWidth = std::max<int64_t>(width, heif_image_handle_get_ispe_width(handle.get()));
    const int64_t storedHeight = std::max<int64_t>(height, heif_image_handle_get_ispe_height(handle.get()));
    if (storedWidth * storedHeight > TARNWICK_MAX_PIXELS)
        throw Failure{TARNWICK_ERR_TOO_LARGE};
    PixelReservation reservation(uint64_t(storedWidth) * uint64_t(storedHeight));
    Encoder encoder;
    TjBuffer jpeg;
    bool done = false;
    if (colorspace == heif_colorspace_monochrome) {
        encodeMonochrome(handle.get(), quality, encoder, jpeg, done);
    } else if (colorspace == heif_colorspace_YCbCr && !heif_image_handle_has_alpha_channel(handle.get())
               && (chroma == heif_chroma_420 || chroma == heif_chroma_422 || chroma == heif_chroma_444)
               && !hasCleanAperture(context.get(), handle.get()) && nclxBoxAllowsPlanes(handle.get())) {
        encodeYCbCr(handle.get(), chroma, quality, encoder, jpeg, done);
    }
    if (!done)
        encodeRgb(context.get(), handle.get(), chroma, quality, encoder, jpeg);
    if (!jpeg.data || jpeg.size == 0)
        return TARNWICK_ERR_ENCODE;
    return deliver(jpeg.data, jpeg.size, segments, output, outputCapacity);
}

} // namespace
} // namespace tarnwick

extern "C" int32_t heif2jpg(const unsigned char *input, int32_t inputLength, int32_t quality, unsigned char *output,
                            int32_t outputCapacity, const char * /*tempFileName: decoding is in memory*/)
{
    try {
        return tarnwick::convert(input, inputLength, quality, output, outputCapacity);
    } catch (const tarnwick::Failure &f) {
        return f.code;
    } catch (const std::bad_alloc &) {
        return TARNWICK_ERR_NO_MEMORY;
    } catch (...) {
        return TARNWICK_ERR_INTERNAL;
    }
}

extern "C" const char *tarnwick_error_text(int32_t code)
{
    if (code >= 0)
        return "success";
    switch (code) {
    case TARNWICK_ERR_INVALID_ARGUMENT:
        return "invalid argument";
    case TARNWICK_ERR_EMPTY_INPUT:
        return "empty input";
    case TARNWICK_ERR_NOT_HEIF:
        return "not a HEIF or JPEG file";
    case TARNWICK_ERR_TRUNCATED:
        return "file is truncated";
    case TARNWICK_ERR_CORRUPT:
        return "file is corrupt";
    case TARNWICK_ERR_UNSUPPORTED:
        return "unsupported codec or feature";
    case TARNWICK_ERR_TOO_LARGE:
        return "image too large";
    case TARNWICK_ERR_DECODE:
        return "image could not be decoded";
    case TARNWICK_ERR_NO_MEMORY:
        return "out of memory";
    case TARNWICK_ERR_ENCODE:
        return "JPEG encoding failed";
    case TARNWICK_ERR_OUTPUT_TOO_LARGE:
        return "JPEG output too large";
    case TARNWICK_ERR_INTERNAL:
        return "internal error";
    default:
        return "unknown error";
    }
}
