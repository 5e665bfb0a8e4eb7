#include "dialog_template.h"

namespace win32 {
namespace {

constexpr DWORD kDialogStyle =
    DS_SETFONT | DS_FIXEDSYS | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr std::wstring_view kDialogFont = L"MS Shell Dlg";
constexpr WORD kDialogFontPoints = 8;

}  // namespace

DialogTemplate::DialogTemplate(std::wstring_view title, short width, short height) {
    word(1);        // version
    word(0xFFFF);   // the extended layout
    doubleWord(0);  // help context
    doubleWord(0);  // extended style
    doubleWord(kDialogStyle);
    itemCountAt_ = words_.size();
    word(0);
    for (const short value : {short{0}, short{0}, width, height}) {
        word(static_cast<WORD>(value));
    }
    word(0);  // no menu
    word(0);  // the dialog class
    text(title);
    word(kDialogFontPoints);
    word(FW_NORMAL);
    word(MAKEWORD(FALSE, DEFAULT_CHARSET));
    text(kDialogFont);
}

void DialogTemplate::add(const Item& item) {
    alignToDoubleWord();
    doubleWord(0);  // help context
    doubleWord(0);  // extended style
    doubleWord(item.style | WS_CHILD);
    for (const short value : {item.x, item.y, item.width, item.height}) {
        word(static_cast<WORD>(value));
    }
    doubleWord(item.id);
    word(0xFFFF);
    word(static_cast<WORD>(item.controlClass));
    text(item.text);
    word(0);  // no creation data
    ++words_[itemCountAt_];
}

void DialogTemplate::doubleWord(DWORD value) {
    word(LOWORD(value));
    word(HIWORD(value));
}

void DialogTemplate::text(std::wstring_view value) {
    words_.insert(words_.end(), value.begin(), value.end());
    word(0);
}

// The vector's storage is aligned for any type, so an even count of words is a double word.
void DialogTemplate::alignToDoubleWord() {
    if (words_.size() % 2 != 0) {
        word(0);
    }
}

}  // namespace win32
