#include "dialog_window.h"

#include <commctrl.h>

#include "program_icon.h"
#include "wide_text.h"

namespace win32 {
namespace {

using window_logic::Control;

// A list's drop-down part, below its closed height, in dialog units.
constexpr int kDroppedListHeight = 120;

DialogTemplate::Item templateItem(const DialogItem& item, const std::wstring& text, int id) {
    using Class = DialogTemplate::ControlClass;
    DWORD style = item.hidden ? 0 : WS_VISIBLE;
    Class controlClass = Class::text;
    int height = item.height;
    switch (item.kind) {
        case ItemKind::frame:
            controlClass = Class::button;
            style |= BS_GROUPBOX;
            break;
        case ItemKind::label:
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case ItemKind::valueLabel:
            // The camera's text as it came, in a field without a border that only shows it: Tab
            // reaches it, and the arrow keys show a text longer than its place.
            controlClass = Class::edit;
            style |= ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP;
            break;
        case ItemKind::edit:
            controlClass = Class::edit;
            style |= ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
            break;
        case ItemKind::list:
            controlClass = Class::comboBox;
            style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
            height += kDroppedListHeight;
            break;
        case ItemKind::button:
            controlClass = Class::button;
            style |= (item.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
            break;
        case ItemKind::picture:
            style |= SS_BITMAP | SS_CENTERIMAGE;
            break;
    }
    return {controlClass,
            text,
            style,
            static_cast<short>(item.x),
            static_cast<short>(item.y),
            static_cast<short>(item.width),
            static_cast<short>(height),
            static_cast<DWORD>(id)};
}

// Every control at its template's place, for the page to place again when it scrolls or the DPI
// changes.
std::vector<ScrolledPage::Control> pageControls(HWND window, const DialogLayout& layout) {
    const std::wstring noText;
    std::vector<ScrolledPage::Control> controls;
    for (std::size_t index = 0; index < layout.items.size(); ++index) {
        const int id = DialogWindow::itemId(index);
        const auto place = templateItem(layout.items[index], noText, id);
        controls.push_back({GetDlgItem(window, id), place.x, place.y, place.width, place.height});
    }
    return controls;
}

}  // namespace

DialogWindow::DialogWindow(DialogLayout layout, DisabledNames disabledNames)
    : layout_(std::move(layout)), disabledNames_(std::move(disabledNames)) {
    for (std::size_t index = 0; index < layout_.items.size(); ++index) {
        const auto& item = layout_.items[index];
        const int id = itemId(index);
        if (item.control) {
            ids_.emplace(*item.control, id);
        }
        if (!item.name.empty()) {
            names_.emplace(item.name, id);
        }
    }
}

DialogWindow::~DialogWindow() {
    if (window_ != nullptr && !modal_) {
        // Its controls notify it while they go: this object is no longer there to hear them.
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

DialogTemplate DialogWindow::buildTemplate() const {
    DialogTemplate dialog(wide(layout_.title), static_cast<short>(layout_.size.width),
                          static_cast<short>(layout_.size.height));
    for (std::size_t index = 0; index < layout_.items.size(); ++index) {
        const auto& item = layout_.items[index];
        // Lists and value labels get their texts from the window's logic.
        const std::wstring text = item.kind == ItemKind::list ? std::wstring() : wide(item.text);
        dialog.add(templateItem(item, text, itemId(index)));
    }
    return dialog;
}

void DialogWindow::run() {
    modal_ = true;
    const DialogTemplate dialog = buildTemplate();
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), nullptr, &procedure,
                            reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    page_.reset();
}

HWND DialogWindow::create() {
    const DialogTemplate dialog = buildTemplate();
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), nullptr, &procedure,
                                      reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
        showProgramIcon(window);
        for (std::size_t index = 0; index < self->layout_.items.size(); ++index) {
            const auto& item = self->layout_.items[index];
            // A sorted list holds its preset entries in order.
            for (const std::string_view entry : item.presetEntries) {
                SendDlgItemMessageW(window, itemId(index), CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(wide(entry).c_str()));
            }
        }
        self->page_.emplace(window, SIZE{self->layout_.size.width, self->layout_.size.height},
                            pageControls(window, self->layout_), self->workArea_);
        self->opened();
        return TRUE;
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self != nullptr && self->page_ && self->page_->handle(message, wParam, lParam)) {
        return TRUE;
    }
    if (self == nullptr || message != WM_COMMAND) {
        return FALSE;
    }
    const int id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) {
        // Enter away from a button, Esc and the close box end the window.
        self->endWindow();
        return TRUE;
    }
    const auto index = static_cast<std::size_t>(id - itemId(0));
    if (id >= itemId(0) && index < self->layout_.items.size()) {
        self->notified(self->layout_.items[index], HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

HWND DialogWindow::item(Control control) const {
    const auto id = ids_.find(control);
    return id == ids_.end() ? nullptr : GetDlgItem(window_, id->second);
}

HWND DialogWindow::item(std::string_view name) const {
    const auto id = names_.find(name);
    return id == names_.end() ? nullptr : GetDlgItem(window_, id->second);
}

bool DialogWindow::has(Control control) const {
    return ids_.contains(control);
}

std::string DialogWindow::text(Control control) const {
    HWND control_ = item(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void DialogWindow::setText(Control control, std::string_view text) {
    HWND window = item(control);
    SetWindowTextW(window, wide(text).c_str());
    wchar_t controlClass[8] = {};
    GetClassNameW(window, controlClass, 8);
    if (lstrcmpiW(controlClass, L"Edit") == 0) {
        // A text longer than its field shows its start, not its end.
        SendMessageW(window, EM_SETSEL, 0, 0);
        SendMessageW(window, EM_SCROLLCARET, 0, 0);
    }
}

void DialogWindow::limitTyping(Control control, int limit) {
    // The edit counts UTF-16 code units, and leaves a longer text the program sets whole.
    SendMessageW(item(control), EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

void DialogWindow::setEntries(Control control, std::span<const std::string_view> entries) {
    HWND list = item(control);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (std::size_t position = 0; position < entries.size(); ++position) {
        SendMessageW(list, CB_INSERTSTRING, position,
                     reinterpret_cast<LPARAM>(wide(entries[position]).c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int DialogWindow::selection(Control control) const {
    return static_cast<int>(SendMessageW(item(control), CB_GETCURSEL, 0, 0));
}

void DialogWindow::select(Control control, int position) {
    // A position beyond the list leaves it without a selection.
    SendMessageW(item(control), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

void DialogWindow::disable(Control control) {
    EnableWindow(item(control), FALSE);
}

void DialogWindow::disableForDeviceKind(int deviceKind) {
    if (disabledNames_) {
        for (const auto& name : disabledNames_(deviceKind)) {
            EnableWindow(item(name), FALSE);
        }
    }
}

void DialogWindow::endWindow() {
    ended_ = true;
    if (modal_) {
        EndDialog(window_, IDOK);
    } else {
        ShowWindow(window_, SW_HIDE);
    }
}

}  // namespace win32
