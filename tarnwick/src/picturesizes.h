// What our decoder plugins hand libheif during one conversion: how many
// pictures, and the smallest width and height among them.
//
// libheif pastes the tiles of a grid image into a canvas it allocates without
// clearing. A tile whose coded picture is smaller than the cell its item
// properties promise (a damaged or forged file) leaves the rest of its cell
// as whatever that memory last held: pixels of another photo. Comparing the
// smallest picture decoded for the grid with its cell size refuses such
// files before anything is encoded.
//
// Plugins run on the converting thread when libheif decodes tiles one after
// the other, and on threads libheif starts for the purpose when it decodes
// them in parallel. Those threads belong to no conversion; what plugins
// report there goes to every log that asked for it (one at a time in normal
// use: see tileThreads()). A log that gets another conversion's pictures can
// only see too small a picture, and refuse, never miss one.
#pragma once

#include <atomic>
#include <climits>

namespace tarnwick {

class PictureSizeLog {
public:
    // Records for the calling thread's conversion, and with
    // tilesOnOtherThreads also what is reported from threads of no conversion.
    explicit PictureSizeLog(bool tilesOnOtherThreads);
    ~PictureSizeLog();
    PictureSizeLog(const PictureSizeLog &) = delete;
    PictureSizeLog &operator=(const PictureSizeLog &) = delete;

    // The log of the calling thread's conversion; null outside one.
    static PictureSizeLog *current();

    void clear();
    int count() const { return m_count.load(); }
    int smallestWidth() const { return m_smallestWidth.load(); }
    int smallestHeight() const { return m_smallestHeight.load(); }

    void record(int width, int height);

private:
    PictureSizeLog *m_outer;
    bool m_shared;
    std::atomic<int> m_count{0};
    std::atomic<int> m_smallestWidth{INT_MAX};
    std::atomic<int> m_smallestHeight{INT_MAX};
};

// Called by the decoder plugins for every picture they give libheif.
void recordDecodedPicture(int width, int height);

} // namespace tarnwick
