#include "decoderplugins.h"

namespace tarnwick {

void registerHevcDecoders()
{
    configureCodecLogging();
    heif_register_decoder_plugin(avcodecHevcPlugin());
    heif_register_decoder_plugin(de265HevcPlugin());
    heif_register_decoder_plugin(jpegPlugin());
}

} // namespace tarnwick
