// The native windows on the work areas of screens of every size, at the DPI the process runs at
// (native_window_fit_at_dpi_test.sh runs them again at 120 and 144 dpi): each lies inside its work
// area and scrolls only the way it lacks room, and its scroll bars and Tab bring every control
// into view (a control larger than the window across it). At a new DPI a window takes the
// rectangle given, draws its controls and font at that DPI, and comes back as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "emulated_camera_library.h"
#include "native_login_window.h"
#include "native_settings_window.h"
#include "standalone_services.h"
#include "temporary_directory.h"

namespace {

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
    const RECT shown = rectOf(window);
    RECT both{};
    UnionRect(&both, &shown, &area);
    std::string faults = EqualRect(&both, &area) ? "" : "outside the work area; ";
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

// The controls that Tab, going round the window once, leaves out of view or never reaches.
std::string outOfReachOfTab(const win32::DialogWindow& window) {
    HWND handle = window.handle();
    ShowWindow(handle, SW_SHOW);
    auto controls = shownControls(window);
    std::erase_if(controls, [](const auto& control) {
        return (GetWindowLongW(control.first, GWL_STYLE) & WS_TABSTOP) == 0 ||
               !IsWindowEnabled(control.first);
    });
    // From the last control, so that each is checked once Tab has reached it.
    SetFocus(GetNextDlgTabItem(handle, GetNextDlgTabItem(handle, nullptr, FALSE), TRUE));
    std::string missed;
    for (std::size_t stop = 0, stops = controls.size(); stop < stops; ++stop) {
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

TEST_P(NativeWindowFitTest, EveryControlIsWithinReachWhereverTheWindowIs) {
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    for (const bool login : {true, false}) {
        SCOPED_TRACE(login ? "login window" : "settings window");
        const auto whole = window(login);
        whole->keepWithin(kRoomy);
        const RECT full = rectOf(whole->create());
        // The test runs at the DPI its script set, or it tests nothing new.
        if (const char* dpi = std::getenv("QUMAT_TEST_DPI")) {
            ASSERT_EQ(GetDpiForWindow(whole->handle()), std::strtoul(dpi, nullptr, 10));
        }
        const LONG width = full.right - full.left;
        const LONG height = full.bottom - full.top;
        // Off the primary monitor too, where a work area's corner is not the screen's.
        const struct {
            const char* where;
            RECT area;
            bool movedToTwiceTheDpi;
        } situations[] = {
            {"desktop 1600 x 1000", {0, 0, 1600, 1000}, false},
            {"laptop 1366 x 768, right of the desktop", {1600, 0, 2966, 768}, false},
            {"netbook 800 x 480, left of the desktop", {-800, 120, 0, 600}, false},
            {"wide enough, but not beside the bar down",
             {0, 0, width + bar / 2, height / 2},
             false},
            {"tall enough, but not above the bar across",
             {0, 0, width / 2, height + bar / 2},
             false},
            // Windows tells the window to be twice its size, which the laptop cannot hold.
            {"moved to the laptop at twice the DPI", {1600, 0, 2966, 768}, true},
        };
        for (const auto& [where, area, moved] : situations) {
            SCOPED_TRACE(where);
            const auto window = this->window(login);
            window->keepWithin(area);
            HWND handle = window->create();
            if (moved) {
                const UINT dpi = 2 * GetDpiForWindow(handle);
                const RECT opened = rectOf(handle);
                RECT suggested{opened.left, opened.top, opened.right + (opened.right - opened.left),
                               opened.bottom + (opened.bottom - opened.top)};
                SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                             reinterpret_cast<LPARAM>(&suggested));
            }
            EXPECT_EQ(misfit(handle, area), "");
            EXPECT_EQ(outOfReachOfTheBars(*window), "");
            EXPECT_EQ(outOfReachOfTab(*window), "");
        }
    }
}

// Each request of the bars and the wheel moves the page, and its controls with it, as far as it
// says, and no further than the page goes.
TEST_P(NativeWindowFitTest, BarsAndWheelScrollThePageAsFarAsTheySay) {
    win32::NativeSettingsWindow window(edition, services.services);
    window.keepWithin({0, 0, 800, 480});
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
        {"wheel towards the user", WM_MOUSEWHEEL, wheel(-WHEEL_DELTA), SB_VERT, notch},
        {"wheel away from the user", WM_MOUSEWHEEL, wheel(WHEEL_DELTA), SB_VERT, -notch},
        {"bottom", WM_VSCROLL, SB_BOTTOM, SB_VERT, kFar},
        {"wheel tilted right", WM_MOUSEHWHEEL, wheel(WHEEL_DELTA), SB_HORZ, notch},
        {"page left", WM_HSCROLL, SB_PAGELEFT, SB_HORZ, -client.right},
        {"right end", WM_HSCROLL, SB_RIGHT, SB_HORZ, kFar},
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

// Moved to a monitor of twice the DPI and back, as Windows tells a window: first the size it
// wants there, then the DPI and the rectangle.
TEST_P(NativeWindowFitTest, ANewDpiDrawsTheWindowAtItAndBackAsItWas) {
    // Where each control shows in the client, and its font's height; a list makes its own height
    // from its font.
    const auto drawn = [](const win32::DialogWindow& window, LONG scale) {
        std::vector<std::pair<std::string, std::array<LONG, 5>>> controls;
        for (const auto& [control, name] : shownControls(window)) {
            RECT place = rectOf(control);
            MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&place), 2);
            wchar_t kind[16] = {};
            GetClassNameW(control, kind, 16);
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                       sizeof(font), &font);
            const LONG bottom = lstrcmpiW(kind, L"ComboBox") == 0 ? place.top : place.bottom;
            controls.push_back({name,
                                {scale * place.left, scale * place.top, scale * place.right,
                                 scale * bottom, scale * font.lfHeight}});
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
        const RECT shown = rectOf(window);
        EXPECT_TRUE(EqualRect(&suggested, &shown));
        EXPECT_FALSE(scrolls(window, WS_HSCROLL) || scrolls(window, WS_VSCROLL));
    };
    for (const bool login : {true, false}) {
        SCOPED_TRACE(login ? "login window" : "settings window");
        const auto window = this->window(login);
        window->keepWithin(kRoomy);
        HWND handle = window->create();
        const UINT dpi = GetDpiForWindow(handle);
        const RECT opened = rectOf(handle);
        const auto atFirst = drawn(*window, 1);
        const auto twice = drawn(*window, 2);
        moveTo(handle, 2 * dpi, {kRoomy.left, kRoomy.top});
        EXPECT_EQ(drawn(*window, 1), twice);
        moveTo(handle, dpi, {opened.left, opened.top});
        EXPECT_EQ(drawn(*window, 1), atFirst);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, NativeWindowFitTest, testing::Range(0, 5));

}  // namespace
