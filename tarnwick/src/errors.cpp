#include "errors.h"

#include "Tarnwick.h"

namespace tarnwick {

int32_t mapError(const heif_error &e)
{
    if (e.subcode == heif_suberror_Security_limit_exceeded)
        return TARNWICK_ERR_TOO_LARGE;
    switch (e.code) {
    case heif_error_Ok:
        return 0;
    case heif_error_Input_does_not_exist:
        return TARNWICK_ERR_EMPTY_INPUT;
    case heif_error_Invalid_input:
        if (e.subcode == heif_suberror_End_of_data)
            return TARNWICK_ERR_TRUNCATED;
        if (e.subcode == heif_suberror_No_ftyp_box)
            return TARNWICK_ERR_NOT_HEIF;
        return TARNWICK_ERR_CORRUPT;
    case heif_error_Unsupported_filetype:
        return TARNWICK_ERR_NOT_HEIF;
    case heif_error_Unsupported_feature:
    case heif_error_Plugin_loading_error:
        return TARNWICK_ERR_UNSUPPORTED;
    case heif_error_Memory_allocation_error:
        return TARNWICK_ERR_NO_MEMORY;
    case heif_error_Decoder_plugin_error:
        return TARNWICK_ERR_DECODE;
    default:
        return TARNWICK_ERR_INTERNAL;
    }
}

void check(const heif_error &e)
{
    if (e.code != heif_error_Ok)
        throw Failure{mapError(e)};
}

} // namespace tarnwick
