#pragma once

#include <string_view>
#include <vector>

#include "observed_camera_library.h"

namespace camera {

// Keeps the names of the calls the camera failed (flag 0), so that a front end can name the call,
// even where the model groups do not look at its flag (the APN texts, the card format, the
// menu's second write).
class CallLog final : public ObservedCameraLibrary::Observer {
  public:
    // The failed calls since the last take, in call order.
    std::vector<std::string_view> takeFailures();

    void before(std::string_view function) override;
    void after(std::string_view function, const int32_t* flag) override;

  private:
    std::vector<std::string_view> failures_;
};

}  // namespace camera
