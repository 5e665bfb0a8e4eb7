#pragma once

#include <QDialog>

#include "context.h"
#include "controls.h"
#include "edition.h"

namespace settings {

class DevicePanel;
class IdentityPanel;
class NetworkPanel;
class PasswordPanel;
class RecordingPanel;
class StcMenuPanel;

// The window that reads and changes every setting of the camera, in the edition's language. It
// reads everything when it opens, silently; each group's buttons then read or write that group.
class SettingsWindow : public QDialog {
    Q_OBJECT

  public:
    SettingsWindow(const editions::Edition& edition, ui::Context& context,
                   QWidget* parent = nullptr);

  protected:
    // Enter ends the window, as Esc and the close box do, unless a button has the focus.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void setUp();
    void setUpStc();
    void disableForDeviceKind();

    const editions::Edition& edition_;
    ui::Context& context_;
    Controls controls_;
    IdentityPanel* identity_ = nullptr;
    PasswordPanel* password_ = nullptr;
    DevicePanel* device_ = nullptr;
    RecordingPanel* recording_ = nullptr;
    StcMenuPanel* stcMenu_ = nullptr;
    NetworkPanel* network_ = nullptr;
};

}  // namespace settings
