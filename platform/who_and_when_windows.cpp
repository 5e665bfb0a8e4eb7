#include <windows.h>

#include <array>
#include <cstdio>

#include "environment.h"
#include "utf8.h"
#include "who_and_when.h"

namespace platform {

Moment now() {
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04u-%02u-%02uT%02u:%02u:%02uZ", utc.wYear, utc.wMonth,
                  utc.wDay, utc.wHour, utc.wMinute, utc.wSecond);
    TIME_ZONE_INFORMATION zone{};
    const DWORD kind = GetTimeZoneInformation(&zone);
    // The bias is what UTC is ahead of local time, in minutes.
    long bias = zone.Bias + (kind == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias);
    const char sign = bias > 0 ? '-' : '+';
    bias = (bias < 0 ? -bias : bias) % (24 * 60);
    std::array<char, 8> offset{};
    std::snprintf(offset.data(), offset.size(), "%c%02d:%02d", sign, static_cast<int>(bias / 60),
                  static_cast<int>(bias % 60));
    return {text.data(), offset.data()};
}

std::string userName() {
    std::array<wchar_t, 257> name{};
    DWORD size = static_cast<DWORD>(name.size());
    if (!GetUserNameW(name.data(), &size)) {
        return {};
    }
    return toUtf8(std::u16string(reinterpret_cast<const char16_t*>(name.data())));
}

std::string hostName() {
    std::array<wchar_t, MAX_COMPUTERNAME_LENGTH + 1> name{};
    DWORD size = static_cast<DWORD>(name.size());
    if (!GetComputerNameW(name.data(), &size)) {
        return {};
    }
    return toUtf8(std::u16string(reinterpret_cast<const char16_t*>(name.data()), size));
}

std::filesystem::path userStateFolder() {
    if (const auto local = environmentText("LOCALAPPDATA"); local && !local->empty()) {
        return pathFromUtf8(*local);
    }
    return ".";
}

}  // namespace platform
