#include "text_field.h"

#include <algorithm>

#include "code_page.h"

namespace camera {

std::size_t textLength(std::span<const std::uint8_t> field) {
    return static_cast<std::size_t>(std::find(field.begin(), field.end(), std::uint8_t{0}) -
                                    field.begin());
}

void writeTextField(std::span<std::uint8_t> field, std::u16string_view text,
                    std::size_t byteCount) {
    std::ranges::fill(field, std::uint8_t{0});
    const std::string converted = platform::encodeAnsi(text);
    const std::size_t count = std::min({byteCount, converted.size(), field.size()});
    std::copy_n(converted.begin(), count, field.begin());
}

}  // namespace camera
