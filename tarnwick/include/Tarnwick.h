/*
 * Tarnwick: HEIC/HEIF photo to JPEG in memory.
 *
 * One call turns the bytes of a whole HEIC/HEIF file into the bytes of one
 * baseline JPEG stream:
 *
 *  - the primary image is decoded (never a thumbnail), with the file's
 *    transformations applied (rotation, mirroring, clean-aperture crop), so
 *    a portrait phone photo comes out upright;
 *  - alpha is flattened onto white; 10/12-bit and 4:2:2/4:4:4 inputs become
 *    8-bit; monochrome input becomes a one-component (grey) JPEG;
 *  - the photo's ICC profile is carried over (split into numbered
 *    ICC_PROFILE APP2 chunks when larger than one segment); its EXIF block is
 *    carried over in one APP1 segment with the Orientation tag set to 1,
 *    since the pixels are already upright. EXIF that does not fit into one
 *    APP1 segment (about 64 KB) is left out rather than split into segments
 *    that readers would take as broken. Empty ICC or EXIF items write no
 *    segment. A photo without an ICC profile whose nclx box names primaries
 *    other than BT.709 (Display P3, BT.2020 ...) gets an ICC profile built
 *    for its primaries and transfer; BT.709 and unspecified primaries get
 *    none (viewers take such JPEGs as sRGB). XMP and other metadata are not carried (XMP may repeat the
 *    old orientation);
 *  - an HDR gain map stored with the image (ISO 21496-1: a tmap item whose
 *    inputs are the image and its gain map) is kept: the JPEG then holds two
 *    pictures in the Ultra HDR 1.1 layout, the SDR picture first (the same
 *    pixels as without the gain map; its XMP in the hdrgm namespace and an
 *    MPF index follow the EXIF and ICC segments), then the gain map, upright
 *    and cropped like the photo, with its own hdrgm XMP and ISO 21496-1
 *    APP2 ("urn:iso:std:iso:ts:21496:-1"), the file's parameters unchanged.
 *    With TARNWICK_FLAG_SDR_ONLY the SDR picture alone is written. A gain
 *    map that cannot be used (bad references, metadata cut short or out of
 *    range, a picture that does not match the photo or does not decode) is
 *    left out and the photo converted without it; the JPEG then carries a
 *    comment (COM) "Tarnwick: gain map left out: " followed by the reason;
 *  - PQ and HLG photos (nclx transfer 16 or 18) are rendered for SDR:
 *    decoded at full precision, their light (HLG through its OOTF for a
 *    1000 cd/m2 display) with reference white at 203 cd/m2 becoming SDR
 *    white, highlights above it rolled off (BT.2390 EETF), colours brought
 *    into BT.709 (sRGB, no ICC profile) toward grey rather than clipped;
 *    unless TARNWICK_FLAG_SDR_ONLY, a gain map of their HDR rendition
 *    follows as above when they hold light above reference white;
 *  - input that already is a JPEG stream (a renamed .jpg) is returned
 *    unchanged once it has decoded cleanly within the limits below; a
 *    truncated (TARNWICK_ERR_TRUNCATED) or damaged (TARNWICK_ERR_CORRUPT)
 *    JPEG is refused.
 *  - a photo whose orientation is kept only in EXIF (no rotation or mirror
 *    in the container) is turned by its EXIF Orientation; with a container
 *    rotation or mirror, the container's orientation holds.
 *  - any file whose primary still image libheif can read is taken,
 *    whatever brands it declares (image sequences with a still image,
 *    "mif2"); HEVC-, AV1- and JPEG-coded images are decoded.
 *  - a grid image converts only when every tile's decoded picture covers
 *    its cell: a smaller one would leave part of the image unwritten
 *    (TARNWICK_ERR_CORRUPT). Grids whose tiles only libheif's own decoders
 *    read (AV1) cannot be measured so and are refused
 *    (TARNWICK_ERR_UNSUPPORTED).
 *
 * Result, in the manner of snprintf:
 *  - > 0 and <= outputCapacity: the JPEG's length; output[0 .. result) holds it.
 *  - > outputCapacity: the JPEG did not fit; NOTHING was written and the
 *    result is the length it needs, so the caller can retry with a buffer
 *    of at least that size (the same input gives the same length: decoded
 *    pictures live in memory cleared for the call, and pictures the decoder
 *    reports as damaged are refused with TARNWICK_ERR_DECODE). The JPEG is
 *    kept on the calling thread (in its helper) for the next call only: a retry from that
 *    thread with the same input bytes and quality is answered from it without
 *    decoding again; any other call drops it.
 *  - < 0: one of the TARNWICK_ERR_ codes below; nothing was written.
 * No byte at or past output[outputCapacity] is ever written, whatever the
 * input. output may be NULL when outputCapacity is 0 (a size query).
 *
 * Untrusted input: any byte sequence is safe to pass. Limits enforced:
 *  - inputLength: 1 .. INT32_MAX;
 *  - decoded image (also a JPEG passed through): width and height each at
 *    most TARNWICK_MAX_SIDE and at most TARNWICK_MAX_PIXELS pixels (admits
 *    200-megapixel photos); libheif's own security limits apply as well,
 *    except that one memory block may hold a whole image of that size;
 *  - calls running at the same time share a process-wide budget of
 *    TARNWICK_MEMORY_BUDGET_MIB mebibytes: each call counts the most memory
 *    its image's decoding and encoding hold at one time (decoded planes, the
 *    transformed copy, RGB pixels, the JPEG), and a call that does not fit
 *    into what is left waits until earlier calls finish, so several large
 *    decodes at once cannot exhaust memory. One image alone always fits.
 * quality is clamped to 1 .. 100.
 *
 * Threads: any number of calls may run at the same time from different
 * threads, each with its own buffers (and its own helper process); calls
 * share no state beyond the one-time library initialisation, the memory
 * budget (kept by the library for all its helpers) and a count of running
 * calls (a photo decoded alone gets its grid tiles decoded on all cores,
 * calls running together one thread each). No exception leaves the library.
 *
 * HEVC is decoded by the library's own decoder built on libavcodec, whose
 * picture memory is filled before decoding, so nothing a decoder leaves
 * unwritten can show earlier memory; a picture with coding blocks left
 * unwritten (a slice lost, which libavcodec passes over in silence) is
 * refused with TARNWICK_ERR_DECODE. For tests and benchmarks the
 * environment variables TARNWICK_HEVC_DECODER ("libde265": decode with
 * libde265 instead; the same guarantee holds there, since a picture that
 * libde265 keeps in memory of its own is decoded a second time to prove
 * that every part of it was written) and TARNWICK_DECODING_THREADS (tile
 * threads per call) change that; TARNWICK_CODEC_LOG (any value but "0")
 * lets the codec libraries' messages through to stderr, which the library
 * otherwise keeps silent. They are read once, at the first call.
 *
 * Decoder helper processes: every call's work on the photo's bytes (libheif,
 * the HEVC, JPEG and AV1 decoders, the colour work, the JPEG encoder) runs in
 * tarnwick-decoder, a small executable installed beside this library (found
 * in the library's own folder). Each calling thread gets its own helper,
 * started on its first call and reused for its later calls, and stopped when
 * the thread ends; the photo goes there and the JPEG comes back through
 * shared memory. Before it reads any photo the helper closes every
 * descriptor but its channel, may gain no privileges, and runs under a
 * seccomp allow-list: it cannot open or create files, use the network,
 * start programs or processes, trace or signal other processes. Its memory
 * is limited by the reservation of the photo it decodes (RLIMIT_DATA), and a
 * call that takes longer than a wall-clock limit growing with the photo's
 * size is stopped. A helper that crashes, is killed, exceeds its limits or
 * breaks the protocol costs that call alone: it returns
 * TARNWICK_ERR_DECODER_CRASHED (or TARNWICK_ERR_TIMEOUT) and the thread's
 * next call starts a fresh helper; the calling process is never harmed.
 * Where seccomp is not available (an old kernel, a container that forbids
 * it), the helper still runs apart with its limits, and the library says so
 * once on stderr. The helper's stderr is closed unless TARNWICK_CODEC_LOG is
 * set.
 *
 * The first helper of a process also starts the helpers' template (the same
 * executable, run as "tarnwick-decoder --template"): it loads the codec
 * libraries once, runs no thread and never sees a photo, and every later
 * helper is a fork of it that locks itself down as above, so that a thread's
 * first call costs milliseconds rather than the libraries' loading. The
 * template is a child of the calling process and reaps the helpers it forks;
 * it ends, taking its helpers with it, when the calling process ends (and is
 * reaped by it at exit), and the next helper start after its death starts a
 * new one. A helper that crashed, was killed or ran out of time retires its
 * template, so that the next helper has an address layout of its own.
 *
 * Environment, read once at the first call:
 *  - TARNWICK_IN_PROCESS=1: decode in the calling process, as before there
 *    were helpers (for the fuzzer, debuggers and benchmarks); a photo that
 *    crashes the decoder then crashes the caller;
 *  - TARNWICK_HELPER: the helper executable to start instead of the one
 *    beside the library (tests);
 *  - TARNWICK_HELPER_TIMEOUT: the wall-clock limit's base in seconds
 *    (default 20; one more second is allowed for every 4 MiB the photo's
 *    decoding reserves).
 * A helper gets the caller's environment of its start (a helper started
 * under another environment than the template's gets a template of its
 * own), with glibc.malloc.hugetlb=1
 * added to GLIBC_TUNABLES where the kernel gives transparent huge pages on
 * request and the caller's GLIBC_TUNABLES does not say otherwise.
 *
 * tempFileName is accepted for the caller's convenience and never used:
 * decoding happens entirely in memory, no file is created, read or deleted.
 * It may be NULL.
 */
