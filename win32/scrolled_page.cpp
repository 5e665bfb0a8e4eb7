#include "scrolled_page.h"

#include <algorithm>

#include "window_dpi.h"

namespace win32 {
namespace {

// A line of the page's scrolling: a line of text, 8 dialog units down.
constexpr int kLineUnits = 8;

struct Bars {
    bool across;
    bool down;
};

// The scroll bars a page needs in a client of the room's size, each taking room from the other
// way; bar is the vertical bar's width and the horizontal bar's height.
Bars barsFor(SIZE page, SIZE room, SIZE bar) {
    const bool across = page.cx > room.cx || (page.cy > room.cy && page.cx > room.cx - bar.cx);
    return {across, page.cy > room.cy || (across && page.cy > room.cy - bar.cy)};
}

SIZE barsAt(UINT dpi) {
    return {systemMetricAt(SM_CXVSCROLL, dpi), systemMetricAt(SM_CYHSCROLL, dpi)};
}

int width(const RECT& rect) {
    return rect.right - rect.left;
}

int height(const RECT& rect) {
    return rect.bottom - rect.top;
}

// How far the page scrolls for a span of it to lie between 0 and the extent, its start kept in
// view where the span is longer.
int distanceIntoView(int start, int end, int extent) {
    return std::min(std::max(end - extent, 0), start);
}

}  // namespace

ScrolledPage::ScrolledPage(HWND window, SIZE units, std::vector<Control> controls,
                           std::optional<RECT> workArea)
    : window_(window),
      units_(units),
      controls_(std::move(controls)),
      workArea_(workArea),
      madeAtDpi_(dpiOf(window)),
      dpi_(madeAtDpi_),
      madeWithFont_(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) {
    RECT base{0, 0, 4, 8};
    MapDialogRect(window_, &base);
    baseUnits_ = {base.right, base.bottom};
    leaveDpiChangesToDialog(window_);
    // Centred in the work area, as DS_CENTER centres it in its monitor's, and no larger.
    RECT outside{};
    GetWindowRect(window_, &outside);
    RECT client{};
    GetClientRect(window_, &client);
    const RECT area = workAreaFor(outside);
    const SIZE frame{width(outside) - client.right, height(outside) - client.bottom};
    const SIZE page = pageAt(dpi_);
    const SIZE bar = barsAt(dpi_);
    const Bars bars = barsFor(page, {width(area) - frame.cx, height(area) - frame.cy}, bar);
    const int shownWidth =
        std::min<int>(page.cx + (bars.down ? bar.cx : 0) + frame.cx, width(area));
    const int shownHeight =
        std::min<int>(page.cy + (bars.across ? bar.cy : 0) + frame.cy, height(area));
    const int left = area.left + (width(area) - shownWidth) / 2;
    const int top = area.top + (height(area) - shownHeight) / 2;
    place({left, top, left + shownWidth, top + shownHeight});
}

ScrolledPage::~ScrolledPage() {
    if (scaledFont_ != nullptr) {
        DeleteObject(scaledFont_);
    }
}

bool ScrolledPage::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            // A scroll bar control would name itself: these are the window's own bars. A page is
            // far smaller than the 65 536 pixels the thumb's position can say.
            if (lParam != 0) {
                return false;
            }
            scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam), HIWORD(wParam));
            return true;
        case WM_MOUSEWHEEL:
            // Turned away from the user, the wheel shows what lies above.
            wheel(SB_VERT, -GET_WHEEL_DELTA_WPARAM(wParam));
            return true;
        case WM_MOUSEHWHEEL:
            wheel(SB_HORZ, GET_WHEEL_DELTA_WPARAM(wParam));
            return true;
        case WM_GETDPISCALEDSIZE: {
            // The whole page at the new DPI, which WM_DPICHANGED keeps to the work area; a size
            // scaled as a whole would leave the page a few pixels more or less than its frame.
            const auto dpi = static_cast<UINT>(wParam);
            const SIZE page = pageAt(dpi);
            const SIZE frame = frameAt(window_, dpi);
            *reinterpret_cast<SIZE*>(lParam) = {page.cx + frame.cx, page.cy + frame.cy};
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
            return true;
        }
        case WM_NEXTDLGCTL:
            // Tab, Shift+Tab and the arrow keys move the focus so, before the dialog manager
            // does: the control it goes to scrolls into view first. A control the mouse clicks
            // is in view, and stays under the mouse.
            if (LOWORD(lParam) != 0) {
                show(reinterpret_cast<HWND>(wParam));
            } else {
                show(GetNextDlgTabItem(window_, GetFocus(), wParam != 0));
            }
            return false;
        case WM_DPICHANGED:
            changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return true;
        default:
            return false;
    }
}

int ScrolledPage::across(int units, UINT dpi) const {
    return MulDiv(MulDiv(units, baseUnits_.cx, 4), static_cast<int>(dpi),
                  static_cast<int>(madeAtDpi_));
}

int ScrolledPage::down(int units, UINT dpi) const {
    return MulDiv(MulDiv(units, baseUnits_.cy, 8), static_cast<int>(dpi),
                  static_cast<int>(madeAtDpi_));
}

SIZE ScrolledPage::pageAt(UINT dpi) const {
    return {across(units_.cx, dpi), down(units_.cy, dpi)};
}

