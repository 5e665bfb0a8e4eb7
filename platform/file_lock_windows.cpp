#include <windows.h>

#include <system_error>

#include "file_lock.h"
#include "system_error_windows.h"

namespace platform {

FileLock::~FileLock() {
    release();
}

std::optional<std::string> FileLock::take(const std::filesystem::path& file,
                                          std::chrono::milliseconds patience) {
    release();
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return "cannot be opened: " + lastWindowsError().message();
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        OVERLAPPED whole{};
        if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                       MAXDWORD, &whole)) {
            break;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_LOCK_VIOLATION && std::chrono::steady_clock::now() < deadline) {
            Sleep(10);
            continue;
        }
        CloseHandle(handle);
        return error == ERROR_LOCK_VIOLATION
                   ? std::string("cannot be locked: another process holds it")
                   : "cannot be locked: " + windowsError(error).message();
    }
    handle_ = handle;
    return std::nullopt;
}

void FileLock::release() {
    if (handle_ != nullptr) {
        // Closing the handle ends its lock.
        CloseHandle(static_cast<HANDLE>(handle_));
        handle_ = nullptr;
    }
}

bool FileLock::held() const {
    return handle_ != nullptr;
}

}  // namespace platform
