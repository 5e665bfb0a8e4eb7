#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace win32 {

// A dialog's controls as one page of the template's size. The window shows the page whole where
// the work area has room for it, and otherwise as much as the work area holds, with scroll bars;
// the bars, the mouse wheel and the keyboard's focus move the page. At a new DPI the page and its
// font are drawn again at that DPI from the template's dialog units.
class ScrolledPage {
  public:
    // A control's place in the template, in dialog units.
    struct Control {
        HWND window;
        int x;
        int y;
        int width;
        int height;
    };

    // Once the dialog manager has made the window and its controls at the template's places; the
    // window keeps to the work area given, or to its monitor's.
    ScrolledPage(HWND window, SIZE units, std::vector<Control> controls,
                 std::optional<RECT> workArea);
    ~ScrolledPage();
    ScrolledPage(const ScrolledPage&) = delete;
    ScrolledPage& operator=(const ScrolledPage&) = delete;

    // Acts on a scroll bar, the mouse wheel, the keyboard's moving the focus or a new DPI; false
    // for any other message, and for the focus, which the dialog manager then moves.
    bool handle(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    // Dialog units in pixels at a DPI, as the dialog manager maps them at the DPI it made the
    // window at.
    int across(int units, UINT dpi) const;
    int down(int units, UINT dpi) const;
    SIZE pageAt(UINT dpi) const;
    RECT workAreaFor(const RECT& window) const;
    // Sizes the window to the rectangle and gives it the scroll bars the page needs there.
    void place(const RECT& window);
    void scrollTo(POINT position);
    // The position nearest to that which the client's size leaves the page.
    POINT within(POINT position) const;
    void scroll(int bar, int request, int thumb);
    void wheel(int bar, int delta);
    // Scrolls the least that shows the control whole, or its start where it is larger than the
    // window.
    void show(HWND control);
    void changeDpi(UINT dpi, const RECT& suggested);
    // Places every control for the position and DPI; keep: SWP_NOSIZE where only the position
    // changed.
    void layOut(UINT keep);

    HWND window_;
    SIZE units_;
    std::vector<Control> controls_;
    std::optional<RECT> workArea_;
    // The pixels of 4 x 8 dialog units at the DPI the window was made at.
    SIZE baseUnits_{};
    UINT madeAtDpi_;
    UINT dpi_;
    HFONT madeWithFont_;
    // The font at another DPI than the window was made at; the dialog manager owns the first.
    HFONT scaledFont_ = nullptr;
    POINT position_{0, 0};
};

}  // namespace win32
