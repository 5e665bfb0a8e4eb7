#include <windows.h>

#include <vector>

#include "private_profile.h"
#include "utf8.h"

namespace platform {
namespace {

// The wide functions, so that the file's name and the values keep every character; the platform
// reads a file without a byte-order mark in the ANSI code page.
std::wstring wide(std::string_view text) {
    const auto units = fromUtf8(text).value_or(std::u16string());
    return std::wstring(units.begin(), units.end());
}

}  // namespace

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    std::vector<wchar_t> buffer(bufferSize, L'\0');
    const DWORD length = GetPrivateProfileStringW(wide(section).c_str(), wide(key).c_str(),
                                                  wide(defaultValue).c_str(), buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    return toUtf8(std::u16string(buffer.begin(), buffer.begin() + length));
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    if (!fromUtf8(section) || !fromUtf8(key) || !fromUtf8(value)) {
        return false;
    }
    return WritePrivateProfileStringW(wide(section).c_str(), wide(key).c_str(), wide(value).c_str(),
                                      file.c_str()) != 0;
}

}  // namespace platform
