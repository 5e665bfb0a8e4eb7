#include "option_lists.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

using camera::MenuRecord;
namespace english = camera::english;
using Labels = std::vector<std::string_view>;

MenuRecord withMasks(std::size_t offset, std::initializer_list<std::uint8_t> masks) {
    MenuRecord record;
    std::ranges::copy(masks, record.bytes().begin() + offset);
    return record;
}

TEST(OptionListsTest, ResolutionListHasOneEntryPerSetBitInTableOrder) {
    const auto some =
        camera::buildResolutionList(withMasks(21, {0x90, 0x02}), english::kResolution);
    EXPECT_EQ(some, (Labels{"1920x1080 30P", "1280x720 30P", "848x480 30P"}));
    EXPECT_EQ(some[1], "1280x720 30P");

    const auto all = camera::buildResolutionList(withMasks(21, {0xFF, 0x07}), english::kResolution);
    EXPECT_EQ(all, Labels(english::kResolution.begin(), english::kResolution.end()));
    EXPECT_EQ(all[7], "1280x720 30P");

    // Bits 3 to 7 of the high byte stand for nothing, yet they are not the default case.
    EXPECT_EQ(camera::buildResolutionList(withMasks(21, {0x01, 0xF8}), english::kResolution),
              Labels{"2688x1512 30P"});
    EXPECT_EQ(camera::buildResolutionList(withMasks(21, {0x00, 0xF8}), english::kResolution),
              Labels{});
}

TEST(OptionListsTest, MasksOfZeroGiveTheDefaultListsAndNoPhotoSizes) {
    const MenuRecord zero;
    const auto resolutions = camera::buildResolutionList(zero, english::kResolution);
    EXPECT_EQ(resolutions, (Labels{"2560x1440 30P", "2304x1296 30P", "1920x1080 30P",
                                   "1280x720 30P", "848x480 30P"}));
    EXPECT_EQ(resolutions[3], "1280x720 30P");
    EXPECT_EQ(camera::buildPostRecordList(zero, english::kPostRecord),
              Labels(english::kPostRecord.begin(), english::kPostRecord.end()));
    EXPECT_EQ(camera::buildSplitTimeList(zero, english::kSplitTime),
              Labels(english::kSplitTime.begin(), english::kSplitTime.end()));
    EXPECT_EQ(camera::buildPhotoSizeList(zero, english::kPhotoSize), Labels{});
}

TEST(OptionListsTest, SingleByteMasksIgnoreTheirTopBits) {
    const auto postRecord =
        camera::buildPostRecordList(withMasks(25, {0x21}), english::kPostRecord);
    EXPECT_EQ(postRecord, (Labels{"OFF", "35 Mins"}));
    EXPECT_EQ(camera::buildPostRecordList(withMasks(25, {0xC0}), english::kPostRecord), Labels{});
    EXPECT_EQ(camera::buildSplitTimeList(withMasks(26, {0xC1}), english::kSplitTime),
              (Labels{"1 Min", "45 Mins"}));
    EXPECT_EQ(camera::buildSplitTimeList(withMasks(26, {0x80}), english::kSplitTime), Labels{});
}

TEST(OptionListsTest, PhotoSizeListWalksTheLowByteThenTheHighByte) {
    EXPECT_EQ(camera::buildPhotoSizeList(withMasks(23, {0x0F, 0x00}), english::kPhotoSize),
              (Labels{"5M", "8M", "10M", "12M"}));
    EXPECT_EQ(camera::buildPhotoSizeList(withMasks(23, {0x80, 0x81}), english::kPhotoSize),
              (Labels{"23M", "25M", "64M"}));
}

TEST(OptionListsTest, ListsTakeTheCallersLabels) {
    constexpr camera::PostRecordLabels kRussian{"OFF",    "5 Sec",  "1 Min",
                                                "10 Min", "20 Min", "35 Min"};
    EXPECT_EQ(camera::buildPostRecordList(withMasks(25, {0x28}), kRussian),
              (Labels{"10 Min", "35 Min"}));
}

TEST(OptionListsTest, TimeZonePositionRunsFromMinusTwelveToPlusTwelve) {
    EXPECT_EQ(english::kTimeZone[camera::timeZonePosition(-12)], "- 12");
    EXPECT_EQ(english::kTimeZone[camera::timeZonePosition(0)], "0");
    EXPECT_EQ(english::kTimeZone[camera::timeZonePosition(12)], "+ 12");
    EXPECT_EQ(camera::timeZonePosition(12), 24);
}

}  // namespace
