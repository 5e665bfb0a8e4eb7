// qumat_pro.exe: the windows over the camera library, natively on Windows.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "camera_hold.h"
#include "code_page.h"
#include "language_setting.h"
#include "library_functions.h"
#include "native_hand_over.h"
#include "native_message_boxes.h"
#include "start_edition.h"

namespace {

// An argument as the C runtime of the program started reads it back: quoted, its quotes and the
// backslashes before them escaped.
std::wstring quoted(const std::wstring& argument) {
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t character : argument) {
        if (character == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(character == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        text += character;
    }
    return text.append(2 * backslashes, L'\\') + L"\"";
}

// qumat_pro.exe --doctor: the checks of qumat.exe doctor, which lies beside it. Its lines go where
// this program's output goes, else to the console it was started from, else into a box.
int runDoctor(const std::vector<std::wstring>& arguments, win32::NativeMessageBoxes& messageBoxes) {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    const std::wstring qumat = self.substr(0, self.find_last_of(L"\\/") + 1) + L"qumat.exe";
    std::wstring commandLine = quoted(qumat) + L" doctor";
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        commandLine += L" " + quoted(arguments[index]);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
    HANDLE reading = nullptr;
    const bool redirected = output != nullptr && output != INVALID_HANDLE_VALUE;
    if (!redirected && !AttachConsole(ATTACH_PARENT_PROCESS)) {
        SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
        if (!CreatePipe(&reading, &output, &inherited, 0)) {
            return 1;
        }
        SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
        errors = output;
    }
    // A console the program attached to passes to qumat.exe as it starts.
    if (redirected || reading != nullptr) {
        if (errors == nullptr || errors == INVALID_HANDLE_VALUE) {
            errors = output;
        }
        SetHandleInformation(output, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        SetHandleInformation(errors, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output;
        startup.hStdError = errors;
    }
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(qumat.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        reading != nullptr ? CREATE_NO_WINDOW : 0, nullptr, nullptr, &startup,
                        &started)) {
        messageBoxes.show(
            "qumat.exe, which answers --doctor, could not be started beside "
            "qumat_pro.exe",
            "qumat_pro", window_logic::MessageBoxStyle::WarningOk);
        return 1;
    }
    std::string lines;
    if (reading != nullptr) {
        // Read while it writes, so that a long answer never fills the pipe.
        CloseHandle(output);
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(reading, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
            lines.append(buffer, read);
        }
        CloseHandle(reading);
    }
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    if (reading != nullptr) {
        messageBoxes.show(lines, "qumat_pro doctor", window_logic::MessageBoxStyle::WarningOk);
    }
    return static_cast<int>(status);
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    win32::NativeMessageBoxes messageBoxes;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> arguments(words + std::min(count, 1), words + count);
    LocalFree(words);
    if (!arguments.empty() && arguments.front() == L"--doctor") {
        return runDoctor(arguments, messageBoxes);
    }
    // The window program has no console to say it on.
    if (const auto refusal = platform::codePageVariableRefusal()) {
        messageBoxes.show(*refusal, "qumat_pro", window_logic::MessageBoxStyle::WarningOk);
        return 2;
    }
    camera::LibraryFunctions camera;
    // Without the camera maker's library no window could reach a camera: say which file it needs.
    if (const std::string failure = camera.load(); !failure.empty()) {
        messageBoxes.show(failure, "qumat_pro", window_logic::MessageBoxStyle::WarningOk);
        return 2;
    }
    window_logic::Session session;
    camera::CameraHold cameraHold(camera::cameraLockFile());
    win32::NativeHandOver handOver(camera, messageBoxes, session, editions::kLanguageFile,
                                   &cameraHold);
    handOver.runLoginWindow(
        editions::edition(window_logic::chooseStartEdition(editions::kLanguageFile)));
    return 0;
}
