#include <windows.h>

#include "append_file.h"
#include "owner_only_access_windows.h"
#include "system_error_windows.h"

namespace platform {
namespace {

std::error_code makeFolders(const std::filesystem::path& folder, OwnerOnlyAccess& ownerOnly) {
    std::error_code ignored;
    if (folder.empty() || std::filesystem::is_directory(folder, ignored)) {
        return {};
    }
    if (folder.parent_path() != folder) {
        if (const auto error = makeFolders(folder.parent_path(), ownerOnly)) {
            return error;
        }
    }
    if (!CreateDirectoryW(folder.c_str(), ownerOnly.attributes()) &&
        GetLastError() != ERROR_ALREADY_EXISTS) {
        return lastWindowsError();
    }
    return {};
}

}  // namespace

std::error_code makeOwnerOnlyFolders(const std::filesystem::path& folder) {
    OwnerOnlyAccess folderOnly(OwnerOnlyAccess::Kind::folder);
    if (folderOnly.error()) {
        return folderOnly.error();
    }
    return makeFolders(folder, folderOnly);
}

AppendFile::~AppendFile() {
    if (handle_ != nullptr) {
        CloseHandle(handle_);
    }
}

// A new file and the folders made for it have access lists of their own, their owner's alone:
// a folder's list, on a share everyone's, is not the log's.
std::error_code AppendFile::open(const std::filesystem::path& file) {
    OwnerOnlyAccess folderOnly(OwnerOnlyAccess::Kind::folder);
    OwnerOnlyAccess ownerOnly;
    if (folderOnly.error() || ownerOnly.error()) {
        return folderOnly.error() ? folderOnly.error() : ownerOnly.error();
    }
    if (const auto error = makeFolders(file.parent_path(), folderOnly)) {
        return error;
    }
    // The link itself is opened, not what it points to, and refused.
    HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_WRITE | GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    ownerOnly.attributes(), OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return lastWindowsError();
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileInformationByHandle(handle, &information) &&
        (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        CloseHandle(handle);
        return std::make_error_code(std::errc::too_many_symbolic_link_levels);
    }
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return std::make_error_code(std::errc::invalid_argument);
    }
    handle_ = handle;
    return {};
}

std::error_code AppendFile::append(
    std::size_t tailLimit, const std::function<std::string(std::string_view tail)>& bytesAfter) {
    // Other processes append to a shared log too: each of their lines follows a whole one.
    OVERLAPPED whole{};
    if (!LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        return lastWindowsError();
    }
    std::string tail;
    auto error = readTail(tailLimit, tail);
    if (!error) {
        error = write(bytesAfter(tail));
    }
    UnlockFileEx(handle_, 0, MAXDWORD, MAXDWORD, &whole);
    return error;
}

std::error_code AppendFile::readTail(std::size_t limit, std::string& tail) const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) {
        return lastWindowsError();
    }
    const auto length = static_cast<std::size_t>(size.QuadPart);
    const std::size_t start = length > limit ? length - limit : 0;
    tail.assign(length - start, '\0');
    std::size_t done = 0;
    while (done < tail.size()) {
        OVERLAPPED at{};
        const auto offset = static_cast<ULONGLONG>(start + done);
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD read = 0;
        if (!ReadFile(handle_, tail.data() + done, static_cast<DWORD>(tail.size() - done), &read,
                      &at)) {
            return lastWindowsError();
        }
        if (read == 0) {
            return std::make_error_code(std::errc::io_error);
        }
        done += read;
    }
    return {};
}

std::error_code AppendFile::dropLast(std::size_t bytes) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) {
        return lastWindowsError();
    }
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size.QuadPart - static_cast<LONGLONG>(bytes);
    if (!SetFileInformationByHandle(handle_, FileEndOfFileInfo, &end, sizeof(end))) {
        return lastWindowsError();
    }
    return {};
}

// The handle writes where its pointer is: at the end, which other writers may have moved.
std::error_code AppendFile::write(std::string_view bytes) {
    if (!SetFilePointerEx(handle_, LARGE_INTEGER{}, nullptr, FILE_END)) {
        return lastWindowsError();
    }
    DWORD written = 0;
    if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        return lastWindowsError();
    }
    if (written != bytes.size()) {
        return std::make_error_code(std::errc::no_space_on_device);
    }
    if (!FlushFileBuffers(handle_)) {
        return lastWindowsError();
    }
    return {};
}

}  // namespace platform
