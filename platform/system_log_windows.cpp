#include <windows.h>

#include "system_log.h"
#include "utf8.h"

namespace platform {

void writeSystemLog(std::string_view message) {
    const auto text = fromUtf8(message);
    if (!text) {
        return;
    }
    HANDLE source = RegisterEventSourceW(nullptr, L"qumat_pro");
    if (source == nullptr) {
        return;
    }
    const std::wstring wide(text->begin(), text->end());
    LPCWSTR strings[] = {wide.c_str()};
    // No message file is registered for the source: the event viewer shows the text as the
    // event's only insertion string.
    ReportEventW(source, EVENTLOG_INFORMATION_TYPE, 0, 1, nullptr, 1, 0, strings, nullptr);
    DeregisterEventSource(source);
}

}  // namespace platform
