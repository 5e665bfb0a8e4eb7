#pragma once

#include <windows.h>

namespace win32 {

// Gives the window the program's icon for its title bar (small) and the task switcher (large),
// from the executable's icon resource 1; a program without one leaves its windows without.
void showProgramIcon(HWND window);

}  // namespace win32
