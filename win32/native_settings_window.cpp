#include "native_settings_window.h"

#include "settings_layout.h"
#include "text_measure.h"

namespace win32 {

NativeSettingsWindow::NativeSettingsWindow(const editions::Edition& edition,
                                           window_logic::Services& services)
    : DialogWindow(window_logic::settingsDialog(
                       edition, [measure = std::make_shared<TextMeasure>()](
                                    std::string_view text) { return measure->width(text); }),
                   [&edition](int deviceKind) {
                       return editions::disabledByDeviceKind(edition, deviceKind);
                   }),
      edition_(edition),
      services_(services) {}

void NativeSettingsWindow::opened() {
    logic_.emplace(edition_, services_, *this);
    logic_->open();
}

void NativeSettingsWindow::notified(const DialogItem& item, int notification) {
    if (notification != BN_CLICKED || !item.control) {
        return;
    }
    if (const auto* button = std::get_if<editions::Button>(&*item.control)) {
        logic_->press(*button);
    }
}

}  // namespace win32
