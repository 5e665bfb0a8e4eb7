#include "environment_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void set(const char* name, const char* value) {
    if (value == nullptr) {
        ::unsetenv(name);
    } else {
        ::setenv(name, value, 1);
    }
}

TEST(EnvironmentPaths, StateFileComesFromTheVariableOrElseTheXdgStateDirectory) {
    const struct {
        const char* stateVariable;
        const char* xdgStateHome;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/tmp/camera.ini", "/xdg", "/home/a", "/tmp/camera.ini"},
        {nullptr, "/xdg", "/home/a", "/xdg/k47_4g_pc/camera.ini"},
        {"", "/xdg", "/home/a", "/xdg/k47_4g_pc/camera.ini"},
        {nullptr, nullptr, "/home/a", "/home/a/.local/state/k47_4g_pc/camera.ini"},
        // The XDG rules ignore a relative directory.
        {nullptr, "relative", "/home/a", "/home/a/.local/state/k47_4g_pc/camera.ini"},
    };
    for (const auto& c : cases) {
        set("K47_CAMERA_STATE", c.stateVariable);
        set("XDG_STATE_HOME", c.xdgStateHome);
        set("HOME", c.home);
        EXPECT_EQ(k47::stateFilePath(), c.expected);
    }
}

}  // namespace
