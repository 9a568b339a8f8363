#include "ctbcoverage.h"

#include <algorithm>

namespace tarnwick {
namespace {

constexpr int64_t kBlock = 16;       // luma samples
constexpr int64_t kLumaMargin = 3;   // deblocking reach in luma samples
constexpr int64_t kChromaMargin = 1; // and in chroma samples

bool liesInItsMemory(const FilledPlane &p)
{
    if (!p.memory || p.width <= 0 || p.height <= 0 || (p.sampleBytes != 1 && p.sampleBytes != 2))
        return false;
    const size_t rowBytes = size_t(p.width) * size_t(p.sampleBytes);
    return p.strideBytes >= rowBytes && p.bytes >= rowBytes
        && size_t(p.height - 1) <= (p.bytes - rowBytes) / p.strideBytes;
}

// Whether the samples of [x0, x1) x [y0, y1) that lie at least `margin` from
// every side shared with another block all hold the fill.
bool holdsOnlyFill(const FilledPlane &p, int64_t x0, int64_t x1, int64_t y0, int64_t y1, int64_t margin,
                   uint8_t fill)
{
    const int64_t left = x0 > 0 ? x0 + margin : x0;
    const int64_t right = x1 < p.width ? x1 - margin : x1;
    const int64_t top = y0 > 0 ? y0 + margin : y0;
    const int64_t bottom = y1 < p.height ? y1 - margin : y1;
    for (int64_t y = top; y < bottom; ++y) {
        const uint8_t *row = p.memory + size_t(y) * p.strideBytes;
        const uint8_t *begin = row + size_t(left) * size_t(p.sampleBytes);
        const uint8_t *end = row + size_t(right) * size_t(p.sampleBytes);
        if (begin < end && std::find_if(begin, end, [fill](uint8_t b) { return b != fill; }) != end)
            return false;
    }
    return true;
}

} // namespace

bool findUnwrittenBlocks(const FilledPicture &picture, uint8_t fill, std::vector<uint8_t> &blocks)
{
    blocks.clear();
    if (picture.planeCount != 1 && picture.planeCount != 3)
        return false;
    if (picture.chromaShiftX < 0 || picture.chromaShiftX > 1 || picture.chromaShiftY < 0 || picture.chromaShiftY > 1)
        return false;
    for (int c = 0; c < picture.planeCount; ++c) {
        if (!liesInItsMemory(picture.planes[c]))
            return false;
    }
    const FilledPlane &luma = picture.planes[0];
    const int64_t columns = (int64_t(luma.width) + kBlock - 1) / kBlock;
    const int64_t rows = (int64_t(luma.height) + kBlock - 1) / kBlock;
    blocks.assign(size_t(columns * rows), 0);
    for (int64_t by = 0; by < rows; ++by) {
        for (int64_t bx = 0; bx < columns; ++bx) {
            bool unwritten = true;
            for (int c = 0; c < picture.planeCount && unwritten; ++c) {
                const FilledPlane &p = picture.planes[c];
                const int shiftX = c == 0 ? 0 : picture.chromaShiftX;
                const int shiftY = c == 0 ? 0 : picture.chromaShiftY;
                const int64_t w = kBlock >> shiftX, h = kBlock >> shiftY;
                const int64_t x0 = bx * w, y0 = by * h;
                if (x0 >= p.width || y0 >= p.height)
                    continue; // no samples of this plane under the block
                unwritten = holdsOnlyFill(p, x0, std::min<int64_t>(x0 + w, p.width), y0,
                                          std::min<int64_t>(y0 + h, p.height),
                                          c == 0 ? kLumaMargin : kChromaMargin, fill);
            }
            blocks[size_t(by * columns + bx)] = unwritten ? 1 : 0;
        }
    }
    return true;
}

bool anyUnwritten(const std::vector<uint8_t> &blocks)
{
    return std::find(blocks.begin(), blocks.end(), 1) != blocks.end();
}

bool unwrittenUnderBoth(const std::vector<uint8_t> &underFirst, const std::vector<uint8_t> &underSecond)
{
    if (underFirst.size() != underSecond.size())
        return true;
    for (size_t i = 0; i < underFirst.size(); ++i) {
        if (underFirst[i] && underSecond[i])
            return true;
    }
    return false;
}

} // namespace tarnwick
