#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "group_logic.h"
#include "recording_settings.h"

namespace window_logic {

// "Camera Config" of the common camera model: one list per option of the menu record.
class RecordingGroup : GroupLogic {
  public:
    RecordingGroup(const editions::Edition& edition, Services& services, WindowControls& controls);

    void fillFixedLists();
    void readAtSetUp();

    void get();
    void set();

  private:
    void apply(const std::vector<camera::ListChange>& changes);
    Control listFor(camera::MenuField field) const;

    camera::RecordingSettings recording_;
    // By menu byte; none for a byte no list shows.
    std::array<std::optional<Control>, camera::MenuRecord::kSize> lists_{};
    // Whether a byte's list has its entries.
    std::array<bool, camera::MenuRecord::kSize> filled_{};
};

}  // namespace window_logic
