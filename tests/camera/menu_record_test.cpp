#include "menu_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "english_lists.h"
#include "option_lists.h"

namespace {

using camera::MenuField;
using camera::MenuRecord;
namespace english = editions::english;

TEST(MenuRecordTest, EachFieldIsItsOwnByteInRecordOrder) {
    // clang-format off
    const std::pair<MenuField, std::size_t> layout[] = {
        {MenuField::resolution, 0}, {MenuField::quality, 1}, {MenuField::coding_format, 2},
        {MenuField::split_time, 3}, {MenuField::loop_record, 4}, {MenuField::pre_record, 5},
        {MenuField::infrared, 6}, {MenuField::time_zone, 7}, {MenuField::volume, 8},
        {MenuField::gps, 9}, {MenuField::rec_warning, 10}, {MenuField::photo_size, 11},
        {MenuField::cellular_4g, 12}, {MenuField::wifi_mode, 13}, {MenuField::post_record, 14},
        {MenuField::auto_record, 15}, {MenuField::motion_detect, 16},
        {MenuField::live_resolution, 17}, {MenuField::live_coding_format, 18},
        {MenuField::g_sensor, 19}, {MenuField::eis, 20}, {MenuField::resolution_caps_low, 21},
        {MenuField::resolution_caps_high, 22}, {MenuField::photo_size_caps_low, 23},
        {MenuField::photo_size_caps_high, 24}, {MenuField::post_record_caps, 25},
        {MenuField::split_time_caps, 26}, {MenuField::aes_encryption, 27},
        {MenuField::video_stamp, 28}, {MenuField::power_button, 29},
        {MenuField::photo_button, 30}, {MenuField::record_button, 31},
    };
    // clang-format on
    for (const auto& [field, offset] : layout) {
        MenuRecord record;
        record.select(field, 9);
        std::array<std::uint8_t, 32> expected{};
        expected[offset] = 9;
        EXPECT_TRUE(std::ranges::equal(record.bytes(), expected)) << offset;
        EXPECT_EQ(record.position(field), 9) << offset;
    }
}

TEST(MenuRecordTest, ValueBytesReadSignedAndSelectionsWriteTruncatedOrAsTheMarker) {
    MenuRecord record;
    const std::pair<std::uint8_t, int> read[] = {
        {0, 0}, {2, 2}, {0x7F, 127}, {0xFF, -1}, {0x83, -125}};
    for (const auto& [byte, position] : read) {
        record.bytes()[1] = byte;
        EXPECT_EQ(record.position(MenuField::quality), position) << int(byte);
        EXPECT_EQ(record.isSupported(MenuField::quality), byte != 0xFF) << int(byte);
    }
    const std::pair<int, std::uint8_t> written[] = {{-1, 0xFF},  {0, 0},   {2, 2},
                                                    {255, 0xFF}, {256, 0}, {300, 44}};
    for (const auto& [selected, byte] : written) {
        record.select(MenuField::aes_encryption, selected);
        EXPECT_EQ(record.bytes()[27], byte) << selected;
    }
}

TEST(MenuRecordTest, PhotoSizeAtSetUpDropsTheTopBit) {
    MenuRecord record;
    record.bytes()[11] = 0x83;
    record.bytes()[23] = 0x0F;
    const auto list = camera::entriesOf(camera::photoSizeBits(record), english::kPhotoSize);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[static_cast<std::size_t>(record.photoSizePositionAtSetUp())], "12M");
    // Get takes the byte as it came: a negative position, which selects nothing.
    EXPECT_LT(record.position(MenuField::photo_size), 0);
}

// What a list shows after Get: the position when it lies in the list, else no selection.
int selectionAfterGet(int position, std::size_t listSize) {
    return position >= 0 && static_cast<std::size_t>(position) < listSize ? position : -1;
}

TEST(MenuRecordTest, GetThenSetWritesTheSameBytesExceptOutOfListValuesAsTheMarker) {
    // clang-format off
    const std::array<std::uint8_t, 32> fromCamera{
        1, 2, 5, 6, 0xFF, 1, 0, 24, 4, 1, 0, 0x83, 1, 2, 2, 0, 1, 3, 1, 3, 0x80,
        0x90, 0x02, 0x0F, 0x00, 0x21, 0x00, 0xFF, 1, 1, 1, 1};
    // Out of their lists: coding format 5, post record 2 (of two), photo size 0x83 and EIS 0x80.
    const std::array<std::uint8_t, 32> expected{
        1, 2, 0xFF, 6, 0xFF, 1, 0, 24, 4, 1, 0, 0xFF, 1, 2, 0xFF, 0, 1, 3, 1, 3, 0xFF,
        0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0};
    // clang-format on
    MenuRecord read;
    std::ranges::copy(fromCamera, read.bytes().begin());
    const std::size_t offOn = english::kOffOn.size();
    const std::pair<MenuField, std::size_t> lists[] = {
        {MenuField::resolution, camera::resolutionBits(read).size()},
        {MenuField::quality, english::kQuality.size()},
        {MenuField::coding_format, english::kCodingFormat.size()},
        {MenuField::split_time, camera::splitTimeBits(read).size()},
        {MenuField::loop_record, offOn},
        {MenuField::pre_record, offOn},
        {MenuField::infrared, english::kInfrared.size()},
        {MenuField::time_zone, english::kTimeZone.size()},
        {MenuField::volume, english::kVolume.size()},
        {MenuField::gps, offOn},
        {MenuField::rec_warning, offOn},
        {MenuField::photo_size, camera::photoSizeBits(read).size()},
        {MenuField::cellular_4g, offOn},
        {MenuField::wifi_mode, english::kWifiMode.size()},
        {MenuField::post_record, camera::postRecordBits(read).size()},
        {MenuField::auto_record, offOn},
        {MenuField::motion_detect, offOn},
        {MenuField::live_resolution, english::kLiveResolution.size()},
        {MenuField::live_coding_format, english::kCodingFormat.size()},
        {MenuField::g_sensor, english::kGSensor.size()},
        {MenuField::eis, offOn},
        {MenuField::aes_encryption, offOn},
    };
    MenuRecord written;
    for (const auto& [field, size] : lists) {
        written.select(field, selectionAfterGet(read.position(field), size));
    }
    EXPECT_TRUE(std::ranges::equal(written.bytes(), expected));
}

}  // namespace
