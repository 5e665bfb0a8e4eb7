#include "caseless.h"

#include <windows.h>

#include <new>
#include <stdexcept>

#include "system_error_windows.h"

namespace platform {
namespace {

const wchar_t* wide(std::u16string_view text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

std::u16string decomposed(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    // The size asked for first is an estimate: the call says when it needs more.
    int size =
        NormalizeString(NormalizationD, wide(text), static_cast<int>(text.size()), nullptr, 0);
    for (int attempt = 0; attempt < 4 && size > 0; ++attempt) {
        std::u16string result(static_cast<std::size_t>(size), u'\0');
        size = NormalizeString(NormalizationD, wide(text), static_cast<int>(text.size()),
                               reinterpret_cast<wchar_t*>(result.data()), size);
        if (size > 0) {
            result.resize(static_cast<std::size_t>(size));
            return result;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
        size = -size;
    }
    if (GetLastError() == ERROR_NOT_ENOUGH_MEMORY) {
        throw std::bad_alloc();
    }
    throw std::runtime_error("cannot compare texts: " + lastWindowsError().message());
}

std::u16string lowerCase(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, wide(text),
                                   static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr, 0);
    std::u16string result(static_cast<std::size_t>(size > 0 ? size : 0), u'\0');
    if (size <= 0 ||
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, wide(text),
                      static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(result.data()),
                      size, nullptr, nullptr, 0) != size) {
        throw std::runtime_error("cannot compare texts: " + lastWindowsError().message());
    }
    return result;
}

}  // namespace

// Decomposed, lower-cased, and decomposed again, as lower-casing may give back a precomposed
// letter.
std::u16string caselessKey(std::u16string_view text) {
    return decomposed(lowerCase(decomposed(text)));
}

}  // namespace platform
