#include <windows.h>

#include "system_error_windows.h"
#include "system_log.h"
#include "utf8.h"

namespace platform {
namespace {

// One line on its way, shared by the caller and the thread that reports it: whichever lets go
// last frees it, so that a caller who stopped waiting leaves nothing behind.
struct Report {
    std::wstring text;
    LONG holders = 2;
    DWORD error = ERROR_SUCCESS;
};

void letGo(Report* report) {
    if (InterlockedDecrement(&report->holders) == 0) {
        delete report;
    }
}

// The event log is a service the report is a call to: one that hangs holds the calling thread.
DWORD WINAPI reportEvent(void* argument) {
    auto* report = static_cast<Report*>(argument);
    HANDLE source = RegisterEventSourceW(nullptr, L"qumat_pro");
    if (source == nullptr) {
        report->error = GetLastError();
    } else {
        LPCWSTR strings[] = {report->text.c_str()};
        // No message file is registered for the source: the event viewer shows the text as the
        // event's only insertion string.
        if (!ReportEventW(source, EVENTLOG_INFORMATION_TYPE, 0, 1, nullptr, 1, 0, strings,
                          nullptr)) {
            report->error = GetLastError();
        }
        DeregisterEventSource(source);
    }
    letGo(report);
    return 0;
}

}  // namespace

SystemLog::~SystemLog() = default;

std::optional<std::string> SystemLog::write(std::string_view message) {
    const auto text = fromUtf8(message);
    if (!text) {
        return "the line is not UTF-8";
    }
    auto* report = new Report{.text = std::wstring(text->begin(), text->end())};
    HANDLE thread = CreateThread(nullptr, 0, reportEvent, report, 0, nullptr);
    if (thread == nullptr) {
        delete report;
        return "the Application event log: " + lastWindowsError().message();
    }
    // Only a wait that ends without an answer spends the patience: once spent, every later line
    // is given up at once.
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(kPatience - waited_);
    const auto start = std::chrono::steady_clock::now();
    const DWORD waited =
        WaitForSingleObject(thread, left.count() > 0 ? static_cast<DWORD>(left.count()) : 0);
    CloseHandle(thread);
    std::optional<std::string> reason;
    if (waited != WAIT_OBJECT_0) {
        waited_ += std::chrono::steady_clock::now() - start;
        reason = "the Application event log gave no answer";
    } else if (report->error != ERROR_SUCCESS) {
        reason = "the Application event log: " + windowsError(report->error).message();
    }
    letGo(report);
    return reason;
}

}  // namespace platform
