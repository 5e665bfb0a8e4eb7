// The built camera library, as the program and any replacement library meet it.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "temporary_directory.h"

namespace {

const std::set<std::string> kLibraryFunctions = {
    "Init_Device",
    "Qumat_Login",
    "Qumat_Get4GDevOrNot",
    "GetZFYInfo",
    "WriteZFYInfo",
    "Qumat_GetNetConfig",
    "Qumat_SetNetConfig",
    "Qumat_ApnUser",
    "Qumat_ApnPsw",
    "Qumat_SN_Info",
    "Qumat_GetMenuConfig",
    "Qumat_SetMenuConfig",
    "Qumat_GetPsw",
    "Qumat_ChangePsw",
    "Qumat_GetTFVol",
    "Qumat_GetFwVersion",
    "ReadDeviceResolution",
    "SyncDevTime",
    "SetMSDC",
    "Qumat_FormatTFCard",
    "Qumat_SetDefault",
};

std::string commandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    ::pclose(pipe);
    return output;
}

TEST(CameraLibraryExports, DynamicSymbolTableHoldsTheTwentyOneFunctionsAndNothingElse) {
    std::istringstream lines(commandOutput("nm -D --defined-only '" K47_LIBRARY_PATH "'"));
    std::set<std::string> functions;
    std::set<std::string> others;
    std::string address;
    std::string type;
    std::string name;
    while (lines >> address >> type >> name) {
        (type == "T" ? functions : others).insert(name);
    }
    EXPECT_EQ(functions, kLibraryFunctions);
    EXPECT_TRUE(others.empty()) << *others.begin();
}

TEST(CameraLibraryExports, FunctionsServeTheCameraOfTheStateFileTheEnvironmentNames) {
    testing_support::TemporaryDirectory directory;
    const auto stateFile = directory / "state" / "camera.ini";
    const auto journalFile = directory / "journal.txt";
    ::setenv("K47_CAMERA_STATE", stateFile.c_str(), 1);
    ::setenv("K47_CAMERA_JOURNAL", journalFile.c_str(), 1);

    void* library = ::dlopen(K47_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << ::dlerror();
    using Connect = void (*)(uint8_t*, int32_t*);
    using LogIn = void (*)(int32_t, const char*, int32_t*);
    using GetText = void (*)(char*, int32_t*);
    const auto initDevice = reinterpret_cast<Connect>(::dlsym(library, "Init_Device"));
    const auto login = reinterpret_cast<LogIn>(::dlsym(library, "Qumat_Login"));
    const auto getFirmware = reinterpret_cast<GetText>(::dlsym(library, "Qumat_GetFwVersion"));
    ASSERT_TRUE(initDevice && login && getFirmware);

    uint8_t buffer[6] = {};
    int32_t connected = 0;
    initDevice(buffer, &connected);
    int32_t loggedIn = 0;
    login(0, "000000", &loggedIn);
    char firmware[64] = {};
    int32_t read = 0;
    getFirmware(firmware, &read);
    ::dlclose(library);

    EXPECT_EQ(connected, 1);
    EXPECT_EQ(loggedIn, 1);
    EXPECT_EQ(read, 1);
    EXPECT_NE(firmware[0], '\0');
    struct stat status {};
    ASSERT_EQ(::stat(stateFile.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    std::ifstream journal(journalFile);
    std::string first;
    std::getline(journal, first);
    EXPECT_EQ(first, "Init_Device buffer=[00 00 00 00 00 00] flag=1");
}

}  // namespace
