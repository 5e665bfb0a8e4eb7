#pragma once

#include <array>

#include "group_logic.h"
#include "network_settings.h"

namespace window_logic {

// "Network": Wi-Fi, 4G and server settings. The Wi-Fi station follows the menu's WIFI list,
// which this group reads but does not own.
class NetworkGroup : GroupLogic {
  public:
    NetworkGroup(const editions::Edition& edition, Services& services, WindowControls& controls);

    void limitTyping();
    void limitApnTyping();
    void readRecordAtSetUp();
    void readApnPasswordAtSetUp();
    void readApnUserAtSetUp();

    void get();
    void set();

  private:
    bool readRecord(bool selectWifi);
    bool readApnText(const camera::CatalogueRow& setting,
                     std::optional<std::u16string> (camera::NetworkSettings::*read)());

    camera::NetworkSettings network_;
    const camera::CatalogueRow& wifiList_;
    // By camera::NetworkText: the record's six texts.
    std::array<const camera::CatalogueRow*, 6> recordTexts_{};
    const camera::CatalogueRow& apnUser_;
    const camera::CatalogueRow& apnPassword_;
};

}  // namespace window_logic