RECT ScrolledPage::workAreaFor(const RECT& window) const {
    if (workArea_) {
        return *workArea_;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

void ScrolledPage::place(const RECT& window) {
    // Without the bars, the client is all the room the rectangle leaves the page. A window that
    // opens where the dialog manager put it, without bars, is left as it is.
    if ((GetWindowLongW(window_, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0) {
        ShowScrollBar(window_, SB_BOTH, FALSE);
    }
    RECT shown{};
    GetWindowRect(window_, &shown);
    if (!EqualRect(&shown, &window)) {
        SetWindowPos(window_, nullptr, window.left, window.top, width(window), height(window),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT room{};
    GetClientRect(window_, &room);
    const SIZE page = pageAt(dpi_);
    const Bars bars = barsFor(page, {room.right, room.bottom}, barsAt(dpi_));
    if (bars.across || bars.down) {
        ShowScrollBar(window_, SB_HORZ, bars.across);
        ShowScrollBar(window_, SB_VERT, bars.down);
    }
    RECT client{};
    GetClientRect(window_, &client);
    position_ = within(position_);
    if (!bars.across && !bars.down) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = page.cx - 1;
    info.nPage = static_cast<UINT>(client.right);
    info.nPos = position_.x;
    SetScrollInfo(window_, SB_HORZ, &info, TRUE);
    info.nMax = page.cy - 1;
    info.nPage = static_cast<UINT>(client.bottom);
    info.nPos = position_.y;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void ScrolledPage::scrollTo(POINT position) {
    const POINT kept = within(position);
    // The bars are drawn again only for a change.
    if (kept.x != position_.x || kept.y != position_.y) {
        position_ = kept;
        SetScrollPos(window_, SB_HORZ, position_.x, TRUE);
        SetScrollPos(window_, SB_VERT, position_.y, TRUE);
        layOut(SWP_NOSIZE);
    }
}

POINT ScrolledPage::within(POINT position) const {
    RECT client{};
    GetClientRect(window_, &client);
    const SIZE page = pageAt(dpi_);
    return {std::clamp<LONG>(position.x, 0, std::max<LONG>(page.cx - client.right, 0)),
            std::clamp<LONG>(position.y, 0, std::max<LONG>(page.cy - client.bottom, 0))};
}

void ScrolledPage::scroll(int bar, int request, int thumb) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(window_, bar, &info);
    int to = bar == SB_HORZ ? position_.x : position_.y;
    switch (request) {
        case SB_LINEUP:
            to -= down(kLineUnits, dpi_);
            break;
        case SB_LINEDOWN:
            to += down(kLineUnits, dpi_);
            break;
        case SB_PAGEUP:
            to -= static_cast<int>(info.nPage);
            break;
        case SB_PAGEDOWN:
            to += static_cast<int>(info.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            to = thumb;
            break;
        case SB_TOP:
            to = info.nMin;
            break;
        case SB_BOTTOM:
            to = info.nMax;
            break;
        default:
            return;
    }
    scrollTo(bar == SB_HORZ ? POINT{to, position_.y} : POINT{position_.x, to});
}

void ScrolledPage::wheel(int bar, int delta) {
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE;
    GetScrollInfo(window_, bar, &info);
    const int notch = lines == WHEEL_PAGESCROLL ? static_cast<int>(info.nPage)
                                                : static_cast<int>(lines) * down(kLineUnits, dpi_);
    const int by = MulDiv(notch, delta, WHEEL_DELTA);
    scrollTo(bar == SB_HORZ ? POINT{position_.x + by, position_.y}
                            : POINT{position_.x, position_.y + by});
}

void ScrolledPage::show(HWND control) {
    if (control == nullptr) {
        return;
    }
    RECT shown{};
    GetWindowRect(control, &shown);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&shown), 2);
    RECT client{};
    GetClientRect(window_, &client);
    scrollTo({position_.x + distanceIntoView(shown.left, shown.right, client.right),
              position_.y + distanceIntoView(shown.top, shown.bottom, client.bottom)});
}

void ScrolledPage::changeDpi(UINT dpi, const RECT& suggested) {
    position_ = {MulDiv(position_.x, static_cast<int>(dpi), static_cast<int>(dpi_)),
                 MulDiv(position_.y, static_cast<int>(dpi), static_cast<int>(dpi_))};
    dpi_ = dpi;
    // Scaled from the first font each time, so that moving to and fro adds no rounding.
    HFONT scaled = nullptr;
    if (dpi != madeAtDpi_) {
        LOGFONTW font{};
        GetObjectW(madeWithFont_, sizeof(font), &font);
        font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(madeAtDpi_));
        scaled = CreateFontIndirectW(&font);
    }
    for (const auto& control : controls_) {
        SendMessageW(control.window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(scaled != nullptr ? scaled : madeWithFont_), FALSE);
    }
    if (scaledFont_ != nullptr) {
        DeleteObject(scaledFont_);
    }
    scaledFont_ = scaled;
    // The monitor the window moved to may be too small for the rectangle.
    const RECT area = workAreaFor(suggested);
    const int shownWidth = std::min(width(suggested), width(area));
    const int shownHeight = std::min(height(suggested), height(area));
    const int left = std::clamp(static_cast<int>(suggested.left), static_cast<int>(area.left),
                                static_cast<int>(area.right) - shownWidth);
    const int top = std::clamp(static_cast<int>(suggested.top), static_cast<int>(area.top),
                               static_cast<int>(area.bottom) - shownHeight);
    place({left, top, left + shownWidth, top + shownHeight});
    layOut(0);
}

void ScrolledPage::layOut(UINT keep) {
    // Moved without drawing, then drawn once.
    HDWP moves = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (const auto& control : controls_) {
        moves = DeferWindowPos(
            moves, control.window, nullptr, across(control.x, dpi_) - position_.x,
            down(control.y, dpi_) - position_.y, across(control.width, dpi_),
            down(control.height, dpi_), keep | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    EndDeferWindowPos(moves);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace win32
