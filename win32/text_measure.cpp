#include "text_measure.h"

#include "edition.h"
#include "wide_text.h"

namespace win32 {

TextMeasure::TextMeasure()
    : context_(CreateCompatibleDC(nullptr)),
      font_(CreateFontW(-MulDiv(8, GetDeviceCaps(context_, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL,
                        FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        L"MS Shell Dlg")),
      previousFont_(SelectObject(context_, font_)) {
    // The dialog's own base unit: the average width of the Latin letters.
    SIZE letters{};
    constexpr std::wstring_view kLetters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32W(context_, kLetters.data(), static_cast<int>(kLetters.size()), &letters);
    const auto units = editions::DialogBaseUnits::ofFont(letters.cx, letters.cy);
    baseUnits_ = {std::max(units.horizontal, 1), std::max(units.vertical, 1)};
}

TextMeasure::~TextMeasure() {
    SelectObject(context_, previousFont_);
    DeleteObject(font_);
    DeleteDC(context_);
}

int TextMeasure::width(std::string_view text) const {
    const std::wstring wideText = wide(text);
    SIZE size{};
    GetTextExtentPoint32W(context_, wideText.data(), static_cast<int>(wideText.size()), &size);
    return editions::unitsAcross(size.cx, baseUnits_);
}

}  // namespace win32
