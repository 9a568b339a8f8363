// The libavcodec HEVC decoder as a libheif decoder plugin (see
// decoderplugins.h): frame buffers come from libavcodec's pool and are zeroed
// before decoding; bitstream errors stop decoding (AV_EF_EXPLODE) and frames
// flagged corrupt or with decode errors are refused.
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
#include <memory>
#include <new>

namespace tarnwick {
namespace {

struct AvcodecDecoder {
    NalUnits nals;
    heif_error append(const void *bytes, size_t size) { return nals.append(bytes, size); }
};

struct CodecContextDeleter {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct PacketDeleter {
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct FrameDeleter {
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};

// libavcodec's own buffers, cleared before the decoder writes: what it leaves
// unwritten is black-green, never another photo's pixels.
int zeroedFrameBuffer(AVCodecContext *context, AVFrame *frame, int flags)
{
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
        std::memset(frame->data[i], 0, size_t(frame->linesize[i]) * size_t(rows));
    }
    return 0;
}

const char *pluginName()
{
    return "Tarnwick libavcodec HEVC decoder";
}

int supportsFormat(heif_compression_format format)
{
    return format == heif_compression_HEVC ? 1 : 0;
}

// Planar YCbCr or grey, little-endian samples, one depth for all components.
bool describe(const AVFrame &frame, DecodedPicture &picture)
{
    const AVPixFmtDescriptor *d = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    if (!d || (d->flags & (AV_PIX_FMT_FLAG_BE | AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_HWACCEL
                           | AV_PIX_FMT_FLAG_ALPHA | AV_PIX_FMT_FLAG_BITSTREAM | AV_PIX_FMT_FLAG_FLOAT)))
        return false;
    if (d->nb_components == 1) {
        picture.chroma = heif_chroma_monochrome;
    } else if (d->nb_components == 3 && (d->flags & AV_PIX_FMT_FLAG_PLANAR)) {
        if (d->log2_chroma_w == 1 && d->log2_chroma_h == 1)
            picture.chroma = heif_chroma_420;
        else if (d->log2_chroma_w == 1 && d->log2_chroma_h == 0)
            picture.chroma = heif_chroma_422;
        else if (d->log2_chroma_w == 0 && d->log2_chroma_h == 0)
            picture.chroma = heif_chroma_444;
        else
            return false;
    } else {
        return false;
    }
    const int depth = d->comp[0].depth;
    for (int c = 0; c < d->nb_components; ++c) {
        const AVComponentDescriptor &comp = d->comp[c];
        if (comp.plane != c || comp.depth != depth || comp.shift != 0 || comp.offset != 0
            || comp.step != (depth > 8 ? 2 : 1) || !frame.data[c])
            return false;
        picture.planes[c] = frame.data[c];
        picture.strides[c] = frame.linesize[c];
    }
    picture.width = frame.width;
    picture.height = frame.height;
    picture.bitDepth = depth;
    picture.colourPrimaries = frame.color_primaries;
    picture.transferCharacteristics = frame.color_trc;
    picture.matrixCoefficients = frame.colorspace;
    picture.fullRange = frame.color_range == AVCOL_RANGE_JPEG;
    return true;
}

heif_error decodeImage(void *decoder, heif_image **out)
{
    *out = nullptr;
    try {
        const NalUnits &nals = static_cast<AvcodecDecoder *>(decoder)->nals;
        const AVCodec *codec = avcodec_find_decoder(AV_CODEC_ID_HEVC);
        if (!codec)
            return heif_error{heif_error_Unsupported_feature, heif_suberror_Unsupported_codec, "no HEVC decoder"};
        std::unique_ptr<AVCodecContext, CodecContextDeleter> context(avcodec_alloc_context3(codec));
        std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
        std::unique_ptr<AVFrame, FrameDeleter> frame(av_frame_alloc());
        if (!context || !packet || !frame)
            return outOfMemoryError();
        // One picture: threads would only cost memory; grid tiles are spread
        // over threads by libheif.
        context->thread_count = 1;
        context->err_recognition |= AV_EF_EXPLODE;
        context->flags &= ~AV_CODEC_FLAG_OUTPUT_CORRUPT;
        context->get_buffer2 = zeroedFrameBuffer;
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
        DecodedPicture picture;
        if (!describe(*frame, picture))
            return heif_error{heif_error_Unsupported_feature, heif_suberror_Unsupported_color_conversion,
                              "unsupported HEVC picture format"};
        return toHeifImage(picture, out);
    } catch (const std::bad_alloc &) {
        return outOfMemoryError();
    }
}

const heif_decoder_plugin plugin =
    describeDecoderPlugin<AvcodecDecoder>(pluginName, nullptr, nullptr, supportsFormat, decodeImage, kAvcodecDecoderId);

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
