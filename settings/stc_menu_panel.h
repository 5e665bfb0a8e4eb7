#pragma once

#include <array>

#include "group_panel.h"
#include "stc_menu.h"

namespace settings {

// The other camera model's menu frame: 28 fixed lists over the 56-byte menu record.
class StcMenuPanel : public GroupPanel {
    Q_OBJECT

  public:
    StcMenuPanel(QDialog& window, const Controls& controls, const editions::Edition& edition,
                 ui::Context& context);

    void fillLists();
    void readAtSetUp();

  private:
    void get();
    void set();
    bool read();
    QComboBox* listAt(int index) const;

    camera::StcMenuSettings menu_;
    // By place in the menu record.
    std::array<QComboBox*, camera::StcMenuRecord::kListCount> lists_{};
};

}  // namespace settings
