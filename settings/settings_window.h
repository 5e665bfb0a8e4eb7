#pragma once

#include <QDialog>

#include "context.h"
#include "edition.h"
#include "settings_logic.h"
#include "widget_controls.h"

namespace settings {

// The window that reads and changes every setting of the camera, in the edition's language: the
// widgets of the edition's layout over the settings window's logic.
class SettingsWindow : public QDialog {
    Q_OBJECT

  public:
    SettingsWindow(const editions::Edition& edition, ui::Context& context,
                   QWidget* parent = nullptr);

  protected:
    // Enter ends the window, as Esc and the close box do, unless a button has the focus.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ui::WidgetControls controls_;
    window_logic::SettingsLogic logic_;
};

}  // namespace settings
