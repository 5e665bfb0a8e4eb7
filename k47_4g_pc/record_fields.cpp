#include "record_fields.h"

#include <algorithm>

namespace k47 {

void putText(std::span<uint8_t> record, TextField field, std::string_view text, bool unterminated) {
    const auto target = record.subspan(field.offset, field.width);
    const auto kept = text.substr(0, unterminated ? field.width : field.width - 1);
    std::ranges::fill(target, unterminated ? uint8_t{' '} : uint8_t{0});
    std::ranges::copy(kept, target.begin());
}

std::string takeText(std::span<const uint8_t> record, TextField field) {
    const auto source = record.subspan(field.offset, field.width - 1);
    const auto end = std::ranges::find(source, uint8_t{0});
    return std::string(source.begin(), end);
}

}  // namespace k47
