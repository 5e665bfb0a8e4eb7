#pragma once

#include "measured_sizes.h"
#include "services.h"

namespace ui {

// The services the Qt windows are built from: the window logic's, and the sizes of texts measured
// once for the run.
struct Context : window_logic::Services {
    MeasuredSizes& measuredSizes;
};

}  // namespace ui
