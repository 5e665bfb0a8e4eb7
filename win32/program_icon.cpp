#include "program_icon.h"

namespace win32 {

// A dialog's class has no icon: without these the window system shows a generic one.
void showProgramIcon(HWND window) {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    const struct {
        WPARAM which;
        int width;
        int height;
    } sizes[] = {{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}, {ICON_BIG, SM_CXICON, SM_CYICON}};
    for (const auto& size : sizes) {
        // A shared icon belongs to the process: none needs destroying with the window.
        HANDLE icon =
            LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(size.width),
                       GetSystemMetrics(size.height), LR_SHARED);
        SendMessageW(window, WM_SETICON, size.which, reinterpret_cast<LPARAM>(icon));
    }
}

}  // namespace win32
