// Owners of TurboJPEG objects.
#pragma once

#include <turbojpeg.h>

#include <memory>

namespace tarnwick {

struct TjDeleter {
    void operator()(void *h) const { tjDestroy(h); }
};
using TjHandle = std::unique_ptr<void, TjDeleter>;

} // namespace tarnwick
