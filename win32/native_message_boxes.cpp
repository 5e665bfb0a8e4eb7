#include "native_message_boxes.h"

#include <windows.h>

#include "wide_text.h"

namespace win32 {
namespace {

constexpr WORD kEnglishUnitedStates = 1033;

// The hook procedure has no place for state of its own: the one installed hook's handle. Boxes
// run on the window thread alone.
thread_local HHOOK relabelHook = nullptr;

LRESULT CALLBACK relabelButtons(int code, WPARAM wParam, LPARAM /*lParam*/) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        // "ОК" in Cyrillic letters. A button the box lacks is skipped.
        SetDlgItemTextW(box, IDYES, L"YES");
        SetDlgItemTextW(box, IDNO, L"NO");
        SetDlgItemTextW(box, IDOK, L"\u041E\u041A");
        SetDlgItemTextW(box, IDCANCEL, L"CANCEL");
        UnhookWindowsHookEx(relabelHook);
        relabelHook = nullptr;
    }
    return 0;
}

}  // namespace

window_logic::MessageBoxButton NativeMessageBoxes::show(std::string_view text,
                                                        std::string_view caption,
                                                        window_logic::MessageBoxStyle style) {
    return static_cast<window_logic::MessageBoxButton>(
        MessageBoxExW(nullptr, wide(text).c_str(), wide(caption).c_str(), static_cast<UINT>(style),
                      kEnglishUnitedStates));
}

void NativeMessageBoxes::relabelNextBox() {
    if (relabelHook == nullptr) {
        relabelHook = SetWindowsHookExW(WH_CBT, &relabelButtons, nullptr, GetCurrentThreadId());
    }
}

}  // namespace win32