#ifndef TARNWICK_H
#define TARNWICK_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(TARNWICK_BUILDING)
#    define TARNWICK_API __declspec(dllexport)
#  else
#    define TARNWICK_API __declspec(dllimport)
#  endif
#else
#  define TARNWICK_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum tarnwick_limits {
    TARNWICK_MAX_SIDE = 65500,          /* JPEG cannot hold more than 65535 */
    TARNWICK_MAX_PIXELS = 220000000,    /* per image: 200 MP photos pass */
    TARNWICK_MEMORY_BUDGET_MIB = 2048   /* all calls in flight together: two 200 MP photos */
};

enum tarnwick_error {
    TARNWICK_ERR_INVALID_ARGUMENT = -1,  /* NULL input with length > 0, length or capacity < 0, NULL output with capacity > 0 */
    TARNWICK_ERR_EMPTY_INPUT = -2,       /* inputLength == 0 */
    TARNWICK_ERR_NOT_HEIF = -3,          /* neither a HEIF container nor a JPEG */
    TARNWICK_ERR_TRUNCATED = -4,         /* the file ends before the data it refers to */
    TARNWICK_ERR_CORRUPT = -5,           /* invalid HEIF structure or bitstream, or an unreadable JPEG header */
    TARNWICK_ERR_UNSUPPORTED = -6,       /* valid file, but codec or feature not decodable here */
    TARNWICK_ERR_TOO_LARGE = -7,         /* image exceeds TARNWICK_MAX_SIDE / TARNWICK_MAX_PIXELS or a security limit */
    TARNWICK_ERR_DECODE = -8,            /* the image decoder failed */
    TARNWICK_ERR_NO_MEMORY = -9,         /* an allocation failed */
    TARNWICK_ERR_ENCODE = -10,           /* the JPEG encoder failed */
    TARNWICK_ERR_OUTPUT_TOO_LARGE = -11, /* the JPEG would be longer than INT32_MAX bytes */
    TARNWICK_ERR_INTERNAL = -12,         /* anything else */
    TARNWICK_ERR_DECODER_CRASHED = -13,  /* the decoder stopped on this file: its helper process crashed, was killed, exceeded its memory or broke the protocol */
    TARNWICK_ERR_TIMEOUT = -14,          /* decoding took too long: the helper ran past its wall-clock limit and was stopped */
    TARNWICK_ERR_NO_IMAGE = -15          /* the file holds no such image (an image index past the last, no thumbnail) */
};

