#include "owner_only_access_windows.h"
#include "system_error_windows.h"

namespace platform {

std::error_code readUser(std::vector<unsigned char>& user) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return lastWindowsError();
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    user.assign(size, 0);
    const bool read = GetTokenInformation(token, TokenUser, user.data(), size, &size) != 0;
    const auto error = read ? std::error_code() : lastWindowsError();
    CloseHandle(token);
    return error;
}

OwnerOnlyAccess::OwnerOnlyAccess(Kind kind) : error_(make(kind)) {}

std::error_code OwnerOnlyAccess::make(Kind kind) {
    if (const auto error = readUser(user_)) {
        return error;
    }
    const PSID sid = reinterpret_cast<TOKEN_USER*>(user_.data())->User.Sid;
    const DWORD listSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
    list_.assign(listSize, 0);
    auto* list = reinterpret_cast<ACL*>(list_.data());
    // A folder hands its list on to what is made in it, as 0700 keeps others out of all of it.
    const DWORD inheritance = kind == Kind::folder ? OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE : 0;
    if (!InitializeAcl(list, listSize, ACL_REVISION) ||
        !AddAccessAllowedAceEx(list, ACL_REVISION, inheritance, FILE_ALL_ACCESS, sid) ||
        !InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor_, TRUE, list, FALSE) ||
        !SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED)) {
        return lastWindowsError();
    }
    attributes_ = {sizeof attributes_, &descriptor_, FALSE};
    return {};
}

}  // namespace platform
