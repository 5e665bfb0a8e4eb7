#pragma once

#include <array>
#include <optional>
#include <string>

#include "camera_library.h"
#include "network_record.h"
#include "text_buffer.h"

namespace camera {

// The eight network texts as a front end holds them.
struct NetworkValues {
    // By NetworkText: SSID, Wi-Fi password, APN, 4G PIN, server address, server port.
    std::array<std::u16string, 6> record;
    std::u16string apnUser;
    std::u16string apnPassword;
};

// The Wi-Fi, 4G and server settings: the network record and the two APN texts.
class NetworkSettings {
  public:
    explicit NetworkSettings(CameraLibrary& camera) : camera_(camera) {}

    // Each read gives nothing when it failed, so that its fields keep what they show.
    std::optional<NetworkRecord> readRecord();
    std::optional<ApnText> readApnUser();
    std::optional<ApnText> readApnPassword();

    // The APN texts first, their outcome unexamined, then the record; true when the camera took
    // the record. `wifiPick` is a WIFI list position the user chose: only "STA ON" turns the
    // station on. Without one the station byte goes back as the last read gave it.
    // A text that is what the last read gave goes back as the bytes it came in, which its
    // conversion might not give again (a character cut at its field's end, a byte the code page
    // leaves undefined).
    bool write(const NetworkValues& values, std::optional<int> wifiPick);

  private:
    CameraLibrary& camera_;
    std::optional<NetworkRecord> lastRecord_;
    std::optional<ApnText> lastApnUser_;
    std::optional<ApnText> lastApnPassword_;
};

}  // namespace camera
