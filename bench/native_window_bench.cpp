// What the native windows cost against the window system under them, measured in the same run:
// opening (making, showing, painting and closing) each kind of window against a bare dialog made
// from the same template and filled with what the window shows, rounds of the two interleaved.
// Prints each ratio beside its target; exits 1 when one is missed.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "emulated_camera_library.h"
#include "native_login_window.h"
#include "native_settings_window.h"
#include "ratio_report.h"
#include "recording_hand_over.h"
#include "scripted_boxes.h"
#include "temporary_directory.h"

namespace {

constexpr int kRounds = 41;

void showAndClose(HWND window) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

// What the window shows once open: each control's text, and each list's entries and selection.
struct Contents {
    struct Control {
        int id;
        std::wstring text;
        std::vector<std::wstring> entries;
        LRESULT selection;
        bool picture;
    };
    std::vector<Control> controls;

    static Contents of(const win32::DialogWindow& window) {
        Contents contents;
        const auto& items = window.layout().items;
        for (std::size_t index = 0; index < items.size(); ++index) {
            HWND control = window.item(items[index].name);
            Control shown{win32::DialogWindow::itemId(index),
                          text(control),
                          {},
                          -1,
                          items[index].kind == win32::ItemKind::picture};
            if (items[index].kind == win32::ItemKind::list) {
                const auto count = SendMessageW(control, CB_GETCOUNT, 0, 0);
                for (LRESULT entry = 0; entry < count; ++entry) {
                    std::wstring text(
                        static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXTLEN, entry, 0)),
                        L'\0');
                    SendMessageW(control, CB_GETLBTEXT, entry,
                                 reinterpret_cast<LPARAM>(text.data()));
                    shown.entries.push_back(text);
                }
                shown.selection = SendMessageW(control, CB_GETCURSEL, 0, 0);
            }
            contents.controls.push_back(std::move(shown));
        }
        return contents;
    }

    static std::wstring text(HWND control) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        return text;
    }
};

// A dialog that fills its controls with what the window showed, and nothing else.
INT_PTR CALLBACK bareProcedure(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    const auto& contents = *reinterpret_cast<const Contents*>(lParam);
    for (const auto& control : contents.controls) {
        HWND item = GetDlgItem(dialog, control.id);
        if (control.picture) {
            SendMessageW(
                item, STM_SETIMAGE, IMAGE_BITMAP,
                reinterpret_cast<LPARAM>(LoadImageW(GetModuleHandleW(nullptr), L"english",
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
            continue;
        }
        SetWindowTextW(item, control.text.c_str());
        for (const auto& entry : control.entries) {
            SendMessageW(item, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
        if (!control.entries.empty()) {
            SendMessageW(item, CB_SETCURSEL, static_cast<WPARAM>(control.selection), 0);
        }
    }
    return TRUE;
}

double milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera{
        directory.path(), testing_support::EmulatedCameraLibrary::Journal::none};
    testing_support::ScriptedBoxes boxes;
    testing_support::RecordingHandOver handOver;
    window_logic::Session session;
    window_logic::Services services{camera, boxes, handOver, session, directory / "Language.ini"};
    camera.connectAndLogIn();
    session.connected = 1;
    session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
    const auto& edition = editions::edition(editions::kEnglish);

    const auto measure = [&](const char* what, auto makeWindow, double target) {
        const auto sample = makeWindow();
        sample->create();
        const win32::DialogTemplate bare = sample->buildTemplate();
        const Contents contents = Contents::of(*sample);
        std::vector<double> windows;
        std::vector<double> dialogs;
        for (int round = 0; round < kRounds; ++round) {
            windows.push_back(milliseconds([&] {
                const auto window = makeWindow();
                showAndClose(window->create());
            }));
            dialogs.push_back(milliseconds([&] {
                HWND dialog =
                    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), bare.get(), nullptr,
                                               &bareProcedure, reinterpret_cast<LPARAM>(&contents));
                showAndClose(dialog);
                DeleteObject(reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(
                    dialog, contents.controls.front().id, STM_GETIMAGE, IMAGE_BITMAP, 0)));
                DestroyWindow(dialog);
            }));
        }
        std::printf("%-20s %8.2f ms   bare dialog %8.2f ms\n", what, median(windows),
                    median(dialogs));
        return printRatio(what, median(windows), median(dialogs), target);
    };
    bool met = measure(
        "login window",
        [&] { return std::make_unique<win32::NativeLoginWindow>(edition, services); }, 1.1);
    met &= measure(
        "settings window",
        [&] { return std::make_unique<win32::NativeSettingsWindow>(edition, services); }, 1.1);
    return met ? 0 : 1;
}
