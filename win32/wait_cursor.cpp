#include "wait_cursor.h"

namespace win32 {

void WaitCursor::before(std::string_view /*function*/) {
    previous_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void WaitCursor::after(std::string_view /*function*/, const int32_t* /*flag*/) {
    SetCursor(previous_);
}

}  // namespace win32
