#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace win32 {

// An extended dialog template built in memory, which the window system turns into a window: it
// maps the dialog units of each control to pixels for the dialog's font and the screen's DPI.
class DialogTemplate {
  public:
    // The standard control classes, by the ordinals the template gives them.
    enum class ControlClass : WORD { button = 0x80, edit = 0x81, text = 0x82, comboBox = 0x85 };

    struct Item {
        ControlClass controlClass;
        std::wstring_view text;
        DWORD style;
        short x;
        short y;
        short width;
        short height;
        DWORD id;
    };

    // A modal frame with a title bar and a system menu in the 8-point shell dialog font, of the
    // size given in dialog units.
    DialogTemplate(std::wstring_view title, short width, short height);

    void add(const Item& item);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void word(WORD value) { words_.push_back(value); }
    void doubleWord(DWORD value);
    void text(std::wstring_view value);
    void alignToDoubleWord();

    std::vector<WORD> words_;
    std::size_t itemCountAt_ = 0;
};

}  // namespace win32
