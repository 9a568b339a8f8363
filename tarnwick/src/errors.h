// How failures travel inside the library: a Failure carrying one of the
// TARNWICK_ERR_ codes is thrown where the fault is found and becomes
// heif2jpg's result at the entry point; nothing is thrown across the C
// boundary.
#pragma once

#include <libheif/heif.h>

#include <cstdint>

namespace tarnwick {

struct Failure {
    int32_t code;
};

// The TARNWICK_ERR_ code for a libheif error (0 for heif_error_Ok).
int32_t mapError(const heif_error &e);

// Throws the mapped Failure unless e is heif_error_Ok.
void check(const heif_error &e);

} // namespace tarnwick
