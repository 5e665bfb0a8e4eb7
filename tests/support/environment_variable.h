#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace testing_support {

#ifdef _WIN32
// The program reads the environment in UTF-16, as Windows keeps it: a UTF-8 value is set so.
inline std::wstring wideText(const char* text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), size);
    wide.pop_back();
    return wide;
}
#endif

// Sets the variable, or removes it for nullptr. On Windows an empty value removes it too.
inline void setOrRemoveEnvironmentVariable(const char* name, const char* value) {
#ifdef _WIN32
    const bool remove = value == nullptr || *value == '\0';
    SetEnvironmentVariableW(wideText(name).c_str(), remove ? nullptr : wideText(value).c_str());
#else
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
#endif
}

// Sets a variable of this process's environment to UTF-8 text, on Linux and on Windows alike.
inline void setEnvironmentVariable(const char* name, const char* value) {
    setOrRemoveEnvironmentVariable(name, value);
}

// Sets a variable while it lives, then gives back the value it had, or none.
class ScopedEnvironmentVariable {
  public:
    ScopedEnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* before = std::getenv(name)) {
            before_ = before;
        }
        setOrRemoveEnvironmentVariable(name, value);
    }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;
    ~ScopedEnvironmentVariable() {
        setOrRemoveEnvironmentVariable(name_, before_ ? before_->c_str() : nullptr);
    }

  private:
    const char* name_;
    std::optional<std::string> before_;
};

}  // namespace testing_support
