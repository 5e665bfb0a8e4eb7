#pragma once

#include <windows.h>

#include <system_error>

namespace platform {

// An error of the platform's functions by its number, whose message is UTF-8 like the rest of the
// program's text; the standard library's system category words it in the ANSI code page. It
// compares with std::errc values as that category does.
std::error_code windowsError(DWORD number);

// The calling thread's last error (GetLastError) as above.
std::error_code lastWindowsError();

// An error from the standard library (std::filesystem) with its message in UTF-8 too.
std::error_code withUtf8Message(std::error_code error);

}  // namespace platform
