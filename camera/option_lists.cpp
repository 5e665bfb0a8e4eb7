#include "option_lists.h"

#include <cstdint>

namespace camera {
namespace {

// Bits 1, 2, 4, 7 and 9: 2560x1440, 2304x1296, 1920x1080, 1280x720 and 848x480, all at 30 fps.
constexpr std::uint16_t kDefaultResolutionBits = 0b010'1001'0110;
constexpr std::uint16_t kAllPostRecordBits = 0b11'1111;
constexpr std::uint16_t kAllSplitTimeBits = 0b111'1111;
constexpr std::uint16_t kNoPhotoSizeBits = 0;

MaskBits setBits(std::span<const std::uint8_t> masks, std::size_t bitCount,
                 std::uint16_t defaultBits) {
    std::uint32_t bits = 0;
    for (std::size_t index = 0; index < masks.size(); ++index) {
        bits |= std::uint32_t{masks[index]} << (8 * index);
    }
    if (bits == 0) {
        bits = defaultBits;
    }
    MaskBits set;
    for (std::size_t bit = 0; bit < bitCount; ++bit) {
        if ((bits & (std::uint32_t{1} << bit)) != 0) {
            set.push_back(static_cast<int>(bit));
        }
    }
    return set;
}

std::span<const std::uint8_t> masks(const MenuRecord& record, MenuField first, std::size_t count) {
    return record.bytes().subspan(static_cast<std::size_t>(first), count);
}

}  // namespace

MaskBits resolutionBits(const MenuRecord& record) {
    return setBits(masks(record, MenuField::resolution_caps_low, 2), kResolutionBits,
                   kDefaultResolutionBits);
}

MaskBits photoSizeBits(const MenuRecord& record) {
    return setBits(masks(record, MenuField::photo_size_caps_low, 2), kPhotoSizeBits,
                   kNoPhotoSizeBits);
}

MaskBits postRecordBits(const MenuRecord& record) {
    return setBits(masks(record, MenuField::post_record_caps, 1), kPostRecordBits,
                   kAllPostRecordBits);
}

MaskBits splitTimeBits(const MenuRecord& record) {
    return setBits(masks(record, MenuField::split_time_caps, 1), kSplitTimeBits, kAllSplitTimeBits);
}

std::vector<std::string_view> entriesOf(const MaskBits& bits,
                                        std::span<const std::string_view> wordsByBit) {
    std::vector<std::string_view> entries;
    entries.reserve(bits.size());
    for (const int bit : bits) {
        entries.push_back(wordsByBit[static_cast<std::size_t>(bit)]);
    }
    return entries;
}

}  // namespace camera
