#pragma once

#include <cstdlib>

namespace testing_support {

// Sets a variable of this process's environment, on Linux and on Windows alike.
inline void setEnvironmentVariable(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

// Sets the variable, or removes it for nullptr. On Windows an empty value removes it too.
inline void setOrRemoveEnvironmentVariable(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value != nullptr ? value : "");
#else
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
#endif
}

}  // namespace testing_support
