#pragma once

#include <QString>

// The tool menu's questions to the product's menu table. Each question uses
// a short-lived table object of its own, so a table file changed while the
// program runs is read anew.
namespace MenuTable {

// The state and the web address of a menu entry. A missing table file or
// key gives state 1 and an empty address.
QString stateAndAddress(int nMenuNumber, int *nState);

} // namespace MenuTable
