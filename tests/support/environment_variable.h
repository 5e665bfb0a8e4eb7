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

}  // namespace testing_support
