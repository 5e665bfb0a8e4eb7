#pragma once

#include <windows.h>

#include <string_view>

#include "edition.h"

namespace win32 {

// Measures texts in the dialog units of the dialogs' font ("MS Shell Dlg", 8 points) at the
// screen's DPI, so that a layout made from them fits that font.
class TextMeasure {
  public:
    TextMeasure();
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // Rounded up to a whole dialog unit.
    int width(std::string_view text) const;

  private:
    HDC context_;
    HFONT font_;
    HGDIOBJ previousFont_;
    editions::DialogBaseUnits baseUnits_;
};

}  // namespace win32
