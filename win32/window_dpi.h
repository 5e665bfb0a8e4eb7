#pragma once

#include <windows.h>

namespace win32 {

// What a window needs of the DPI it is drawn at. Windows 8.1 and the first Windows 10 lack the
// calls that take a DPI: there each answers for the system's, the DPI a window is made at there.

UINT dpiOf(HWND window);

// A size of the window system's (SM_CXVSCROLL, ...) at a DPI.
int systemMetricAt(int index, UINT dpi);

// The size the window's frame, title bar included, adds to its client at a DPI.
SIZE frameAt(HWND window, UINT dpi);

// Windows' dialog manager resizes a dialog and its controls itself at a new DPI unless told not to;
// a dialog that does so itself tells it.
void leaveDpiChangesToDialog(HWND dialog);

}  // namespace win32
