// The native windows on the work areas of a desktop, a laptop and a netbook screen at the DPI the
// process runs at (native_window_fit_at_dpi_test.sh runs them again at 120 and 144 dpi): each lies
// inside its work area and scrolls only the way it lacks room, and its scroll bars and Tab bring
// every control into view (a control larger than the window across it). At a new DPI a window takes
// the rectangle given, draws its controls and font at that DPI, and comes back as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "emulated_camera_library.h"
#include "native_login_window.h"
#include "native_settings_window.h"
#include "standalone_services.h"
#include "temporary_directory.h"

namespace {

struct WorkArea {
    const char* name;
    RECT area;
};

// Off the primary monitor too, where a work area's corner is not the screen's.
const WorkArea kWorkAreas[] = {
    {"desktop 1600 x 1000", {0, 0, 1600, 1000}},
    {"laptop 1366 x 768, right of the desktop", {1600, 0, 2966, 768}},
    {"netbook 800 x 480, left of the desktop", {-800, 120, 0, 600}},
};
// Room for the largest window at twice the largest DPI.
constexpr RECT kRoomy{0, 0, 4000, 3000};

RECT rectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT clientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Whole, or across the whole client the way the control is larger.
bool inView(HWND control, HWND window) {
    const RECT place = rectOf(control);
    const RECT client = clientOnScreen(window);
    RECT shown{};
    IntersectRect(&shown, &place, &client);
    return shown.right - shown.left ==
               std::min(place.right - place.left, client.right - client.left) &&
           shown.bottom - shown.top ==
               std::min(place.bottom - place.top, client.bottom - client.top);
}

bool scrolls(HWND window, LONG bar) {
    return (GetWindowLongW(window, GWL_STYLE) & bar) != 0;
}

// The controls a user sees, by name.
std::map<HWND, std::string> shownControls(const win32::DialogWindow& window) {
    std::map<HWND, std::string> controls;
    for (const auto& item : window.layout().items) {
        if (!item.hidden) {
            controls.emplace(window.item(item.name), item.name);
        }
    }
    return controls;
}

// What is wrong with the window's place: outside the work area, or scrolling with room to spare.
std::string misfit(HWND window, const RECT& area) {
    std::string faults;
    const RECT shown = rectOf(window);
    if (!inside(shown, area)) {
        faults += "outside the work area; ";
    }
    if (scrolls(window, WS_HSCROLL) && shown.right - shown.left < area.right - area.left) {
        faults += "scrolls across with room to spare; ";
    }
    if (scrolls(window, WS_VSCROLL) && shown.bottom - shown.top < area.bottom - area.top) {
        faults += "scrolls down with room to spare; ";
    }
    return faults;
}

// The controls that the scroll bars leave out of view, their thumbs dragged (across) and dropped
// (down) at each.
std::string outOfReachOfTheBars(const win32::DialogWindow& window) {
    HWND handle = window.handle();
    std::string missed;
    for (const auto& [control, name] : shownControls(window)) {
        if (inView(control, handle)) {
            continue;
        }
        const RECT place = rectOf(control);
        const RECT client = clientOnScreen(handle);
        const int left = place.left - client.left + GetScrollPos(handle, SB_HORZ);
        const int top = place.top - client.top + GetScrollPos(handle, SB_VERT);
        SendMessageW(handle, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, left), 0);
        SendMessageW(handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, top), 0);
        if (!inView(control, handle)) {
            missed += name + " ";
        }
    }
    return missed;
}

// The controls that Tab, or Shift+Tab, going round the window once, leaves out of view or never
// reaches.
std::string outOfReachOfTab(const win32::DialogWindow& window, bool backwards = false) {
    HWND handle = window.handle();
    ShowWindow(handle, SW_SHOW);
    auto controls = shownControls(window);
    std::erase_if(controls, [](const auto& control) {
        return (GetWindowLongW(control.first, GWL_STYLE) & WS_TABSTOP) == 0 ||
               !IsWindowEnabled(control.first);
    });
    // From the control before the first, so that each is checked once a key has reached it.
    HWND first = GetNextDlgTabItem(handle, nullptr, FALSE);
    SetFocus(backwards ? first : GetNextDlgTabItem(handle, first, TRUE));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = backwards ? 0x80 : 0;
    SetKeyboardState(keys);
    std::string missed;
    const std::size_t stops = controls.size();
    for (std::size_t stop = 0; stop < stops; ++stop) {
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        IsDialogMessageW(handle, &tab);
        const auto control = controls.find(GetFocus());
        if (control == controls.end()) {
            break;
        }
        if (!inView(control->first, handle)) {
            missed += control->second + " ";
        }
        controls.erase(control);
    }
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    for (const auto& [control, name] : controls) {
        missed += name + " (not reached) ";
    }
    return missed;
}

