#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace camera {

// The six text fields of the network record, in record order.
enum class NetworkText { ssid, wifi_password, apn, pin_4g, server_ip, server_port };

// The network settings as the camera library exchanges them, 103 bytes: `wifi_station`, then
// the six zero-ended text fields.
class NetworkRecord {
  public:
    static constexpr std::size_t kSize = 103;

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::span<std::uint8_t, kSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, kSize> bytes() const { return bytes_; }

    // `wifi_station` read as signed: the WIFI list position a window may select (-1 selects none).
    int wifiStationPosition() const;
    // 1 when the WIFI list has "STA ON" selected; 0 for anything else, "AP ON" included.
    void setWifiStationFromWifiSelection(int selectedPosition);
    void copyWifiStation(const NetworkRecord& from) { bytes_[0] = from.bytes_[0]; }

    std::u16string text(NetworkText field) const;
    // False when the camera left the field without its zero byte: the text runs to the field's
    // end, padding included, and is no value to write back.
    bool terminated(NetworkText field) const;
    // Writes the first N - 1 converted bytes into a field of width N; its last byte stays zero.
    void writeText(NetworkText field, std::u16string_view text);
    // The field's bytes as another record holds them, byte for byte.
    void copyText(NetworkText field, const NetworkRecord& from);

  private:
    std::span<std::uint8_t> field(NetworkText text);
    std::span<const std::uint8_t> field(NetworkText text) const;

    std::array<std::uint8_t, kSize> bytes_{};
};

}  // namespace camera
