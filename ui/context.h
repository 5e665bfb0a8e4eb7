#pragma once

#include "font_measures.h"
#include "services.h"

namespace ui {

// The services the Qt windows are built from: the window logic's, and what their fonts measure,
// once for the run.
struct Context : window_logic::Services {
    FontMeasures& fontMeasures;
};

}  // namespace ui
