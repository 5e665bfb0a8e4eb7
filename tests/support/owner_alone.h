#pragma once

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types they use.
#include <aclapi.h>
#include <sddl.h>

#include <vector>
#else
#include <sys/stat.h>
#endif

namespace testing_support {

// Whether the file or folder is its owner's alone: mode 0600 (a folder 0700) on Linux; on Windows
// an access list that lets the process's user read and write it and nobody else do anything.
// Wine derives the list it reports from the file's mode, and adds the system account, which any
// Windows lets in.
inline bool ownerAlone(const std::filesystem::path& path) {
#ifdef _WIN32
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> user(size);
    GetTokenInformation(token, TokenUser, user.data(), size, &size);
    CloseHandle(token);
    const PSID self = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
    PSID system = nullptr;
    ConvertStringSidToSidW(L"SY", &system);

    ACL* list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &list, nullptr, &descriptor) != ERROR_SUCCESS ||
        list == nullptr) {
        LocalFree(system);
        return false;
    }
    bool ownerReadsAndWrites = false;
    bool othersKeptOut = true;
    for (DWORD i = 0; i < list->AceCount; ++i) {
        ACE_HEADER* header = nullptr;
        GetAce(list, i, reinterpret_cast<void**>(&header));
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) {
            continue;
        }
        auto* allowed = reinterpret_cast<ACCESS_ALLOWED_ACE*>(header);
        const PSID trustee = &allowed->SidStart;
        const ACCESS_MASK readWrite = FILE_GENERIC_READ | FILE_GENERIC_WRITE;
        if (EqualSid(trustee, self)) {
            ownerReadsAndWrites = (allowed->Mask & readWrite) == readWrite;
        } else if (!EqualSid(trustee, system)) {
            othersKeptOut = false;
        }
    }
    LocalFree(descriptor);
    LocalFree(system);
    return ownerReadsAndWrites && othersKeptOut;
#else
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 &&
           (status.st_mode & 0777) == (S_ISDIR(status.st_mode) ? 0700u : 0600u);
#endif
}

}  // namespace testing_support
