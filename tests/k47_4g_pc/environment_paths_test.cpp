#include "environment_paths.h"

#include <gtest/gtest.h>

#include "environment_variable.h"

namespace {

// An absolute path needs a drive on Windows.
#ifdef _WIN32
#define ROOT "C:"
#else
#define ROOT ""
#endif

void set(const char* name, const char* value) {
    testing_support::setOrRemoveEnvironmentVariable(name, value);
}

TEST(EnvironmentPaths, StateFileComesFromTheVariableOrElseTheXdgStateDirectory) {
    const struct {
        const char* stateVariable;
        const char* xdgStateHome;
        const char* home;
        // UTF-8 on every system; a plain string would be another code page's on Windows.
        const char8_t* expected;
    } cases[] = {
        {ROOT "/tmp/camera.ini", ROOT "/xdg", ROOT "/home/a", u8"" ROOT "/tmp/camera.ini"},
        // Letters beyond ASCII and beyond the ANSI code page name the same file.
        {ROOT "/tmp/камера-café.ini", ROOT "/xdg", ROOT "/home/a",
         u8"" ROOT "/tmp/камера-café.ini"},
        {nullptr, ROOT "/xdg", ROOT "/home/a", u8"" ROOT "/xdg/k47_4g_pc/camera.ini"},
        {"", ROOT "/xdg", ROOT "/home/a", u8"" ROOT "/xdg/k47_4g_pc/camera.ini"},
        {nullptr, nullptr, ROOT "/home/a", u8"" ROOT "/home/a/.local/state/k47_4g_pc/camera.ini"},
        // The XDG rules ignore a relative directory.
        {nullptr, "relative", ROOT "/home/a",
         u8"" ROOT "/home/a/.local/state/k47_4g_pc/camera.ini"},
    };
    for (const auto& c : cases) {
        set("K47_CAMERA_STATE", c.stateVariable);
        set("XDG_STATE_HOME", c.xdgStateHome);
        set("HOME", c.home);
        EXPECT_EQ(k47::stateFilePath(), std::filesystem::path(c.expected));
    }
}

}  // namespace
