#include <windows.h>

#include "environment.h"
#include "utf8.h"

namespace platform {

std::optional<std::string> environmentText(const char* name) {
    std::wstring wideName;
    for (const char* c = name; *c != '\0'; ++c) {
        wideName.push_back(static_cast<unsigned char>(*c));
    }
    // The size with the terminating zero, then the length without it; a variable that grew in
    // between (another thread) is read again.
    std::wstring value(64, L'\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                     static_cast<DWORD>(value.size()));
        if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
            return std::nullopt;
        }
        if (length < value.size()) {
            value.resize(length);
            break;
        }
        value.assign(length, L'\0');
    }
    return toUtf8(std::u16string(value.begin(), value.end()));
}

// Bytes that are not UTF-8 become U+FFFD: such a name cannot come from the wide command line or
// environment, and names no file there.
std::filesystem::path pathFromUtf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const auto length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), size);
    return std::filesystem::path(std::move(wide));
}

}  // namespace platform
