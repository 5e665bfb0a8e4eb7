#include "settings_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "device_panel.h"
#include "dialog_geometry.h"
#include "identity_panel.h"
#include "layout_builder.h"
#include "network_panel.h"
#include "password_panel.h"
#include "recording_panel.h"
#include "settings_layout.h"
#include "stc_menu_panel.h"
#include "ui_text.h"

namespace settings {

SettingsWindow::SettingsWindow(const editions::Edition& edition, ui::Context& context,
                               QWidget* parent)
    : QDialog(parent), edition_(edition), context_(context) {
    setObjectName(ui::uiText(edition.settingsWindowClass));
    setWindowTitle(ui::uiText(edition.title));
    const auto units = ui::dialogBaseUnits(*this);
    QWidget* page =
        ui::fixSizeOnScreen(*this, ui::dialogPixels(edition.language.settingsSize, units));
    LayoutBuilder(page, units, controls_, context.measuredSizes)
        .build(editions::settingsLayout(edition));

    identity_ = new IdentityPanel(*this, controls_, edition, context);
    password_ = new PasswordPanel(*this, controls_, edition, context);
    device_ = new DevicePanel(*this, controls_, edition, context);
    if (edition.model.usesLongMenuRecord()) {
        stcMenu_ = new StcMenuPanel(*this, controls_, edition, context);
    } else {
        recording_ = new RecordingPanel(*this, controls_, edition, context);
    }
    network_ = new NetworkPanel(*this, controls_, edition, context,
                                &controls_.list(edition.model.rowAt("wifi_mode")));

    if (edition.model.usesLongMenuRecord()) {
        setUpStc();
    } else {
        setUp();
    }
}

// The common model's opening: limits, then every read in a fixed order, each silent; a failed
// read leaves its fields as they are.
void SettingsWindow::setUp() {
    identity_->limitTyping();
    network_->limitTyping();
    identity_->readAtSetUp();
    device_->readFirmwareAtSetUp();
    network_->readRecordAtSetUp();
    device_->readCardCapacityAtSetUp();
    recording_->fillFixedLists();
    recording_->readAtSetUp();
    password_->limitTyping();
    device_->readDeviceResolutionAtSetUp();
    disableForDeviceKind();
    network_->limitApnTyping();
    if (edition_.model.readsSerialNumber) {
        identity_->readSerialNumberAtSetUp();
    }
    network_->readApnPasswordAtSetUp();
    network_->readApnUserAtSetUp();
}

// The other model's opening: no device-resolution or serial-number read, and the network last.
void SettingsWindow::setUpStc() {
    identity_->limitTyping();
    network_->limitTyping();
    network_->limitApnTyping();
    password_->limitTyping();
    identity_->readAtSetUp();
    device_->readFirmwareAtSetUp();
    device_->readCardCapacityAtSetUp();
    disableForDeviceKind();
    stcMenu_->fillLists();
    stcMenu_->readAtSetUp();
    network_->readRecordAtSetUp();
    network_->readApnUserAtSetUp();
    network_->readApnPasswordAtSetUp();
}

void SettingsWindow::disableForDeviceKind() {
    controls_.disableFor(context_.session.deviceKind);
}

void SettingsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter presses the button that has the focus, as the desktop's dialogs do.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            accept();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace settings
