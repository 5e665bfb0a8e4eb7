#pragma once

#include "group_panel.h"
#include "menu_write_driver.h"

namespace settings {

// A camera-menu group: what its write asks of the window, whichever record the model has.
class MenuPanel : public GroupPanel, protected camera::MenuWriteDriver {
    Q_OBJECT

  protected:
    using GroupPanel::GroupPanel;

    virtual QComboBox* encryptionList() const = 0;

  private:
    bool confirmEncryptionChange() override;
    void reportWrite(bool succeeded) override;
    void showEncryption(int position) override;
};

}  // namespace settings
