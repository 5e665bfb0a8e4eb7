#pragma once

#include "controls.h"
#include "settings_layout.h"

class QBoxLayout;
class QGridLayout;
class QLabel;
class QWidget;

namespace settings {

// Makes the widgets of a settings layout inside a window: a group box per frame, a label and a
// control per field, each named for tests and for screen readers.
class LayoutBuilder {
  public:
    LayoutBuilder(QWidget* window, Controls& controls) : window_(window), controls_(controls) {}

    void build(const editions::SettingsLayout& layout);

  private:
    QWidget* frame(const editions::LayoutFrame& frame, QWidget* parent);
    // One field's label and control in two cells of a grid.
    QLabel* addField(QGridLayout* grid, QWidget* parent, int row, int column,
                     const editions::LayoutField& field, bool hidden);
    void addRows(QGridLayout* grid, QWidget* parent, const std::vector<editions::LayoutRow>& rows);
    void addButtons(QBoxLayout* box, QWidget* parent,
                    const std::vector<editions::LayoutButton>& buttons, bool hidden);

    QWidget* window_;
    Controls& controls_;
};

}  // namespace settings
