#pragma once

#include <QDialog>

#include "context.h"
#include "edition.h"

namespace settings {

// The window that reads and changes every setting of the camera, in the edition's language. So
// far it is the bare window: its title and its fixed size.
class SettingsWindow : public QDialog {
    Q_OBJECT

  public:
    SettingsWindow(const editions::Edition& edition, app::Context& context,
                   QWidget* parent = nullptr);
};

}  // namespace settings
