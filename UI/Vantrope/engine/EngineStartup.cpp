#include "EngineStartup.h"

#include "EngineMemory.h"
#include "EngineMessages.h"
#include "filenamecodec.h"

namespace EngineStartup {

void prepareProcess(char *argv[])
{
    EngineMemory::useTransparentHugePages(argv);
    EngineMemory::tuneAllocator();
    PlatformText::installFileNameCodec();
    EngineMessages::installCodecChatterFilter();
}

} // namespace EngineStartup
