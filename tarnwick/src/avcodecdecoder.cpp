// The libavcodec HEVC decoder as a libheif decoder plugin (see
// decoderplugins.h): frame buffers come from libavcodec's pool and are filled
// with one byte value before decoding; bitstream errors stop decoding
// (AV_EF_EXPLODE) and frames flagged corrupt or with decode errors are
// refused.
//
// libavcodec skips what is missing without a word: a picture whose slice was
// lost decodes "cleanly" with its coding tree blocks never written. Such
// blocks still hold the fill (ctbcoverage.h), so the picture is refused. A
// written block may equal the fill by chance, so a picture with blocks that
// look unwritten under the first fill (rare in photos) is decoded again under
// the second, and refused only when some block keeps both.
#include "ctbcoverage.h"
#include "decoderplugin.h"
#include "decoderplugins.h"
#include "decodedpicture.h"

#include <libheif/heif_plugin.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/log.h>
#include <libavutil/pixdesc.h>
}

#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <memory>
#include <vector>

namespace tarnwick {
namespace {

struct CodecContextDeleter {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct PacketDeleter {
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct FrameDeleter {
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};

// libavcodec's own buffers, filled with context->opaque's byte before the
// decoder writes: what it leaves unwritten is that value, never another
// photo's pixels.
int filledFrameBuffer(AVCodecContext *context, AVFrame *frame, int flags)
{
    const auto *fill = static_cast<const uint8_t *>(context->opaque);
    if (!fill)
        return AVERROR(EINVAL);
    const int result = avcodec_default_get_buffer2(context, frame, flags);
    if (result < 0)
        return result;
    const AVPixFmtDescriptor *format = av_pix_fmt_desc_get(AVPixelFormat(frame->format));
    if (!format) {
        av_frame_unref(frame);
        return AVERROR(EINVAL);
    }
    for (int i = 0; i < AV_NUM_DATA_POINTERS && frame->data[i]; ++i) {
        if (frame->linesize[i] <= 0)
            continue;
        int rows = frame->height;
        if (i == 1 || i == 2)
            rows = AV_CEIL_RSHIFT(rows, format->log2_chroma_h);
        std::memset(frame->data[i], *fill, size_t(frame->linesize[i]) * size_t(rows));
    }
    return 0;
}

const char *pluginName()
{
    return "Tarnwick libavcodec HEVC decoder";
}

// Planar YCbCr or grey, little-endian samples, one depth for all components.
const AVPixFmtDescriptor *planarFormat(const AVFrame &frame)
{
    const AVPixFmtDescriptor *d = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    if (!d || (d->flags & (AV_PIX_FMT_FLAG_BE | AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_HWACCEL
                           | AV_PIX_FMT_FLAG_ALPHA | AV_PIX_FMT_FLAG_BITSTREAM | AV_PIX_FMT_FLAG_FLOAT)))
        return nullptr;
    if (d->nb_components != 1 && !(d->nb_components == 3 && (d->flags & AV_PIX_FMT_FLAG_PLANAR)))
        return nullptr;
    if (d->log2_chroma_w > 1 || d->log2_chroma_h > d->log2_chroma_w)
        return nullptr;
    const int depth = d->comp[0].depth;
    for (int c = 0; c < d->nb_components; ++c) {
        const AVComponentDescriptor &comp = d->comp[c];
        if (comp.plane != c || comp.depth != depth || comp.shift != 0 || comp.offset != 0
            || comp.step != (depth > 8 ? 2 : 1) || !frame.data[c] || frame.linesize[c] <= 0)
            return nullptr;
    }
    if (frame.width <= 0 || frame.height <= 0)
        return nullptr;
    return d;
}

// The whole coded frame (cropping is not applied by libavcodec, so coding
// tree blocks lie on the 16-sample grid from its corner) as the fill left it.
void describeFilled(const AVFrame &frame, const AVPixFmtDescriptor &d, FilledPicture &filled)
{
    filled.planeCount = d.nb_components;
    filled.chromaShiftX = d.log2_chroma_w;
    filled.chromaShiftY = d.log2_chroma_h;
    for (int c = 0; c < d.nb_components; ++c) {
        FilledPlane &p = filled.planes[c];
        p.memory = frame.data[c];
        p.strideBytes = size_t(frame.linesize[c]);
        p.sampleBytes = d.comp[0].depth > 8 ? 2 : 1;
        p.width = c == 0 ? frame.width : AV_CEIL_RSHIFT(frame.width, d.log2_chroma_w);
        p.height = c == 0 ? frame.height : AV_CEIL_RSHIFT(frame.height, d.log2_chroma_h);
        p.bytes = p.strideBytes * size_t(p.height); // what the fill covered
    }
}

// The visible picture: the coded frame cut to its conformance window.
bool describe(const AVFrame &frame, const AVPixFmtDescriptor &d, DecodedPicture &picture)
{
    if (frame.crop_left >= size_t(frame.width) || frame.crop_right >= size_t(frame.width) - frame.crop_left
        || frame.crop_top >= size_t(frame.height) || frame.crop_bottom >= size_t(frame.height) - frame.crop_top)
        return false;
    picture.chroma = chromaOfLayout(d.nb_components, d.log2_chroma_w, d.log2_chroma_h);
    const int depth = d.comp[0].depth;
    const size_t sampleBytes = depth > 8 ? 2 : 1;
    for (int c = 0; c < d.nb_components; ++c) {
        const int shiftX = c == 0 ? 0 : d.log2_chroma_w;
        const int shiftY = c == 0 ? 0 : d.log2_chroma_h;
        picture.planes[c] = frame.data[c] + (frame.crop_top >> shiftY) * size_t(frame.linesize[c])
            + (frame.crop_left >> shiftX) * sampleBytes;
        picture.strides[c] = frame.linesize[c];
    }
    picture.width = int(size_t(frame.width) - frame.crop_left - frame.crop_right);
    picture.height = int(size_t(frame.height) - frame.crop_top - frame.crop_bottom);
    picture.bitDepth = depth;
    picture.colourPrimaries = frame.color_primaries;
    picture.transferCharacteristics = frame.color_trc;
    picture.matrixCoefficients = frame.colorspace;
    picture.fullRange = frame.color_range == AVCOL_RANGE_JPEG;
    return true;
}

// Decodes the units into buffers filled with `fill` beforehand.
heif_error decodeFilled(const NalUnits &nals, uint8_t fill, std::unique_ptr<AVFrame, FrameDeleter> &frame)
{
    const AVCodec *codec = avcodec_find_decoder(AV_CODEC_ID_HEVC);
    if (!codec)
        return heif_error{heif_error_Unsupported_feature, heif_suberror_Unsupported_codec, "no HEVC decoder"};
    std::unique_ptr<AVCodecContext, CodecContextDeleter> context(avcodec_alloc_context3(codec));
    std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
    frame.reset(av_frame_alloc());
    if (!context || !packet || !frame)
        return outOfMemoryError();
    // One picture: threads would only cost memory; grid tiles are spread
    // over threads by libheif.
    context->thread_count = 1;
    context->err_recognition |= AV_EF_EXPLODE;
    context->flags &= ~AV_CODEC_FLAG_OUTPUT_CORRUPT;
    context->apply_cropping = 0;
    context->opaque = &fill;
    context->get_buffer2 = filledFrameBuffer;
    if (avcodec_open2(context.get(), codec, nullptr) < 0)
        return decoderError("HEVC decoder did not open");

    // Annex B byte stream: each unit after a start code.
    const size_t units = nals.units().size();
    if (units == 0 || nals.totalSize() > size_t(INT32_MAX) - 4 * units - AV_INPUT_BUFFER_PADDING_SIZE)
        return decoderError("no HEVC data");
    if (av_new_packet(packet.get(), int(nals.totalSize() + 4 * units)) < 0)
        return outOfMemoryError();
    uint8_t *at = packet->data;
    for (const NalUnits::Unit &unit : nals.units()) {
        static const uint8_t startCode[4] = {0, 0, 0, 1};
        std::memcpy(at, startCode, 4);
        std::memcpy(at + 4, unit.data, unit.size);
        at += 4 + unit.size;
    }
    if (avcodec_send_packet(context.get(), packet.get()) < 0 || avcodec_send_packet(context.get(), nullptr) < 0)
        return decoderError("damaged HEVC data");
    if (avcodec_receive_frame(context.get(), frame.get()) < 0)
        return decoderError("HEVC data gave no picture");
    if (frame->decode_error_flags != 0 || (frame->flags & AV_FRAME_FLAG_CORRUPT))
        return decoderError("damaged HEVC picture");
    return decoderOk();
}

// Blocks of the frame that still hold the fill (ctbcoverage.h); d is the
// frame's planarFormat.
heif_error unwrittenBlocks(const AVFrame &frame, const AVPixFmtDescriptor *d, uint8_t fill,
                           std::vector<uint8_t> &blocks)
{
    if (!d)
        return unsupportedError("unsupported HEVC picture format");
    FilledPicture filled;
    describeFilled(frame, *d, filled);
    if (!findUnwrittenBlocks(filled, fill, blocks))
        return decoderError("picture outside its planes");
    return decoderOk();
}

heif_error decodeImage(NalUnits &nals, heif_image **out)
{
    std::unique_ptr<AVFrame, FrameDeleter> frame;
    heif_error e = decodeFilled(nals, kFirstFill, frame);
    if (e.code != heif_error_Ok)
        return e;
    const AVPixFmtDescriptor *d = planarFormat(*frame);
    std::vector<uint8_t> underFirst;
    e = unwrittenBlocks(*frame, d, kFirstFill, underFirst);
    if (e.code != heif_error_Ok)
        return e;
    if (anyUnwritten(underFirst)) {
        std::unique_ptr<AVFrame, FrameDeleter> again;
        std::vector<uint8_t> underSecond;
        e = decodeFilled(nals, kSecondFill, again);
        if (e.code == heif_error_Ok)
            e = unwrittenBlocks(*again, planarFormat(*again), kSecondFill, underSecond);
        if (e.code != heif_error_Ok)
            return e;
        if (unwrittenUnderBoth(underFirst, underSecond))
            return decoderError("HEVC picture with parts missing");
    }
    DecodedPicture picture;
    if (!d || !describe(*frame, *d, picture))
        return unsupportedError("unsupported HEVC picture format");
    return toHeifImage(picture, out);
}

const heif_decoder_plugin plugin =
    describeDecoderPlugin<NalUnits, decodeImage, heif_compression_HEVC>(pluginName, nullptr, nullptr,
                                                                         kAvcodecDecoderId);

} // namespace

const heif_decoder_plugin *avcodecHevcPlugin()
{
    return &plugin;
}

void configureCodecLogging()
{
    const char *wanted = std::getenv("TARNWICK_CODEC_LOG");
    if (!wanted || !*wanted || std::strcmp(wanted, "0") == 0)
        av_log_set_level(AV_LOG_QUIET);
}

} // namespace tarnwick
