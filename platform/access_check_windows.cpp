#include <windows.h>

#include <string>

#include "access_check.h"
#include "system_error_windows.h"

namespace platform {
namespace {

// Only the file system says what an access list and a read-only attribute or disk allow together:
// the answer is an attempt.
std::optional<std::string> refusalOfOpening(const std::filesystem::path& file, DWORD access,
                                            DWORD creation, DWORD flags) {
    HANDLE handle =
        CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, creation, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return lastWindowsError().message();
    }
    CloseHandle(handle);
    return std::nullopt;
}

}  // namespace

// A file of its own that is gone again when it is closed.
std::optional<std::string> folderWriteRefusal(const std::filesystem::path& folder) {
    const auto probe = folder / (L".qumat-write-check-" + std::to_wstring(GetCurrentProcessId()));
    return refusalOfOpening(probe, GENERIC_WRITE, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
}

std::optional<std::string> readWriteRefusal(const std::filesystem::path& file) {
    return refusalOfOpening(file, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL);
}

}  // namespace platform
