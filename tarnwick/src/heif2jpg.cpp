#include "Tarnwick.h"

extern "C" int32_t heif2jpg(const unsigned char *, int32_t, int32_t, unsigned char *, int32_t, const char *)
{
    return TARNWICK_ERR_INTERNAL;
}

extern "C" const char *tarnwick_error_text(int32_t)
{
    return "unknown error";
}
