#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cwctype>
#include <random>

#include "owner_only_access_windows.h"
#include "system_error_windows.h"
#include "whole_file.h"

namespace platform {
namespace {

constexpr std::wstring_view kTemporaryInfix = L".tmp-";
constexpr std::size_t kTemporaryRandomLength = 6;
constexpr auto kStaleTemporaryAge = std::chrono::minutes(1);

std::string unreadable(std::error_code error) {
    return "it cannot be read: " + error.message();
}

bool writeAll(HANDLE handle, std::string_view text) {
    while (!text.empty()) {
        DWORD written = 0;
        if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written == 0) {
            return false;
        }
        text.remove_prefix(written);
    }
    return true;
}

bool isTemporaryName(std::wstring_view name, std::wstring_view prefix) {
    return name.size() == prefix.size() + kTemporaryRandomLength && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](wchar_t character) { return std::iswalnum(character) != 0; });
}

void removeStaleTemporaries(const std::filesystem::path& file) {
    const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const std::wstring prefix = file.filename().wstring() + std::wstring(kTemporaryInfix);
    const auto staleBefore = std::filesystem::file_time_type::clock::now() - kStaleTemporaryAge;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (isTemporaryName(entry.path().filename().wstring(), prefix) &&
            entry.is_regular_file(error) && entry.last_write_time(error) < staleBefore) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

HANDLE createTemporary(const std::filesystem::path& file, SECURITY_ATTRIBUTES* security,
                       std::wstring& name) {
    constexpr std::wstring_view kLetters =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::minstd_rand random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = file.wstring() + std::wstring(kTemporaryInfix);
        for (std::size_t i = 0; i < kTemporaryRandomLength; ++i) {
            name += kLetters[pick(random)];
        }
        const HANDLE handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, security, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return handle;
        }
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

WholeFile readInChunks(const std::filesystem::path& file,
                       const std::function<bool(std::string_view chunk)>& take) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {WholeFile::Kind::missing, {}, {}};
    }
    if (std::filesystem::is_directory(status)) {
        return {WholeFile::Kind::unusable, {}, "it is a directory, not a regular file"};
    }
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const auto opening = lastWindowsError();
        if (opening.value() == ERROR_FILE_NOT_FOUND || opening.value() == ERROR_PATH_NOT_FOUND) {
            return {WholeFile::Kind::missing, {}, {}};
        }
        return {WholeFile::Kind::unusable, {}, unreadable(opening)};
    }
    WholeFile whole{WholeFile::Kind::text, {}, {}};
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        whole = {WholeFile::Kind::unusable, {}, "it is a device, not a regular file"};
    }
    std::array<char, 64 * 1024> buffer;
    while (whole.kind == WholeFile::Kind::text) {
        DWORD count = 0;
        if (!ReadFile(handle, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr)) {
            whole = {WholeFile::Kind::unusable, {}, unreadable(lastWindowsError())};
        }
        if (count == 0 || !take(std::string_view(buffer.data(), count))) {
            break;
        }
    }
    CloseHandle(handle);
    return whole;
}

// The new file has an access list of its own, its owner's alone, whatever its folder's lets
// others do; it takes its owner from the process that makes it.
std::error_code replacePrivateFile(const std::filesystem::path& file, std::string_view content,
                                   const std::filesystem::path&) {
    OwnerOnlyAccess ownerOnly;
    if (ownerOnly.error()) {
        return ownerOnly.error();
    }
    removeStaleTemporaries(file);
    std::wstring temporary;
    const HANDLE handle = createTemporary(file, ownerOnly.attributes(), temporary);
    if (handle == INVALID_HANDLE_VALUE) {
        return lastWindowsError();
    }
    std::error_code error;
    if (!writeAll(handle, content)) {
        error = lastWindowsError();
    }
    CloseHandle(handle);
    if (!error && !MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        error = lastWindowsError();
    }
    if (error) {
        DeleteFileW(temporary.c_str());
    }
    return error;
}

std::error_code renameWithoutReplacing(const std::filesystem::path& from,
                                       const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), 0)) {
        return {};
    }
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS
               ? std::make_error_code(std::errc::file_exists)
               : windowsError(error);
}

std::error_code appendInOneWrite(const std::filesystem::path& file, std::string_view text) {
    OwnerOnlyAccess ownerOnly;
    if (ownerOnly.error()) {
        return ownerOnly.error();
    }
    // Append-only access makes every write go to the file's end, also with other writers.
    const HANDLE handle =
        CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    ownerOnly.attributes(), OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return lastWindowsError();
    }
    DWORD written = 0;
    std::error_code error;
    if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
        error = lastWindowsError();
    } else if (written != text.size()) {
        error = std::make_error_code(std::errc::no_space_on_device);
    }
    CloseHandle(handle);
    return error;
}

}  // namespace platform
