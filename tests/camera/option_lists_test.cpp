#include "option_lists.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "english_lists.h"

namespace {

using camera::MenuRecord;
namespace english = editions::english;
using Labels = std::vector<std::string_view>;

MenuRecord withMasks(std::size_t offset, std::initializer_list<std::uint8_t> masks) {
    MenuRecord record;
    std::ranges::copy(masks, record.bytes().begin() + offset);
    return record;
}

// The built lists in the English window's words.
Labels resolutions(const MenuRecord& record) {
    return camera::entriesOf(camera::resolutionBits(record), english::kResolution);
}
Labels photoSizes(const MenuRecord& record) {
    return camera::entriesOf(camera::photoSizeBits(record), english::kPhotoSize);
}
Labels postRecords(const MenuRecord& record) {
    return camera::entriesOf(camera::postRecordBits(record), english::kPostRecord);
}
Labels splitTimes(const MenuRecord& record) {
    return camera::entriesOf(camera::splitTimeBits(record), english::kSplitTime);
}

TEST(OptionListsTest, ResolutionListHasOneEntryPerSetBitInTableOrder) {
    const auto some = resolutions(withMasks(21, {0x90, 0x02}));
    EXPECT_EQ(some, (Labels{"1920x1080 30P", "1280x720 30P", "848x480 30P"}));
    EXPECT_EQ(some[1], "1280x720 30P");

    const auto all = resolutions(withMasks(21, {0xFF, 0x07}));
    EXPECT_EQ(all, Labels(english::kResolution.begin(), english::kResolution.end()));
    EXPECT_EQ(all[7], "1280x720 30P");

    // Bits 3 to 7 of the high byte stand for nothing, yet they are not the default case.
    EXPECT_EQ(resolutions(withMasks(21, {0x01, 0xF8})), Labels{"2688x1512 30P"});
    EXPECT_EQ(resolutions(withMasks(21, {0x00, 0xF8})), Labels{});
}

TEST(OptionListsTest, MasksOfZeroGiveTheDefaultListsAndNoPhotoSizes) {
    const MenuRecord zero;
    const auto resolution = resolutions(zero);
    EXPECT_EQ(resolution, (Labels{"2560x1440 30P", "2304x1296 30P", "1920x1080 30P", "1280x720 30P",
                                  "848x480 30P"}));
    EXPECT_EQ(resolution[3], "1280x720 30P");
    EXPECT_EQ(postRecords(zero), Labels(english::kPostRecord.begin(), english::kPostRecord.end()));
    EXPECT_EQ(splitTimes(zero), Labels(english::kSplitTime.begin(), english::kSplitTime.end()));
    EXPECT_EQ(photoSizes(zero), Labels{});
}

TEST(OptionListsTest, SingleByteMasksIgnoreTheirTopBits) {
    const auto postRecord = postRecords(withMasks(25, {0x21}));
    EXPECT_EQ(postRecord, (Labels{"OFF", "35 Mins"}));
    EXPECT_EQ(postRecords(withMasks(25, {0xC0})), Labels{});
    EXPECT_EQ(splitTimes(withMasks(26, {0xC1})), (Labels{"1 Min", "45 Mins"}));
    EXPECT_EQ(splitTimes(withMasks(26, {0x80})), Labels{});
}

TEST(OptionListsTest, PhotoSizeListWalksTheLowByteThenTheHighByte) {
    EXPECT_EQ(photoSizes(withMasks(23, {0x0F, 0x00})), (Labels{"5M", "8M", "10M", "12M"}));
    EXPECT_EQ(photoSizes(withMasks(23, {0x80, 0x81})), (Labels{"23M", "25M", "64M"}));
}

TEST(OptionListsTest, ListsTakeTheCallersLabels) {
    constexpr editions::PostRecordLabels kRussian{"OFF",    "5 Sec",  "1 Min",
                                                  "10 Min", "20 Min", "35 Min"};
    EXPECT_EQ(camera::entriesOf(camera::postRecordBits(withMasks(25, {0x28})), kRussian),
              (Labels{"10 Min", "35 Min"}));
}

TEST(OptionListsTest, TimeZonePositionRunsFromMinusTwelveToPlusTwelve) {
    EXPECT_EQ(english::kTimeZone[camera::timeZonePosition(-12)], "- 12");
    EXPECT_EQ(english::kTimeZone[camera::timeZonePosition(0)], "0");
    EXPECT_EQ(english::kTimeZone[camera::timeZonePosition(12)], "+ 12");
    EXPECT_EQ(camera::timeZonePosition(12), 24);
}

}  // namespace
