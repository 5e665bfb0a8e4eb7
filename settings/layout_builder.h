#pragma once

#include "measured_sizes.h"
#include "settings_layout.h"
#include "widget_controls.h"

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QWidget;

namespace settings {

// Makes the widgets of a settings layout inside a window: a group box per frame holding its
// labels and controls, each named for tests and for screen readers.
class LayoutBuilder {
  public:
    // Margins and spaces are in the dialog units of the window's font.
    LayoutBuilder(QWidget* window, editions::DialogBaseUnits units, ui::WidgetControls& controls,
                  ui::MeasuredSizes& sizes)
        : window_(window), units_(units), controls_(controls), sizes_(sizes) {}

    void build(const editions::SettingsLayout& layout);

  private:
    QGroupBox* frame(const editions::LayoutFrame& frame, QWidget* parent);
    // One field's label and control in two cells of a grid; a long label may wrap.
    void addField(QGridLayout* grid, QGroupBox* frame, int row, int column,
                  const editions::LayoutField& field, bool hidden, bool mayWrap = false);
    void addRows(QGridLayout* grid, QGroupBox* frame, const std::vector<editions::LayoutRow>& rows);
    void addButtons(QBoxLayout* box, QGroupBox* frame,
                    const std::vector<editions::LayoutButton>& buttons, bool hidden);

    int across(int dialogUnits) const { return editions::horizontalPixels(dialogUnits, units_); }
    int down(int dialogUnits) const { return editions::verticalPixels(dialogUnits, units_); }

    QWidget* window_;
    editions::DialogBaseUnits units_;
    ui::WidgetControls& controls_;
    ui::MeasuredSizes& sizes_;
};

}  // namespace settings
