#include <windows.h>

#include <array>
#include <system_error>

#include "limited_read.h"
#include "system_error_windows.h"

namespace platform {
namespace {

std::string lastError() {
    return lastWindowsError().message();
}

}  // namespace

LimitedRead readLimited(const std::filesystem::path& file, std::size_t limit, bool firstLineOnly) {
    // Looked at before it is opened: opening a device may already do something.
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {{}, lastError()};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {{}, windowsError(ERROR_DIRECTORY).message()};
    }
    const HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {{}, lastError()};
    }
    LimitedRead result{.bytes = {}, .error = {}, .empty = true};
    const DWORD type = GetFileType(handle);
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE) {
        result.error = "not a regular file or a pipe";
    }
    std::array<char, 4096> chunk;
    while (!result.error) {
        DWORD count = 0;
        if (!ReadFile(handle, chunk.data(), static_cast<DWORD>(chunk.size()), &count, nullptr)) {
            // A pipe whose writer is gone has simply ended.
            if (GetLastError() != ERROR_BROKEN_PIPE) {
                result.error = lastError();
            }
            break;
        }
        if (count == 0) {
            break;
        }
        result.bytes.append(chunk.data(), count);
        result.empty = false;
        const auto lineEnd = firstLineOnly ? result.bytes.find_first_of("\r\n") : std::string::npos;
        if (lineEnd != std::string::npos) {
            result.bytes.resize(lineEnd);
            break;
        }
        if (result.bytes.size() > limit) {
            break;
        }
    }
    CloseHandle(handle);
    if (!result.error && result.bytes.size() > limit) {
        result.error = tooLarge(limit, firstLineOnly);
    }
    if (result.error) {
        result.bytes.clear();
    }
    return result;
}

}  // namespace platform
