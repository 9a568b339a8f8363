#include "transform.h"

#include "Tarnwick.h"
#include "errors.h"

#include <libheif/heif_properties.h>

#include <algorithm>
#include <cstring>

namespace tarnwick {
namespace {

Raster rotatedCcw(const Raster &in, int degrees)
{
    if (degrees == 0)
        return in;
    Raster out;
    const bool quarter = degrees == 90 || degrees == 270;
    out.width = quarter ? in.height : in.width;
    out.height = quarter ? in.width : in.height;
    out.channels = in.channels;
    out.pixels.resize(in.pixels.size());
    const size_t c = size_t(in.channels);
    for (int y = 0; y < out.height; ++y) {
        uint8_t *row = out.pixels.data() + size_t(y) * size_t(out.width) * c;
        for (int x = 0; x < out.width; ++x) {
            int sx, sy;
            if (degrees == 90) { // the source's right edge becomes the top
                sx = in.width - 1 - y;
                sy = x;
            } else if (degrees == 270) {
                sx = y;
                sy = in.height - 1 - x;
            } else {
                sx = in.width - 1 - x;
                sy = in.height - 1 - y;
            }
            std::memcpy(row + size_t(x) * c, in.pixels.data() + (size_t(sy) * size_t(in.width) + size_t(sx)) * c, c);
        }
    }
    return out;
}

void mirror(Raster &r, heif_transform_mirror_direction direction)
{
    const size_t c = size_t(r.channels);
    const size_t rowBytes = size_t(r.width) * c;
    if (direction == heif_transform_mirror_direction_vertical) { // top and bottom swap
        std::vector<uint8_t> tmp(rowBytes);
        for (int y = 0; y < r.height / 2; ++y) {
            uint8_t *a = r.pixels.data() + size_t(y) * rowBytes;
            uint8_t *b = r.pixels.data() + size_t(r.height - 1 - y) * rowBytes;
            std::memcpy(tmp.data(), a, rowBytes);
            std::memcpy(a, b, rowBytes);
            std::memcpy(b, tmp.data(), rowBytes);
        }
    } else {
        for (int y = 0; y < r.height; ++y) {
            uint8_t *row = r.pixels.data() + size_t(y) * rowBytes;
            for (int x = 0; x < r.width / 2; ++x) {
                for (size_t k = 0; k < c; ++k)
                    std::swap(row[size_t(x) * c + k], row[size_t(r.width - 1 - x) * c + k]);
            }
        }
    }
}

Raster cropped(const Raster &in, int left, int top, int right, int bottom)
{
    if (left < 0 || top < 0 || right < 0 || bottom < 0 || int64_t(left) + right >= in.width
        || int64_t(top) + bottom >= in.height)
        throw Failure{TARNWICK_ERR_CORRUPT};
    if (left == 0 && top == 0 && right == 0 && bottom == 0)
        return in;
    Raster out;
    out.width = in.width - left - right;
    out.height = in.height - top - bottom;
    out.channels = in.channels;
    const size_t c = size_t(in.channels);
    out.pixels.resize(size_t(out.width) * size_t(out.height) * c);
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.pixels.data() + size_t(y) * size_t(out.width) * c,
                    in.pixels.data() + (size_t(y + top) * size_t(in.width) + size_t(left)) * c,
                    size_t(out.width) * c);
    return out;
}

std::vector<heif_property_id> transformationProperties(const heif_context *context, heif_item_id id)
{
    const int count = heif_item_get_transformation_properties(context, id, nullptr, 0);
    if (count <= 0)
        return {};
    if (count > 64)
        throw Failure{TARNWICK_ERR_CORRUPT};
    std::vector<heif_property_id> properties(static_cast<size_t>(count));
    const int n = heif_item_get_transformation_properties(context, id, properties.data(), count);
    properties.resize(size_t(std::clamp(n, 0, count)));
    return properties;
}

} // namespace

bool hasCleanAperture(const heif_context *context, const heif_image_handle *handle)
{
    return heif_item_get_properties_of_type(context, heif_image_handle_get_item_id(handle),
                                            heif_item_property_type_transform_crop, nullptr, 0)
        > 0;
}

bool hasContainerOrientation(const heif_context *context, const heif_image_handle *handle)
{
    const heif_item_id id = heif_image_handle_get_item_id(handle);
    for (heif_property_id property : transformationProperties(context, id)) {
        const auto type = heif_item_get_property_type(context, id, property);
        if (type == heif_item_property_type_transform_rotation || type == heif_item_property_type_transform_mirror)
            return true;
    }
    return false;
}

Raster transformed(Raster r, const heif_context *context, const heif_image_handle *handle)
{
    const heif_item_id id = heif_image_handle_get_item_id(handle);
    for (heif_property_id property : transformationProperties(context, id)) {
        switch (heif_item_get_property_type(context, id, property)) {
        case heif_item_property_type_transform_rotation: {
            const int degrees = heif_item_get_property_transform_rotation_ccw(context, id, property);
            if (degrees != 0 && degrees != 90 && degrees != 180 && degrees != 270)
                throw Failure{TARNWICK_ERR_CORRUPT};
            r = rotatedCcw(r, degrees);
            break;
        }
        case heif_item_property_type_transform_mirror: {
            const auto direction = heif_item_get_property_transform_mirror(context, id, property);
            if (direction == heif_transform_mirror_direction_invalid)
                throw Failure{TARNWICK_ERR_CORRUPT};
            mirror(r, direction);
            break;
        }
        case heif_item_property_type_transform_crop: {
            int left = 0, top = 0, right = 0, bottom = 0;
            heif_item_get_property_transform_crop_borders(context, id, property, r.width, r.height, &left, &top,
                                                          &right, &bottom);
            r = cropped(r, left, top, right, bottom);
            break;
        }
        default:
            break;
        }
    }
    return r;
}

Raster exifOriented(Raster r, int orientation)
{
    // Orientation names where the stored picture's first row and column
    // belong; undoing it: 2 mirror, 3 half turn, 4 flip, 5 transpose (quarter
    // turn clockwise, then mirror), 6 quarter turn clockwise, 7 transverse
    // (quarter turn anticlockwise, then mirror), 8 quarter turn anticlockwise.
    switch (orientation) {
    case 2:
        mirror(r, heif_transform_mirror_direction_horizontal);
        return r;
    case 3:
        return rotatedCcw(r, 180);
    case 4:
        mirror(r, heif_transform_mirror_direction_vertical);
        return r;
    case 5:
        r = rotatedCcw(r, 270);
        mirror(r, heif_transform_mirror_direction_horizontal);
        return r;
    case 6:
        return rotatedCcw(r, 270);
    case 7:
        r = rotatedCcw(r, 90);
        mirror(r, heif_transform_mirror_direction_horizontal);
        return r;
    case 8:
        return rotatedCcw(r, 90);
    default:
        return r;
    }
}

} // namespace tarnwick
