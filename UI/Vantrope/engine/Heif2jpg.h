#pragma once

#include <QString>

#include <cstdint>

// The decoder entry: heif2jpg of the decoder library Tarnwick.
//
// heif2jpg(input, inputLength, quality, output, outputCapacity, tempFileName)
// turns the bytes of a whole HEIC file into one JPEG stream. Its result:
//   1 .. outputCapacity   the JPEG's length, output[0 .. result) holds it;
//   > outputCapacity      the length it needs, nothing was written;
//   <= 0                  it failed, nothing was written.
// Calls may run at the same time from several threads, each with its own
// buffers.
typedef int32_t (*Heif2jpgFunc)(const unsigned char *input, int32_t inputLength, int32_t quality,
                                unsigned char *output, int32_t outputCapacity,
                                const char *tempFileName);

// heif2jpg_image(input, inputLength, quality, imageIndex, flags, output,
// outputCapacity): the same for one top-level image of the file, with the
// decoder's flags (1: the plain SDR JPEG, without a gain map).
typedef int32_t (*Heif2jpgImageFunc)(const unsigned char *input, int32_t inputLength, int32_t quality,
                                     int32_t imageIndex, int32_t flags, unsigned char *output,
                                     int32_t outputCapacity);
constexpr int32_t kDecoderFlagSdrOnly = 1;

// Loads the decoder library ("Tarnwick.dll": libTarnwick.so here; the
// program's folder first, then the system's search order) and returns its
// heif2jpg export. Null, silently, when the library or the export is missing.
// The library stays loaded for the life of the process.
Heif2jpgFunc bindDecoder();

// tarnwick_thumbnail(input, inputLength, quality, output, outputCapacity): the
// primary image's own thumbnail, upright, as a JPEG; results as heif2jpg, a
// negative code also when the photo has no thumbnail.
typedef int32_t (*ThumbnailFunc)(const unsigned char *input, int32_t inputLength, int32_t quality,
                                 unsigned char *output, int32_t outputCapacity);

// The thumbnail export of the library bindDecoder() loaded; null when that
// library is not loaded or has no such export.
ThumbnailFunc bindThumbnail();

// A short text for a failed heif2jpg result, for messages: the library's own
// words when bindDecoder() found them.
QString decoderErrorText(int32_t code);

// The heif2jpg_image export of the library bindDecoder() loaded; null before
// it was bound or when the library lacks it.
Heif2jpgImageFunc boundImageDecoder();

// tarnwick_image_count(input, inputLength): the number of top-level images
// of the file (the primary and the others heif2jpg_image numbers), or a
// negative error code.
typedef int32_t (*ImageCountFunc)(const unsigned char *input, int32_t inputLength);

// Its export from the library bindDecoder() loaded; null as above.
ImageCountFunc boundImageCounter();
