// One-time set-up, shared read-only by every call afterwards: libheif
// initialised with our HEVC decoders registered, which of them decodes, and
// how many threads decode grid tiles.
#pragma once

#include <string>

namespace tarnwick {

struct Settings {
    // The HEVC decoder's id (decoderplugins.h). There is no second decoder for
    // data this one refuses: libavcodec reads every valid photo we know of,
    // and libde265 is slower (most streams it decodes twice, see
    // de265decoder.cpp), so it is used only when asked for.
    std::string hevcDecoder;
    // Threads libheif may use for the tiles of one grid image; -1: chosen per
    // call by how many calls are running (see tileThreads).
    int decodingThreads = -1;
    unsigned cores = 2;
};

// Initialises on the first call (thread-safe). The environment variables
// TARNWICK_HEVC_DECODER ("ffmpeg" or "libde265": that decoder alone) and
// TARNWICK_DECODING_THREADS (tile threads per call) override the defaults;
// they are read once.
const Settings &settings();

// Counts the calls running while it lives.
class InFlight {
public:
    InFlight();
    ~InFlight();
    InFlight(const InFlight &) = delete;
    InFlight &operator=(const InFlight &) = delete;
};

// The calls running now in this process (those InFlight counts).
int callsInFlight();

// In the decoder helper: how many calls the library that started it runs at
// this moment (the helper itself runs one at a time), for tileThreads.
void setCallsInCaller(int calls);

// Tile threads for a call starting now: a photo decoded alone (the preview)
// gets its grid tiles decoded on all cores; when several calls run at once (a
// batch), the calls themselves keep the cores busy and more threads only cost
// memory, so tiles are decoded in the calling thread.
int tileThreads(const Settings &s);

} // namespace tarnwick
