#pragma once

#include "group_logic.h"
#include "stc_menu.h"

namespace window_logic {

// The other camera model's menu frame: 28 fixed lists over the 56-byte menu record.
class StcMenuGroup : GroupLogic {
  public:
    StcMenuGroup(const editions::Edition& edition, Services& services, WindowControls& controls)
        : GroupLogic(edition, services, controls), menu_(services.camera, services.session) {}

    void fillLists();
    void readAtSetUp();

    void get();
    void set();

  private:
    bool read();
    // The list at that place of the menu.
    Control listAt(int index) const;

    camera::StcMenuSettings menu_;
};

}  // namespace window_logic
