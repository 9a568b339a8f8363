#include "menutable.h"

#include "API_Quillmast.h"

namespace MenuTable {

QString stateAndAddress(int nMenuNumber, int *nState)
{
    *nState = 0;
    wchar_t address[256] = {};
    LL::API_Quillmast table;
    table.GetMenuStateAndURL(nMenuNumber, nState, address);
    address[255] = 0;
    return QString::fromWCharArray(address);
}

} // namespace MenuTable
