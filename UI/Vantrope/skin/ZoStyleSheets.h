#pragma once

#include <QString>

// The style sheets the pages share, one of each, so a look is written once.
namespace ZoStyleSheets {

// The quality sliders (conversion settings and preview): a rounded, padded
// blue groove, the part below the handle in a blue gradient, the rest grey,
// and a round white handle ringed in blue.
QString qualitySlider();

// The drop-down menus (tool menu, Add menu): white, a pale blue border, blue
// text on a pale blue band for the chosen entry, thin grey separators.
QString popupMenu();

} // namespace ZoStyleSheets
