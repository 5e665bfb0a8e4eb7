#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace camera {

// The number of text bytes in a field: up to its first zero byte, the whole field when the camera
// left it without one.
std::size_t textLength(std::span<const std::uint8_t> field);

// Clears the field, then copies into it the first `byteCount` bytes of the text converted to the
// ANSI code page: never more than the converted text holds, nor than the field is wide.
void writeTextField(std::span<std::uint8_t> field, std::u16string_view text, std::size_t byteCount);

}  // namespace camera
