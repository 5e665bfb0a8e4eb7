#include "option_lists.h"

#include <cstdint>
#include <span>

namespace camera {
namespace {

// "2560x1440 30P", "2304x1296 30P", "1920x1080 30P", "1280x720 30P", "848x480 30P".
constexpr std::uint16_t kDefaultResolutionBits = 0b010'1001'0110;
constexpr std::uint16_t kAllPostRecordBits = 0b11'1111;
constexpr std::uint16_t kAllSplitTimeBits = 0b111'1111;
constexpr std::uint16_t kNoPhotoSizeBits = 0;

std::vector<std::string_view> buildOptionList(std::span<const std::uint8_t> masks,
                                              std::span<const std::string_view> labelsByBit,
                                              std::uint16_t defaultBits) {
    std::uint32_t bits = 0;
    for (std::size_t index = 0; index < masks.size(); ++index) {
        bits |= std::uint32_t{masks[index]} << (8 * index);
    }
    if (bits == 0) {
        bits = defaultBits;
    }
    std::vector<std::string_view> entries;
    for (std::size_t bit = 0; bit < labelsByBit.size(); ++bit) {
        if ((bits & (std::uint32_t{1} << bit)) != 0) {
            entries.push_back(labelsByBit[bit]);
        }
    }
    return entries;
}

std::span<const std::uint8_t> masks(const MenuRecord& record, MenuField first, std::size_t count) {
    return record.bytes().subspan(static_cast<std::size_t>(first), count);
}

}  // namespace

std::vector<std::string_view> buildResolutionList(const MenuRecord& record,
                                                  const ResolutionLabels& labels) {
    return buildOptionList(masks(record, MenuField::resolution_caps_low, 2), labels,
                           kDefaultResolutionBits);
}

std::vector<std::string_view> buildPhotoSizeList(const MenuRecord& record,
                                                 const PhotoSizeLabels& labels) {
    return buildOptionList(masks(record, MenuField::photo_size_caps_low, 2), labels,
                           kNoPhotoSizeBits);
}

std::vector<std::string_view> buildPostRecordList(const MenuRecord& record,
                                                  const PostRecordLabels& labels) {
    return buildOptionList(masks(record, MenuField::post_record_caps, 1), labels,
                           kAllPostRecordBits);
}

std::vector<std::string_view> buildSplitTimeList(const MenuRecord& record,
                                                 const SplitTimeLabels& labels) {
    return buildOptionList(masks(record, MenuField::split_time_caps, 1), labels, kAllSplitTimeBits);
}

}  // namespace camera