class NativeWindowFitTest : public testing::TestWithParam<int> {
  protected:
    std::unique_ptr<win32::DialogWindow> window(bool login) {
        if (login) {
            return std::make_unique<win32::NativeLoginWindow>(edition, services.services);
        }
        return std::make_unique<win32::NativeSettingsWindow>(edition, services.services);
    }

    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera{directory.path()};
    window_logic::StandaloneServices services{camera, directory / "Language.ini"};
    const editions::Edition& edition = editions::edition(GetParam());
};

TEST_P(NativeWindowFitTest, EveryControlIsWithinReachOnEveryWorkArea) {
    for (const auto& [name, area] : kWorkAreas) {
        SCOPED_TRACE(name);
        for (const bool login : {true, false}) {
            SCOPED_TRACE(login ? "login window" : "settings window");
            const auto window = this->window(login);
            window->keepWithin(area);
            ASSERT_NE(window->create(), nullptr);
            // The test runs at the DPI its script set, or it tests nothing new.
            if (const char* dpi = std::getenv("QUMAT_TEST_DPI")) {
                ASSERT_EQ(GetDpiForWindow(window->handle()), std::strtoul(dpi, nullptr, 10));
            }
            EXPECT_EQ(misfit(window->handle(), area), "");
            EXPECT_EQ(outOfReachOfTheBars(*window), "");
            EXPECT_EQ(outOfReachOfTab(*window), "");
        }
    }
}

// Each request of the bars and the wheel moves the page, and its controls with it, as far as it
// says, and no further than the page goes.
TEST_P(NativeWindowFitTest, BarsAndWheelScrollThePageAsFarAsTheySay) {
    win32::NativeSettingsWindow window(edition, services.services);
    window.keepWithin(kWorkAreas[2].area);
    HWND handle = window.create();
    ASSERT_TRUE(scrolls(handle, WS_HSCROLL) && scrolls(handle, WS_VSCROLL));
    RECT line{0, 0, 0, 8};
    MapDialogRect(handle, &line);
    UINT wheelLines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
    const int notch = static_cast<int>(wheelLines) * line.bottom;
    RECT client{};
    GetClientRect(handle, &client);
    constexpr int kFar = 1 << 20;
    const auto wheel = [](int delta) { return MAKEWPARAM(0, static_cast<WORD>(delta)); };
    const struct {
        const char* request;
        UINT message;
        WPARAM wParam;
        int bar;
        int distance;
    } steps[] = {
        {"line down", WM_VSCROLL, SB_LINEDOWN, SB_VERT, line.bottom},
        {"page down", WM_VSCROLL, SB_PAGEDOWN, SB_VERT, client.bottom},
        {"line up", WM_VSCROLL, SB_LINEUP, SB_VERT, -line.bottom},
        {"wheel towards the user", WM_MOUSEWHEEL, wheel(-WHEEL_DELTA), SB_VERT, notch},
        {"wheel away from the user", WM_MOUSEWHEEL, wheel(WHEEL_DELTA), SB_VERT, -notch},
        {"top", WM_VSCROLL, SB_TOP, SB_VERT, -kFar},
        {"bottom", WM_VSCROLL, SB_BOTTOM, SB_VERT, kFar},
        {"line right", WM_HSCROLL, SB_LINERIGHT, SB_HORZ, line.bottom},
        {"wheel tilted right", WM_MOUSEHWHEEL, wheel(WHEEL_DELTA), SB_HORZ, notch},
        {"page left", WM_HSCROLL, SB_PAGELEFT, SB_HORZ, -client.right},
        {"right end", WM_HSCROLL, SB_RIGHT, SB_HORZ, kFar},
        {"page right at the end", WM_HSCROLL, SB_PAGERIGHT, SB_HORZ, client.right},
    };
    HWND first = window.item(window.layout().items.front().name);
    for (const auto& [request, message, wParam, bar, distance] : steps) {
        SCOPED_TRACE(request);
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(handle, bar, &info);
        const int end = info.nMax + 1 - static_cast<int>(info.nPage);
        const int expected = std::clamp(info.nPos + distance, 0, end);
        const RECT before = rectOf(first);
        SendMessageW(handle, message, wParam, 0);
        EXPECT_EQ(GetScrollPos(handle, bar), expected);
        const RECT after = rectOf(first);
        EXPECT_EQ(bar == SB_HORZ ? before.left - after.left : before.top - after.top,
                  expected - info.nPos);
    }
}

