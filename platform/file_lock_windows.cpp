#include <windows.h>

#include <string>
#include <system_error>

#include "file_lock.h"
#include "system_error_windows.h"

namespace platform {
namespace {

// The lock covers one byte far past the holder's process id: a Windows lock keeps every other
// handle from reading the bytes it covers.
OVERLAPPED lockedByte() {
    OVERLAPPED at{};
    at.OffsetHigh = 1;
    return at;
}

}  // namespace

FileLock::~FileLock() {
    release();
}

std::optional<LockRefusal> FileLock::lock(const std::filesystem::path& file, bool writable,
                                          std::chrono::milliseconds patience) {
    release();
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | (writable ? GENERIC_WRITE : 0),
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return LockRefusal{false, "cannot be opened: " + lastWindowsError().message()};
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        OVERLAPPED at = lockedByte();
        if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
            break;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_LOCK_VIOLATION && std::chrono::steady_clock::now() < deadline) {
            Sleep(10);
            continue;
        }
        CloseHandle(handle);
        return error == ERROR_LOCK_VIOLATION
                   ? LockRefusal{true, "cannot be locked: another process holds it"}
                   : LockRefusal{false, "cannot be locked: " + windowsError(error).message()};
    }
    handle_ = handle;
    return std::nullopt;
}

std::optional<LockRefusal> FileLock::takeNamed(const std::filesystem::path& file,
                                               std::chrono::milliseconds patience) {
    if (auto refusal = lock(file, true, patience)) {
        return refusal;
    }
    const std::string id = std::to_string(GetCurrentProcessId());
    const HANDLE handle = static_cast<HANDLE>(handle_);
    DWORD written = 0;
    const bool wrote =
        SetFilePointerEx(handle, LARGE_INTEGER{}, nullptr, FILE_BEGIN) && SetEndOfFile(handle) &&
        WriteFile(handle, id.data(), static_cast<DWORD>(id.size()), &written, nullptr);
    if (!wrote || written != id.size()) {
        // A short write has no error of its own: only a full disk cuts a few bytes short.
        const auto error = wrote ? windowsError(ERROR_DISK_FULL) : lastWindowsError();
        release();
        return LockRefusal{false, "cannot be written: " + error.message()};
    }
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
