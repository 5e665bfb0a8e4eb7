#pragma once

#include <vector>

#include "group_logic.h"
#include "network_model_group.h"

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
    // Reads into the fields, each read on its own, and notes that the camera filled them.
    template <typename Read>
    bool readShown(Read read, bool& filled) {
        camera::SettingValues values;
        const bool succeeded = static_cast<bool>((network_.*read)(values));
        filled = filled || succeeded;
        show(values);
        return succeeded;
    }
    bool readApnUser() { return readShown(&camera::NetworkModelGroup::readApnUser, apnUserRead_); }
    bool readApnPassword() {
        return readShown(&camera::NetworkModelGroup::readApnPassword, apnPasswordRead_);
    }
    bool readRecord(bool selectWifi);
    // Whether the fields no read has filled from the camera are all typed in, and no text the
    // camera sent unsound goes back as it came.
    bool complete(const camera::SettingValues& values) const;

    camera::NetworkModelGroup network_;
    // The texts of the network record; the two APN texts travel apart from it.
    std::vector<const camera::CatalogueRow*> recordRows_;
    const camera::CatalogueRow* apnUser_;
    const camera::CatalogueRow* apnPassword_;
    bool recordRead_ = false;
    bool apnUserRead_ = false;
    bool apnPasswordRead_ = false;
};

}  // namespace window_logic