// A work area that holds the page one way, but not beside the other way's scroll bar: the window
// scrolls both ways.
TEST_P(NativeWindowFitTest, OneScrollBarCanTakeTheRoomTheOtherWayNeeds) {
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    for (const bool login : {true, false}) {
        SCOPED_TRACE(login ? "login window" : "settings window");
        const auto whole = window(login);
        whole->keepWithin(kRoomy);
        const RECT opened = rectOf(whole->create());
        const int width = opened.right - opened.left;
        const int height = opened.bottom - opened.top;
        const RECT areas[] = {{0, 0, width + bar / 2, height / 2},
                              {0, 0, width / 2, height + bar / 2}};
        for (const RECT& area : areas) {
            const auto window = this->window(login);
            window->keepWithin(area);
            HWND handle = window->create();
            EXPECT_TRUE(scrolls(handle, WS_HSCROLL) && scrolls(handle, WS_VSCROLL));
            EXPECT_EQ(misfit(handle, area), "");
            EXPECT_EQ(outOfReachOfTheBars(*window), "");
        }
    }
}

// Moved to a monitor of twice the DPI and back, as Windows tells a window: first the size it
// wants there, then the DPI and the rectangle.
TEST_P(NativeWindowFitTest, ANewDpiDrawsTheWindowAtItAndBackAsItWas) {
    const auto fontHeight = [](HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
                   &font);
        return font.lfHeight;
    };
    // Where each control shows in the client, and its font's height. A list makes its height
    // itself, from its font.
    using Drawn = std::vector<std::pair<std::string, std::array<LONG, 5>>>;
    const auto drawn = [&](const win32::DialogWindow& window) {
        Drawn controls;
        for (const auto& [control, name] : shownControls(window)) {
            RECT place = rectOf(control);
            wchar_t kind[16] = {};
            GetClassNameW(control, kind, 16);
            if (lstrcmpiW(kind, L"ComboBox") == 0) {
                place.bottom = place.top;
            }
            MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&place), 2);
            controls.push_back(
                {name, {place.left, place.top, place.right, place.bottom, fontHeight(control)}});
        }
        return controls;
    };
    const auto moveTo = [](HWND window, UINT dpi, POINT corner) {
        SIZE size{};
        EXPECT_EQ(SendMessageW(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)),
                  TRUE);
        RECT suggested{corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        return suggested;
    };
    for (const bool login : {true, false}) {
        SCOPED_TRACE(login ? "login window" : "settings window");
        const auto window = this->window(login);
        window->keepWithin(kRoomy);
        HWND handle = window->create();
        const UINT dpi = GetDpiForWindow(handle);
        const RECT opened = rectOf(handle);
        const auto atFirst = drawn(*window);

        const RECT suggested = moveTo(handle, 2 * dpi, {kRoomy.left, kRoomy.top});
        RECT shown = rectOf(handle);
        EXPECT_TRUE(EqualRect(&suggested, &shown));
        EXPECT_FALSE(scrolls(handle, WS_HSCROLL) || scrolls(handle, WS_VSCROLL));
        Drawn twice = atFirst;
        for (auto& [name, measures] : twice) {
            for (auto& measure : measures) {
                measure *= 2;
            }
        }
        EXPECT_EQ(drawn(*window), twice);

        moveTo(handle, dpi, {opened.left, opened.top});
        shown = rectOf(handle);
        EXPECT_TRUE(EqualRect(&opened, &shown));
        EXPECT_FALSE(scrolls(handle, WS_HSCROLL) || scrolls(handle, WS_VSCROLL));
        EXPECT_EQ(drawn(*window), atFirst);
    }
}

// A window that moves to a monitor with too little room at its DPI keeps to that monitor's work
// area and scrolls there.
TEST_P(NativeWindowFitTest, ANewDpiOnASmallerMonitorKeepsToItsWorkArea) {
    const RECT& area = kWorkAreas[1].area;
    for (const bool login : {true, false}) {
        SCOPED_TRACE(login ? "login window" : "settings window");
        const auto window = this->window(login);
        window->keepWithin(area);
        HWND handle = window->create();
        const UINT dpi = 2 * GetDpiForWindow(handle);
        const RECT opened = rectOf(handle);
        RECT suggested{opened.left, opened.top, opened.left + 2 * (opened.right - opened.left),
                       opened.top + 2 * (opened.bottom - opened.top)};
        SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_TRUE(inside(rectOf(handle), area));
        EXPECT_EQ(outOfReachOfTheBars(*window), "");
        EXPECT_EQ(outOfReachOfTab(*window, true), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, NativeWindowFitTest, testing::Range(0, 5));

}  // namespace
