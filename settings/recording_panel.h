#pragma once

#include <array>
#include <span>
#include <string_view>

#include "group_panel.h"
#include "recording_settings.h"

namespace settings {

// "Camera Config" of the common camera model: one list per option of the menu record.
class RecordingPanel : public GroupPanel {
    Q_OBJECT

  public:
    RecordingPanel(QDialog& window, const Controls& controls, const editions::Edition& edition,
                   ui::Context& context);

    void fillFixedLists();
    void readAtSetUp();

  private:
    void get();
    void set();
    void apply(const std::vector<camera::ListChange>& changes);
    QComboBox* listFor(camera::MenuField field) const;
    std::span<const std::string_view> wordsByBit(camera::MenuField field) const;

    camera::RecordingSettings recording_;
    // By menu byte; null for a byte no list shows.
    std::array<QComboBox*, camera::MenuRecord::kSize> lists_{};
};

}  // namespace settings
