// Which parts of a decoded HEVC picture the decoder never wrote.
//
// The picture must lie in the planes it was decoded into, filled beforehand
// with one byte value. (libavcodec applies sample adaptive offset, SAO, in
// the frame it decodes into; libde265 filters SAO pictures in memory of its
// own, so for this check it decodes without SAO.) Coding tree blocks are at
// least 16x16 luma samples and aligned to their size, so the picture is
// judged in aligned 16x16 luma blocks together with the chroma samples under
// them. A block whose coding tree block was not decoded keeps the fill,
// except where deblocking a decoded neighbour reaches in: at most 3 luma and
// 1 chroma sample from the shared edge. So a block counts as unwritten when,
// in every plane, all its samples at least that far from each side it shares
// with another block still hold the fill. A side on the picture's own edge
// borders no block and nothing is left out there; blocks cut short by the
// right or bottom edge are judged on the samples they have. A block left
// with no sample to judge counts as unwritten: nothing shows it was written.
//
// A written block may happen to equal the fill (black in a monochrome
// photo); only a block found unwritten under two different fills surely is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnwick {

// One plane of the coded picture (conformance window not applied).
struct FilledPlane {
    const uint8_t *memory = nullptr; // the first sample of the first row
    size_t bytes = 0;                // readable from memory on
    size_t strideBytes = 0;
    int width = 0, height = 0; // in samples
    int sampleBytes = 1;       // 1 or 2
};

struct FilledPicture {
    FilledPlane planes[3];
    int planeCount = 1;   // 1 (monochrome) or 3
    int chromaShiftX = 0; // 1 when chroma has half the luma columns
    int chromaShiftY = 0; // 1 when chroma has half the luma rows
};

// Puts one flag per block into blocks, row by row, (width + 15) / 16 per
// row: 1 where the block counts as unwritten. False, with blocks empty and
// nothing read, when a plane does not lie within its memory.
bool findUnwrittenBlocks(const FilledPicture &picture, uint8_t fill, std::vector<uint8_t> &blocks);

// The two fills, in the order to try them: samples of 1 (257 above 8 bits)
// in every plane of a block are rare in photos, so the second decode seldom
// happens; zeros are not (black alpha and monochrome pictures, the zero
// padding some phones give grid tiles past the photo's edge). Both are valid
// samples at any depth.
constexpr uint8_t kFirstFill = 0x01;
constexpr uint8_t kSecondFill = 0x00;

bool anyUnwritten(const std::vector<uint8_t> &blocks);

// Whether some block counts as unwritten under both fills: then it surely
// was. Lists of different lengths (decodes that disagree on the picture's
// size) count as that too.
bool unwrittenUnderBoth(const std::vector<uint8_t> &underFirst, const std::vector<uint8_t> &underSecond);

} // namespace tarnwick
