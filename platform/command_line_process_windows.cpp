#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <cstdio>
#include <iostream>

#include "command_line_process.h"
#include "utf8.h"

namespace platform {
namespace {

// A console keeps its mode after the process ends: the handler puts it back on Ctrl-C and
// Ctrl-Break, and the default handler then ends the process.
HANDLE input = INVALID_HANDLE_VALUE;
DWORD savedMode = 0;

BOOL WINAPI restoreOnBreak(DWORD) {
    SetConsoleMode(input, savedMode);
    return FALSE;
}

class EchoOff {
  public:
    EchoOff() {
        input = GetStdHandle(STD_INPUT_HANDLE);
        SetConsoleCtrlHandler(restoreOnBreak, TRUE);
        SetConsoleMode(input, savedMode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    }

    ~EchoOff() {
        SetConsoleMode(input, savedMode);
        SetConsoleCtrlHandler(restoreOnBreak, FALSE);
    }

    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
};

}  // namespace

std::vector<std::string> commandLineArguments(int argc, const char* const argv[]) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        const std::wstring_view argument(wide[i]);
        arguments.push_back(toUtf8(std::u16string(argument.begin(), argument.end())));
    }
    LocalFree(wide);
    return arguments;
}

std::optional<std::string> readLineWithoutEcho(std::string_view prompt) {
    if (!GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &savedMode)) {
        return std::nullopt;
    }
    std::string line;
    bool read = false;
    {
        const EchoOff echoOff;
        std::cerr << prompt << std::flush;
        read = static_cast<bool>(std::getline(std::cin, line));
    }
    std::cerr << '\n';
    // The console hands over the line with its CR.
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    return read ? std::optional(line) : std::nullopt;
}

// Windows has no file-size limit signal: a write beyond any limit fails as it is.
void prepareCommandLineProcess() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace platform
