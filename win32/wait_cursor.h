#pragma once

#include <windows.h>

#include "observed_camera_library.h"

namespace win32 {

// Shows the wait cursor while a camera call blocks the window's thread.
class WaitCursor final : public camera::ObservedCameraLibrary::Observer {
  public:
    void before(std::string_view function) override;
    void after(std::string_view function, const int32_t* flag) override;

  private:
    HCURSOR previous_ = nullptr;
};

}  // namespace win32
