#include "system_error_windows.h"

#include <string>

#include "utf8.h"

namespace platform {
namespace {

class WindowsErrorCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "windows"; }

    std::string message(int number) const override {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(number), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (length == 0) {
            return "error " + std::to_string(number);
        }
        std::u16string message(text, text + length);
        LocalFree(text);
        // The message is a sentence of its own ("Access denied.\r\n"); it goes after a colon.
        while (!message.empty() &&
               std::u16string_view(u"\r\n .").find(message.back()) != std::u16string_view::npos) {
            message.pop_back();
        }
        return toUtf8(message);
    }

    std::error_condition default_error_condition(int number) const noexcept override {
        return std::system_category().default_error_condition(number);
    }
};

const WindowsErrorCategory& windowsCategory() {
    static const WindowsErrorCategory category;
    return category;
}

}  // namespace

std::error_code windowsError(DWORD number) {
    return {static_cast<int>(number), windowsCategory()};
}

std::error_code lastWindowsError() {
    return windowsError(GetLastError());
}

std::error_code withUtf8Message(std::error_code error) {
    return error.category() == std::system_category()
               ? windowsError(static_cast<DWORD>(error.value()))
               : error;
}

}  // namespace platform
