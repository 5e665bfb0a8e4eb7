#include "caseless.h"

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <new>
#include <stdexcept>

namespace platform {
namespace {

// Runs an ICU transformation that writes into a buffer, with the buffer as large as it asks for.
template <typename Transform>
std::u16string transformed(std::u16string_view text, Transform transform) {
    std::u16string result(text.size() + 8, u'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            transform(text, result.data(), static_cast<int32_t>(result.size()), &status);
        if (U_SUCCESS(status)) {
            result.resize(static_cast<std::size_t>(length));
            return result;
        }
        if (status == U_MEMORY_ALLOCATION_ERROR) {
            throw std::bad_alloc();
        }
        if (status != U_BUFFER_OVERFLOW_ERROR) {
            throw std::runtime_error(std::string("cannot compare texts: ") + u_errorName(status));
        }
        result.assign(static_cast<std::size_t>(length), u'\0');
    }
    throw std::runtime_error("cannot compare texts: their form keeps growing");
}

std::u16string decomposed(std::u16string_view text) {
    return transformed(
        text, [](std::u16string_view in, char16_t* out, int32_t capacity, UErrorCode* status) {
            const UNormalizer2* nfd = unorm2_getNFDInstance(status);
            return U_FAILURE(*status)
                       ? 0
                       : unorm2_normalize(nfd, in.data(), static_cast<int32_t>(in.size()), out,
                                          capacity, status);
        });
}

}  // namespace

// The canonical caseless form: decomposed, case folded, and decomposed again, as folding may
// give back a precomposed letter.
std::u16string caselessKey(std::u16string_view text) {
    const std::u16string folded = transformed(
        decomposed(text),
        [](std::u16string_view in, char16_t* out, int32_t capacity, UErrorCode* status) {
            return u_strFoldCase(out, capacity, in.data(), static_cast<int32_t>(in.size()),
                                 U_FOLD_CASE_DEFAULT, status);
        });
    return decomposed(folded);
}

}  // namespace platform
