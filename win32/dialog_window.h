#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialog_layout.h"
#include "dialog_template.h"
#include "scrolled_page.h"
#include "window_controls.h"

namespace win32 {

using window_logic::DialogItem;
using window_logic::DialogLayout;
using window_logic::ItemKind;

// A window made from a layout, whose controls its logic reaches through WindowControls.
class DialogWindow : public window_logic::WindowControls {
  public:
    using DisabledNames = std::function<std::vector<std::string>(int deviceKind)>;

    DialogWindow(DialogLayout layout, DisabledNames disabledNames);
    ~DialogWindow() override;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Runs the window modally, with no owner; returns when it has ended.
    void run();
    // Makes the window without showing or running it, as a test drives it; it lives as long as
    // this object.
    HWND create();
    // The work area the window opens in, and keeps to at a new DPI, in place of its monitor's: a
    // screen of any size for a test.
    void keepWithin(RECT workArea) { workArea_ = workArea; }

    HWND handle() const { return window_; }
    // The window as the window system makes it: its layout in dialog units.
    DialogTemplate buildTemplate() const;
    const DialogLayout& layout() const { return layout_; }
    // The control's window; null when the layout has no such control.
    HWND item(window_logic::Control control) const;
    HWND item(std::string_view name) const;
    bool ended() const { return ended_; }
    // The id of the layout's item at that position, ids below it being the dialog's own (OK,
    // Cancel).
    static int itemId(std::size_t index) { return 1000 + static_cast<int>(index); }

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

  protected:
    // The controls exist; the window is not yet shown.
    virtual void opened() = 0;
    // A control of the layout sent a notification.
    virtual void notified(const DialogItem& item, int notification) = 0;

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DialogLayout layout_;
    DisabledNames disabledNames_;
    std::map<window_logic::Control, int> ids_;
    std::map<std::string, int, std::less<>> names_;
    std::optional<RECT> workArea_;
    HWND window_ = nullptr;
    // From the window's making until it is gone.
    std::optional<ScrolledPage> page_;
    bool modal_ = false;
    bool ended_ = false;
};

}  // namespace win32
