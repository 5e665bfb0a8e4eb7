#pragma once

#include "services.h"
#include "text_widths.h"

namespace ui {

// The services the Qt windows are built from: the window logic's, and the widths of texts measured
// once for the run.
struct Context : window_logic::Services {
    TextWidths& textWidths;
};

}  // namespace ui
