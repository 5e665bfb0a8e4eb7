#pragma once

#include <array>

#include "group_panel.h"
#include "network_settings.h"

namespace settings {

// "Network": Wi-Fi, 4G and server settings. The Wi-Fi station follows the camera group's WIFI
// list, which this panel reads but does not own.
class NetworkPanel : public GroupPanel {
    Q_OBJECT

  public:
    NetworkPanel(QDialog& window, const Controls& controls, const editions::Edition& edition,
                 ui::Context& context, QComboBox* wifiList);

    void limitTyping();
    void limitApnTyping();
    void readRecordAtSetUp();
    void readApnPasswordAtSetUp();
    void readApnUserAtSetUp();

  private:
    void get();
    void set();
    bool readRecord(bool selectWifi);
    bool readApnUser();
    bool readApnPassword();

    camera::NetworkSettings network_;
    QComboBox* wifiList_;
    // By camera::NetworkText: the record's six texts.
    std::array<const camera::CatalogueRow*, 6> recordTexts_{};
    const camera::CatalogueRow& apnUser_;
    const camera::CatalogueRow& apnPassword_;
};

}  // namespace settings
