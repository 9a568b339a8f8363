// tarnwick-decoder: the process libTarnwick decodes photos in (helperclient.h).
#include "helperserver.h"

int main()
{
    return tarnwick::helperMain();
}
