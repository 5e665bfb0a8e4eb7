#include <windows.h>

#include <vector>

#include "private_profile.h"
#include "utf8.h"

namespace platform {
namespace {

// The private-profile functions speak the ANSI code page; callers speak UTF-8.
std::string toAnsi(std::u16string_view wide) {
    if (wide.empty()) {
        return {};
    }
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    const auto length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, units, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string toAnsi(std::string_view text) {
    return toAnsi(fromUtf8(text).value_or(std::u16string()));
}

// The A functions take the path in the ANSI code page too.
std::string ansiPath(const std::filesystem::path& file) {
    return toAnsi(file.u16string());
}

std::string fromAnsi(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const auto length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(size), u'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                        size);
    return toUtf8(wide);
}

}  // namespace

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(
        toAnsi(section).c_str(), toAnsi(key).c_str(), toAnsi(defaultValue).c_str(), buffer.data(),
        static_cast<DWORD>(buffer.size()), ansiPath(file).c_str());
    return fromAnsi(std::string_view(buffer.data(), length));
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    if (!fromUtf8(section) || !fromUtf8(key) || !fromUtf8(value)) {
        return false;
    }
    return WritePrivateProfileStringA(toAnsi(section).c_str(), toAnsi(key).c_str(),
                                      toAnsi(value).c_str(), ansiPath(file).c_str()) != 0;
}

}  // namespace platform
