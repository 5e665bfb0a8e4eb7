// Starts a window program in the current folder and waits for its first window of a title:
// prints the texts that window shows, closes it, and waits for the program to end.
// Usage: window_probe.exe TITLE PROGRAM. Exits 0 when the window came, 1 when not.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process;
    const wchar_t* title;
    HWND found = nullptr;
};

BOOL CALLBACK findWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (process == search->process && IsWindowVisible(window) &&
        std::wstring(title) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK printText(HWND control, LPARAM) {
    wchar_t text[1024] = {};
    if (GetWindowTextW(control, text, 1024) > 0) {
        char utf8[4096] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
        std::printf("%s\n", utf8);
    }
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 3) {
        std::fputs("usage: window_probe TITLE PROGRAM\n", stderr);
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[2]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(argv[2], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fprintf(stderr, "window_probe: cannot start the program (error %lu)\n",
                     GetLastError());
        return 1;
    }
    Search search{started.dwProcessId, argv[1]};
    for (int tries = 0; tries < 300 && search.found == nullptr; ++tries) {
        Sleep(100);
        EnumWindows(&findWindow, reinterpret_cast<LPARAM>(&search));
    }
    if (search.found != nullptr) {
        EnumChildWindows(search.found, &printText, 0);
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    } else {
        std::fputs("window_probe: no such window came\n", stderr);
        TerminateProcess(started.hProcess, 1);
    }
    WaitForSingleObject(started.hProcess, 30000);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return search.found != nullptr ? 0 : 1;
}
