#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "window_controls.h"

class QDialog;
class QPushButton;

namespace ui {

// A window's widgets as the window logic reaches them, by the setting, window field or button
// they stand for. A look-up of a control the window did not make throws, so a window that misses
// one fails when it opens, not when a button is clicked.
class WidgetControls : public window_logic::WindowControls {
  public:
    // The object names of the widgets a device kind takes away.
    using DisabledNames = std::function<std::vector<std::string>(int deviceKind)>;

    explicit WidgetControls(QDialog& window, DisabledNames disabledNames = {})
        : window_(window), disabledNames_(std::move(disabledNames)) {}

    void add(window_logic::Control control, QWidget* widget);

    // The buttons, to connect their clicks to the logic.
    const std::vector<std::pair<window_logic::Control, QPushButton*>>& buttons() const {
        return buttons_;
    }

    // The widget of a control, of the kind the window made; throws for one it did not make.
    template <typename Widget>
    Widget& as(window_logic::Control control) const {
        const auto found = widgets_.find(control);
        auto* widget = found == widgets_.end() ? nullptr : qobject_cast<Widget*>(found->second);
        if (widget == nullptr) {
            throw std::logic_error("the window has no such control");
        }
        return *widget;
    }

    bool has(window_logic::Control control) const override;
    std::string text(window_logic::Control control) const override;
    void setText(window_logic::Control control, std::string_view text) override;
    void limitTyping(window_logic::Control control, int limit) override;
    void setEntries(window_logic::Control control,
                    std::span<const std::string_view> entries) override;
    int selection(window_logic::Control control) const override;
    void select(window_logic::Control control, int position) override;
    void disable(window_logic::Control control) override;
    void disableForDeviceKind(int deviceKind) override;
    void endWindow() override;

  private:
    QDialog& window_;
    DisabledNames disabledNames_;
    std::map<window_logic::Control, QWidget*> widgets_;
    std::vector<std::pair<window_logic::Control, QPushButton*>> buttons_;
};

}  // namespace ui