/* Flags of heif2jpg_image. */
enum tarnwick_flags {
    TARNWICK_FLAG_SDR_ONLY = 1 /* write the plain SDR JPEG: no gain map, one picture */
};

/* Converts one HEIC/HEIF file held in memory to a JPEG; see above. */
TARNWICK_API int32_t heif2jpg(const unsigned char *input, int32_t inputLength, int32_t quality,
                              unsigned char *output, int32_t outputCapacity, const char *tempFileName);

/* As heif2jpg, for the top-level image imageIndex of the file (0: the
 * primary image; 1 .. tarnwick_image_count() - 1: the file's other top-level
 * images in the order of their item ids, never thumbnails or auxiliary
 * images), with the given TARNWICK_FLAG_ flags. An index past the last gives
 * TARNWICK_ERR_NO_IMAGE. heif2jpg(in, n, q, out, cap, name) is
 * heif2jpg_image(in, n, q, 0, 0, out, cap). */
TARNWICK_API int32_t heif2jpg_image(const unsigned char *input, int32_t inputLength, int32_t quality,
                                    int32_t imageIndex, int32_t flags, unsigned char *output,
                                    int32_t outputCapacity);

/* The number of top-level images of the file (>= 1; a JPEG passed through has
 * one), or a TARNWICK_ERR_ code. */
TARNWICK_API int32_t tarnwick_image_count(const unsigned char *input, int32_t inputLength);

/* The primary image's own thumbnail (a thumbnail item that refers to the
 * primary image, never another's), upright, as a JPEG; results as heif2jpg.
 * TARNWICK_ERR_NO_IMAGE when the primary image has none. */
TARNWICK_API int32_t tarnwick_thumbnail(const unsigned char *input, int32_t inputLength, int32_t quality,
                                        unsigned char *output, int32_t outputCapacity);

/* A short English text for a result: an error code's meaning, "success" for
 * any value >= 0, "unknown error" for other negative values. Never NULL; the
 * text is static. */
TARNWICK_API const char *tarnwick_error_text(int32_t code);

#ifdef __cplusplus
}
#endif

#endif /* TARNWICK_H */
