#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "option_value.h"

namespace camera {

// The bytes of the menu configuration record, in record order.
enum class MenuField : std::size_t {
    resolution,
    quality,
    coding_format,
    split_time,
    loop_record,
    pre_record,
    infrared,
    time_zone,
    volume,
    gps,
    rec_warning,
    photo_size,
    cellular_4g,
    wifi_mode,
    post_record,
    auto_record,
    motion_detect,
    live_resolution,
    live_coding_format,
    g_sensor,
    eis,
    resolution_caps_low,
    resolution_caps_high,
    photo_size_caps_low,
    photo_size_caps_high,
    post_record_caps,
    split_time_caps,
    aes_encryption,
    video_stamp,
    power_button,
    photo_button,
    record_button,
};

// The camera's recording and device options, 32 bytes: one list position per value byte, and
// six capability masks from which four of the lists are built (option_lists.h).
class MenuRecord {
  public:
    static constexpr std::int32_t kSize = 32;

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::span<std::uint8_t, kSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, kSize> bytes() const { return bytes_; }

    std::uint8_t byte(MenuField field) const { return bytes_[static_cast<std::size_t>(field)]; }
    bool isSupported(MenuField field) const { return byte(field) != kNotSupported; }
    int position(MenuField field) const { return decodeValueByte(byte(field)); }
    void select(MenuField field, int selectedPosition) {
        bytes_[static_cast<std::size_t>(field)] = encodeSelection(selectedPosition);
    }

    // When the window opens it selects `photo_size` without its top bit; Get takes it as it came.
    int photoSizePositionAtSetUp() const { return byte(MenuField::photo_size) & 0x7F; }

  private:
    std::array<std::uint8_t, kSize> bytes_{};
};

static_assert(static_cast<std::size_t>(MenuField::record_button) == MenuRecord::kSize - 1);

// The time-zone byte counts hours from UTC-12 at position 0 to UTC+12 at 24.
constexpr int timeZonePosition(int hours) {
    return hours + 12;
}

}  // namespace camera
