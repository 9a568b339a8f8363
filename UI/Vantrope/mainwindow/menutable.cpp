#include "menutable.h"

#include "API_Quillmast.h"

namespace MenuTable {

QString stateAndAddress(int nMenuNumber, int *nState)
{
    *nState = 0;
    LL::WCHAR address[LL::QuillmastTextUnits] = {};
    LL::API_Quillmast().GetMenuStateAndURL(nMenuNumber, nState, address);
    address[LL::QuillmastTextUnits - 1] = 0;
    return QString::fromUtf16(address);
}

} // namespace MenuTable
