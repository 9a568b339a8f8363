// Decoders registered with libheif (HEVC on libavcodec and libde265, JPEG on
// TurboJPEG), whose pictures hold nothing but what the decoder wrote for the
// photo being converted.
//
// libheif's own plugins hand on pictures in memory they do not clear:
// where a damaged stream leaves parts of a picture undecoded, the picture
// shows whatever the heap held before. These decoders own that memory
// instead: every picture buffer is filled before the decoder writes into it,
// and a picture the decoder reports as damaged (bitstream errors, warnings,
// frames flagged corrupt) or that has coding blocks the decoder never wrote
// (ctbcoverage.h) is refused with heif_error_Decoder_plugin_error. So the
// same bytes always give the same pixels or the same refusal.
// (libde265 keeps pictures it filters with SAO in memory of its own; such a
// picture is shown only once a second decode proves that every part of it
// was written, see de265decoder.cpp.)
//
// All register with the lowest priority: libheif uses them only when asked
// by id (the decoding options' decoder_id), so other users of libheif in the
// process keep their own choice.
#pragma once

#include <libheif/heif_plugin.h>

namespace tarnwick {

// libavcodec's HEVC decoder: the faster one.
constexpr const char kAvcodecDecoderId[] = "tarnwick-avcodec";
// libde265: only when asked for (slower; most streams it decodes twice).
constexpr const char kDe265DecoderId[] = "tarnwick-de265";
// TurboJPEG, for JPEG-coded images (jpegdecoder.cpp).
constexpr const char kJpegDecoderId[] = "tarnwick-jpeg";

// Registers the decoders; call once, after heif_init.
void registerHevcDecoders();

// The plugin descriptions themselves (one per decoder source file).
const heif_decoder_plugin *avcodecHevcPlugin();
const heif_decoder_plugin *de265HevcPlugin();
const heif_decoder_plugin *jpegPlugin();

// libavcodec's messages ("[hevc @ 0x…] …") go to stderr unless silenced; the
// decoders keep them silent unless TARNWICK_CODEC_LOG is set (any value but
// "0"), for debugging. Process-wide; called once by registerHevcDecoders.
void configureCodecLogging();

} // namespace tarnwick
