#pragma once

// Helpers for driving the real main window in tests: finding its pages,
// dropping files on them, answering modal dialogs with bounded waits and
// letting released pages go.

#include "modaldriver.h"
#include "simulatedinput.h"
#include "visiblepage.h"
#include "widgetsnapshot.h"
