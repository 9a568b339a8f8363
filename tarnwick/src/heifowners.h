// Owners of libheif objects.
#pragma once

#include <libheif/heif.h>

#include <memory>

namespace tarnwick {

struct ContextDeleter {
    void operator()(heif_context *c) const { heif_context_free(c); }
};
struct HandleDeleter {
    void operator()(heif_image_handle *h) const { heif_image_handle_release(h); }
};
struct ImageDeleter {
    void operator()(heif_image *i) const { heif_image_release(i); }
};
struct NclxDeleter {
    void operator()(heif_color_profile_nclx *n) const { heif_nclx_color_profile_free(n); }
};

using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;
using Image = std::unique_ptr<heif_image, ImageDeleter>;
using Nclx = std::unique_ptr<heif_color_profile_nclx, NclxDeleter>;

} // namespace tarnwick
