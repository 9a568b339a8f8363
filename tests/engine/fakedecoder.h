#pragma once

// A stand-in for the decoder library in the engine's tests: a plain function
// with heif2jpg's signature that keeps to its contract and records how it was
// called. It returns a small JPEG with an EXIF and an ICC segment for any
// input, except:
//   - input starting with "FAIL": result -5, nothing written;
//   - input starting with "LIAR": a valid JPEG written, yet result -5;
// The image's colour comes from the input's first byte, so outputs of
// different inputs differ.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace FakeDecoder {

int32_t heif2jpg(const unsigned char *input, int32_t inputLength, int32_t quality, unsigned char *output,
                 int32_t outputCapacity, const char *tempFileName);

struct Call
{
    int32_t inputLength;
    int32_t quality;
    int32_t capacity;
    QByteArray tempFileName;
    int32_t result;
};

void reset();
int callCount();
Call lastCall();
QList<Call> calls();

// While closed, every call waits at its start until the gate opens again.
void closeGate();
// The same for the inputs that start with prefix only; the others pass.
void closeGateFor(const QByteArray &prefix);
void openGate();
int waitingAtGate();

// A complete JPEG marker segment: 0xFF, marker, the big-endian length
// (payload + 2), the payload.
QByteArray segment(unsigned char marker, const QByteArray &payload);

// The JPEG the decoder returns for an input whose first byte is firstByte.
QByteArray jpegFor(unsigned char firstByte);
extern const int kWidth;
extern const int kHeight;

// The EXIF block (TIFF header onwards) and ICC profile it embeds.
QByteArray exifPayload();
QByteArray iccProfile();

} // namespace FakeDecoder
