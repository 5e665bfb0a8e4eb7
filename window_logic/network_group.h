#pragma once

#include "group_logic.h"
#include "network_model_group.h"

namespace window_logic {

// "Network": Wi-Fi, 4G and server settings. The Wi-Fi station follows the menu's WIFI list,
// which this group reads but does not own.
class NetworkGroup : GroupLogic {
  public:
    NetworkGroup(const editions::Edition& edition, Services& services, WindowControls& controls)
        : GroupLogic(edition, services, controls), network_(services.camera, edition.model) {}

    void limitTyping();
    void limitApnTyping();
    void readRecordAtSetUp();
    void readApnPasswordAtSetUp();
    void readApnUserAtSetUp();

    void get();
    void set();

  private:
    // Reads into the fields, each read on its own.
    template <typename Read>
    bool readShown(Read read) {
        camera::SettingValues values;
        const bool succeeded = static_cast<bool>((network_.*read)(values));
        show(values);
        return succeeded;
    }
    bool readRecord(bool selectWifi);

    camera::NetworkModelGroup network_;
};

}  // namespace window_logic
