#include <windows.h>
// After windows.h, whose types it uses.
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <array>
#include <vector>

#include "append_file.h"
#include "owner_only_access_windows.h"
#include "system_error_windows.h"
#include "utf8.h"

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

std::string accountName(PSID sid) {
    std::array<wchar_t, 256> name{};
    std::array<wchar_t, 256> domain{};
    DWORD nameSize = static_cast<DWORD>(name.size());
    DWORD domainSize = static_cast<DWORD>(domain.size());
    SID_NAME_USE use{};
    if (LookupAccountSidW(nullptr, sid, name.data(), &nameSize, domain.data(), &domainSize, &use)) {
        const std::wstring account = std::wstring(domain.data()) + L"\\" + name.data();
        return toUtf8(std::u16string(account.begin(), account.end()));
    }
    wchar_t* text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) {
        return "an unknown account";
    }
    const std::wstring number(text);
    LocalFree(text);
    return toUtf8(std::u16string(number.begin(), number.end()));
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
    if (handle_ != nullptr) {
        CloseHandle(handle_);
        handle_ = nullptr;
    }
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

std::string AppendFile::foreignOwner() const {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(handle_, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<unsigned char> user;
    std::string foreign;
    if (!readUser(user) && !EqualSid(owner, reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid) &&
        !IsWellKnownSid(owner, WinBuiltinAdministratorsSid) &&
        !IsWellKnownSid(owner, WinLocalSystemSid)) {
        foreign = accountName(owner);
    }
    LocalFree(descriptor);
    return foreign;
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
    std::uint64_t size = 0;
    if (const auto error = this->size(size)) {
        return error;
    }
    const std::uint64_t start = size > limit ? size - limit : 0;
    tail.assign(static_cast<std::size_t>(size - start), '\0');
    return readAt(start, tail);
}

std::error_code AppendFile::readAt(std::uint64_t offset, std::string& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED at{};
        const auto position = static_cast<ULONGLONG>(offset + done);
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        DWORD read = 0;
        if (!ReadFile(handle_, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read,
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

std::error_code AppendFile::size(std::uint64_t& bytes) const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) {
        return lastWindowsError();
    }
    bytes = static_cast<std::uint64_t>(size.QuadPart);
    return {};
}

std::error_code AppendFile::readHead(std::size_t limit, std::string& head) const {
    std::uint64_t size = 0;
    if (const auto error = this->size(size)) {
        return error;
    }
    head.assign(static_cast<std::size_t>(std::min<std::uint64_t>(size, limit)), '\0');
    return readAt(0, head);
}

std::error_code AppendFile::copyTo(const std::filesystem::path& aside) const {
    OwnerOnlyAccess ownerOnly;
    if (ownerOnly.error()) {
        return ownerOnly.error();
    }
    std::uint64_t size = 0;
    if (const auto error = this->size(size)) {
        return error;
    }
    // Left by a copy that was killed: this one takes its place.
    auto temporary = aside;
    temporary += ".tmp";
    DeleteFileW(temporary.c_str());
    HANDLE copy =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, ownerOnly.attributes(), CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (copy == INVALID_HANDLE_VALUE) {
        return lastWindowsError();
    }
    std::error_code error;
    std::string chunk;
    for (std::uint64_t done = 0; !error && done < size; done += chunk.size()) {
        chunk.resize(static_cast<std::size_t>(std::min<std::uint64_t>(256 * 1024, size - done)));
        error = readAt(done, chunk);
        DWORD written = 0;
        if (!error &&
            !WriteFile(copy, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr)) {
            error = lastWindowsError();
        } else if (!error && written != chunk.size()) {
            error = std::make_error_code(std::errc::no_space_on_device);
        }
    }
    if (!error && !FlushFileBuffers(copy)) {
        error = lastWindowsError();
    }
    CloseHandle(copy);
    if (!error && !MoveFileExW(temporary.c_str(), aside.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = lastWindowsError();
    }
    if (error) {
        DeleteFileW(temporary.c_str());
    }
    return error;
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
