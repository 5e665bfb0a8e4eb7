#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "model_group.h"
#include "network_settings.h"

namespace camera {

// The Wi-Fi, 4G and server texts: the network record and the two APN texts.
class NetworkModelGroup final : public ModelGroup {
  public:
    NetworkModelGroup(CameraLibrary& camera, const CameraModel& model);

    // Each read sets the values it read and none when it failed. The record's read gives the
    // position in the WIFI list that its Wi-Fi station byte selects.
    std::optional<int> readRecord(SettingValues& values);
    bool readApnUser(SettingValues& values);
    bool readApnPassword(SettingValues& values);
    // All three, each whatever the others gave; true when all succeeded.
    bool read(SettingValues& values) override;

    // The APN texts first, their outcome unexamined, then the record; true when the camera took
    // the record. A WIFI list position the user chose sets the Wi-Fi station byte ("STA ON" turns
    // it on); without one the byte goes back as read.
    bool write(const SettingValues& values, std::optional<int> wifiPick);
    GroupWrite write(const GroupWriteRequest& request) override;
    // The record's Wi-Fi station byte, when a change of the WIFI list sets it to another value
    // than the byte read.
    std::vector<std::string> alsoChanges(const GroupWriteRequest& request) const override;

  private:
    static std::optional<int> wifiPick(const GroupWriteRequest& request);

    NetworkSettings network_;
    // The model's network rows that live in the network record, by key.
    std::vector<std::pair<std::string_view, NetworkText>> recordTexts_;
    const CatalogueRow& wifiMode_;
    // The Wi-Fi station byte of the last record read, as a signed number.
    std::optional<int> stationRead_;
};

}  // namespace camera
