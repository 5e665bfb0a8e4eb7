#include "native_login_window.h"

#include <filesystem>

#include "text_measure.h"
#include "wide_text.h"

namespace win32 {
namespace {

using window_logic::LoginControl;

// The system menu's About entry, which no window acts on.
constexpr UINT kAboutCommand = 16;

// The edition's banner, a bitmap resource named as its picture file without the extension.
HBITMAP loadBanner(const editions::Edition& edition) {
    const std::wstring name =
        wide(std::filesystem::path(edition.language.bannerResource).stem().string());
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0,
                                           0, LR_CREATEDIBSECTION));
}

// The banner's height in dialog units of the 8-point dialog font at 96 dpi, for which it was
// drawn.
int bannerHeight(HBITMAP banner) {
    BITMAP bitmap{};
    if (banner == nullptr || GetObjectW(banner, sizeof(bitmap), &bitmap) == 0) {
        return 0;
    }
    return editions::unitsDown(bitmap.bmHeight);
}

}  // namespace

NativeLoginWindow::NativeLoginWindow(const editions::Edition& edition,
                                     window_logic::Services& services)
    : NativeLoginWindow(edition, services, loadBanner(edition)) {}

NativeLoginWindow::NativeLoginWindow(const editions::Edition& edition,
                                     window_logic::Services& services, HBITMAP banner)
    : DialogWindow(window_logic::loginDialog(
                       edition,
                       [measure = std::make_shared<TextMeasure>()](std::string_view text) {
                           return measure->width(text);
                       },
                       bannerHeight(banner)),
                   {}),
      edition_(edition),
      services_(services),
      banner_(banner) {}

NativeLoginWindow::~NativeLoginWindow() {
    if (banner_ != nullptr) {
        DeleteObject(banner_);
    }
}

void NativeLoginWindow::opened() {
    HMENU menu = GetSystemMenu(handle(), FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand, wide(editions::kAboutMenuItem).c_str());
    SendMessageW(item("bannerPicture"), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(banner_));
    SendMessageW(handle(), DM_SETDEFID, GetDlgCtrlID(item(LoginControl::connectButton)), 0);
    logic_.emplace(edition_, services_, *this);
}

void NativeLoginWindow::notified(const DialogItem& item, int notification) {
    if (!item.control) {
        return;
    }
    const auto* control = std::get_if<LoginControl>(&*item.control);
    if (control == nullptr) {
        return;
    }
    switch (*control) {
        case LoginControl::connectButton:
            if (notification == BN_CLICKED) {
                logic_->connect();
            }
            break;
        case LoginControl::loginButton:
            if (notification == BN_CLICKED) {
                logic_->logIn();
            }
            break;
        case LoginControl::languageList:
            // The user's choice, which the list reports and the program's selections do not.
            if (notification == CBN_SELCHANGE) {
                logic_->chooseLanguage(selection(LoginControl::languageList));
            }
            break;
        case LoginControl::userTypeList:
        case LoginControl::passwordEdit:
            break;
    }
}

}  // namespace win32
