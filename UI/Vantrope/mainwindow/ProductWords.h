#pragma once

// Hands the product's name, description, maker and credits to the skin
// toolkit (ZoProduct), which shows them in the About dialog and as the
// message box's default title. Called by the main window before any dialog.
namespace ProductWords {
void install();
}
