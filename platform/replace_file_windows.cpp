#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>

#include "owner_only_access_windows.h"
#include "replace_file.h"
#include "system_error_windows.h"

namespace platform {
namespace {

constexpr std::wstring_view kTemporaryMark = L".new-";
// Long enough that no live writer is still busy with its temporary.
constexpr auto kStaleAge = std::chrono::minutes(1);

std::error_code writeAll(HANDLE handle, std::string_view text) {
    while (!text.empty()) {
        DWORD written = 0;
        if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
            return lastWindowsError();
        }
        if (written == 0) {
            return std::make_error_code(std::errc::no_space_on_device);
        }
        text.remove_prefix(written);
    }
    return {};
}

// A writer killed between creating its temporary and renaming it leaves the temporary behind.
void removeStaleTemporaries(const std::filesystem::path& target) {
    const auto folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::wstring prefix = target.filename().wstring() + std::wstring(kTemporaryMark);
    const auto staleBefore = std::filesystem::file_time_type::clock::now() - kStaleAge;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().filename().wstring().starts_with(prefix) && entry.is_regular_file(error) &&
            entry.last_write_time(error) < staleBefore) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

HANDLE createBeside(const std::filesystem::path& target, SECURITY_ATTRIBUTES* security,
                    std::wstring& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.wstring() + std::wstring(kTemporaryMark) +
               std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
        const HANDLE handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, security, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return handle;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// Writes into what is there: a file where the folder takes no new one, or a device.
std::error_code writeInPlace(const std::filesystem::path& file, std::string_view content,
                             bool truncate) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return lastWindowsError();
    }
    auto error = writeAll(handle, content);
    if (!error && truncate && (!SetEndOfFile(handle) || !FlushFileBuffers(handle))) {
        error = lastWindowsError();
    }
    CloseHandle(handle);
    return error;
}

}  // namespace

// A file with secrets is made with an access list of its own, its owner's alone: the folder's
// may let others read it. Renamed over the old file, it keeps that list.
std::error_code replaceFile(const std::filesystem::path& file, std::string_view content,
                            Replacement how) {
    std::error_code ignored;
    const auto status = std::filesystem::status(file, ignored);
    if (std::filesystem::is_directory(status)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return writeInPlace(file, content, false);
    }
    // A link is followed and kept: its target is what gets replaced.
    std::error_code linkError;
    const auto target =
        std::filesystem::is_symlink(std::filesystem::symlink_status(file, linkError))
            ? std::filesystem::canonical(file, linkError)
            : file;
    if (linkError && linkError != std::errc::no_such_file_or_directory) {
        return withUtf8Message(linkError);
    }
    removeStaleTemporaries(target);
    const bool exists = std::filesystem::exists(status);
    OwnerOnlyAccess ownerOnly;
    if (how.ownerOnly && ownerOnly.error()) {
        return ownerOnly.error();
    }
    std::wstring temporary;
    const HANDLE handle =
        createBeside(target, how.ownerOnly ? ownerOnly.attributes() : nullptr, temporary);
    if (handle == INVALID_HANDLE_VALUE) {
        const auto created = lastWindowsError();
        return exists && GetLastError() == ERROR_ACCESS_DENIED && how.inPlaceWhereFolderRefuses
                   ? writeInPlace(target, content, true)
                   : created;
    }
    auto error = writeAll(handle, content);
    if (!error && !FlushFileBuffers(handle)) {
        error = lastWindowsError();
    }
    CloseHandle(handle);
    if (!error && !MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = lastWindowsError();
    }
    if (error) {
        DeleteFileW(temporary.c_str());
    }
    return error;
}

}  // namespace platform
