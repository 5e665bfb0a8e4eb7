#pragma once

#include <cstdint>

namespace camera {

// A list position crosses the camera library as one byte. From the camera, 0xFF says that it
// does not offer the option; to the camera, that the list has no selection.
inline constexpr std::uint8_t kNotSupported = 0xFF;

// The position a value byte selects: the byte read as signed. The marker gives -1, which selects
// nothing, as does any other position outside the list.
constexpr int decodeValueByte(std::uint8_t byte) {
    return static_cast<std::int8_t>(byte);
}

// The byte for a list's selected position: the position truncated to 8 bits, or the marker when
// nothing is selected (-1).
constexpr std::uint8_t encodeSelection(int selectedPosition) {
    return selectedPosition < 0 ? kNotSupported : static_cast<std::uint8_t>(selectedPosition);
}

}  // namespace camera
