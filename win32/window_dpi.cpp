#include "window_dpi.h"

namespace win32 {
namespace {

// Null where this Windows lacks the call.
template <typename Function>
Function user32(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT dpiOf(HWND window) {
    if (const auto function = user32<UINT(WINAPI*)(HWND)>("GetDpiForWindow")) {
        return function(window);
    }
    HDC context = GetDC(window);
    const int dpi = GetDeviceCaps(context, LOGPIXELSY);
    ReleaseDC(window, context);
    return static_cast<UINT>(dpi);
}

int systemMetricAt(int index, UINT dpi) {
    if (const auto function = user32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi")) {
        return function(index, dpi);
    }
    return GetSystemMetrics(index);
}

SIZE frameAt(HWND window, UINT dpi) {
    // Whatever the style says, scroll bars do not count in the frame here.
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    RECT frame{0, 0, 0, 0};
    if (const auto function =
            user32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi")) {
        function(&frame, style, FALSE, extendedStyle, dpi);
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void leaveDpiChangesToDialog(HWND dialog) {
    // Windows 10 from version 1703 on; Wine has no such behaviour to turn off.
    using Behaviours = DIALOG_DPI_CHANGE_BEHAVIORS;
    if (const auto function =
            user32<BOOL(WINAPI*)(HWND, Behaviours, Behaviours)>("SetDialogDpiChangeBehavior")) {
        function(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    }
}

}  // namespace win32
