#include <gtest/gtest.h>

#include <memory>

#include "emulated_camera_library.h"
#include "layout_controls.h"
#include "native_login_window.h"
#include "native_settings_window.h"
#include "standalone_services.h"
#include "temporary_directory.h"
#include "text_measure.h"
#include "wide_text.h"

namespace {

using win32::DialogItem;
using win32::ItemKind;

std::string shownText(HWND item) {
    wchar_t text[512] = {};
    GetWindowTextW(item, text, 512);
    return win32::narrow(text);
}

bool overlap(const DialogItem& a, const DialogItem& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// Every window of every edition, as the layout data and the language tables give it, on the fonts
// Wine draws with.
class NativeWindowLayoutTest : public testing::TestWithParam<int> {
  protected:
    void check(win32::DialogWindow& window,
               const std::vector<testing_support::LayoutControl>& controls) {
        ASSERT_NE(window.create(), nullptr);
        const auto& layout = window.layout();
        const win32::TextMeasure measure;
        std::vector<const DialogItem*> shown;
        for (const auto& item : layout.items) {
            SCOPED_TRACE(item.name);
            HWND control = window.item(item.name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0, !item.hidden);
            if (item.kind == ItemKind::label || item.kind == ItemKind::frame ||
                item.kind == ItemKind::button) {
                EXPECT_EQ(shownText(control), item.text);
            }
            EXPECT_GE(item.x, 0);
            EXPECT_GE(item.y, 0);
            EXPECT_LE(item.x + item.width, layout.size.width);
            EXPECT_LE(item.y + item.height, layout.size.height);
            if (item.hidden) {
                continue;
            }
            if (item.kind == ItemKind::label || item.kind == ItemKind::button) {
                EXPECT_LE(measure.width(item.text), item.width) << item.text << " is cut";
            }
            if (item.kind != ItemKind::frame) {
                for (const auto* other : shown) {
                    EXPECT_FALSE(overlap(item, *other)) << "overlaps " << other->name;
                }
                shown.push_back(&item);
            }
        }
        for (const auto& [control, name, entries] : controls) {
            SCOPED_TRACE(name);
            HWND item = window.item(control);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item, window.item(name));
            if (!entries.empty()) {
                EXPECT_EQ(SendMessageW(item, CB_GETCOUNT, 0, 0),
                          static_cast<LRESULT>(entries.size()));
            }
        }
    }

    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera{directory.path()};
    window_logic::StandaloneServices services{camera, directory / "Language.ini"};
    const editions::Edition& edition = editions::edition(GetParam());
};

TEST_P(NativeWindowLayoutTest, LoginWindowHoldsEveryControlInPlace) {
    win32::NativeLoginWindow window(edition, services.services);
    check(window, testing_support::loginControls());
    EXPECT_EQ(
        SendMessageW(window.item(window_logic::LoginControl::passwordEdit), EM_GETLIMITTEXT, 0, 0),
        6);
    HMENU menu = GetSystemMenu(window.handle(), FALSE);
    wchar_t about[64] = {};
    GetMenuStringW(menu, 16, about, 64, MF_BYCOMMAND);
    EXPECT_EQ(win32::narrow(about), editions::kAboutMenuItem);
}

TEST_P(NativeWindowLayoutTest, SettingsWindowHoldsEveryControlInPlaceWithItsTypingLimit) {
    for (const int deviceKind : {0, 1, 2}) {
        SCOPED_TRACE(deviceKind);
        services.session.deviceKind = deviceKind;
        win32::NativeSettingsWindow window(edition, services.services);
        check(window, testing_support::settingsControls(edition));
        for (const auto& item : window.layout().items) {
            const auto* const* row =
                item.control ? std::get_if<const camera::CatalogueRow*>(&*item.control) : nullptr;
            if (item.kind == ItemKind::edit && row != nullptr) {
                EXPECT_EQ(SendMessageW(window.item(item.name), EM_GETLIMITTEXT, 0, 0),
                          (*row)->limitFor(deviceKind))
                    << item.name;
            }
        }
    }
}

// The title bar and the task switcher show the program's icon (this test carries its resource).
TEST_P(NativeWindowLayoutTest, WindowsShowTheProgramsIconSmallAndLarge) {
    win32::NativeLoginWindow login(edition, services.services);
    win32::NativeSettingsWindow settings(edition, services.services);
    win32::DialogWindow* windows[] = {&login, &settings};
    for (auto* window : windows) {
        ASSERT_NE(window->create(), nullptr);
        EXPECT_NE(SendMessageW(window->handle(), WM_GETICON, ICON_SMALL, 0), 0);
        EXPECT_NE(SendMessageW(window->handle(), WM_GETICON, ICON_BIG, 0), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, NativeWindowLayoutTest, testing::Range(0, 5));

}  // namespace
