#pragma once

#include "observed_camera_library.h"

namespace app {

// Shows the busy cursor while a camera call blocks the window, so that a slow camera does not
// look like a hung program. The calls still run one at a time on the window's thread.
class BusyCursor final : public camera::ObservedCameraLibrary::Observer {
  public:
    void before(std::string_view function) override;
    void after(std::string_view function, const int32_t* flag) override;
};

}  // namespace app
