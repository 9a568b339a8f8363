// tarnwick-decoder: the process libTarnwick decodes photos in (helperclient.h).
#include "helperserver.h"

int main(int argc, char **argv)
{
    return tarnwick::helperMain(argc, argv);
}
