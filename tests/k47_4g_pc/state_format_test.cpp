#include "state_format.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "byte_text.h"

namespace {

using k47::CameraState;
using k47::Function;
using k47::Model;

std::string everyByte() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

TEST(StateFormat, EveryStateReadsBackAsItWasWritten) {
    CameraState odd = k47::factorySettings(Model::stc);
    odd.attached = false;
    odd.deviceAnswer = -3;
    odd.ssid = everyByte();
    odd.officerId = " padded ";
    odd.apnPassword = "back\\slash \"quoted\" ; # = [x]";
    odd.wifiStation = 255;
    odd.menuRecord.assign(56, 0xFF);
    odd.faults.failing = {Function::Init_Device, Function::Qumat_SetDefault};
    odd.faults.untouched = {k47::allFunctions().begin(), k47::allFunctions().end()};
    odd.faults.successFlags = {{Function::GetZFYInfo, 2}, {Function::SetMSDC, -1}};
    odd.faults.delays = {{Function::Init_Device, 0}, {Function::Qumat_SetNetConfig, 600000}};

    for (const CameraState& state : {k47::factorySettings(), odd}) {
        const auto text = k47::formatState(state);
        const auto parsed = k47::parseState(text);
        EXPECT_EQ(parsed.state, state) << parsed.error << "\n" << text;
    }
}

TEST(StateFormat, HandWrittenFileNeedsOnlyTheKeysItChanges) {
    const auto parsed = k47::parseState(
        "; a tester's file\r\n"
        "[faults]\r\n"
        "  fail = getzfyinfo , Qumat_GetTFVol,\r\n"
        "FLAG.qumat_login=5\r\n"
        "delay.Qumat_SetNetConfig = 250\r\n"
        "[CAMERA]\r\n"
        "model=stc\r\n"
        "Card=\\xC5\\x9Aroda 8 GB\r\n");
    ASSERT_TRUE(parsed.state) << parsed.error;
    CameraState expected = k47::factorySettings(Model::stc);
    expected.faults.failing = {Function::GetZFYInfo, Function::Qumat_GetTFVol};
    expected.faults.successFlags = {{Function::Qumat_Login, 5}};
    expected.faults.delays = {{Function::Qumat_SetNetConfig, 250}};
    expected.card =
        "\xC5\x9A"
        "roda 8 GB";
    EXPECT_EQ(*parsed.state, expected);
}

TEST(StateFormat, MistakesAreErrorsNamingTheirLine) {
    using namespace std::string_view_literals;
    const struct {
        std::string_view text;
        const char* error;
    } cases[] = {
        {"[Camera]\nAttached=2\n", "line 2: Attached=2 is not 1 or 0"},
        {"[Camera]\nModel=big\n", "line 2: Model must be common or stc"},
        {"[Camera]\nRecordings=-1\n", "line 2: Recordings=-1 is not a count"},
        {"[Camera]\nDeviceAnswer=12abc\n", "line 2: DeviceAnswer=12abc is not a whole number"},
        {"[Network]\nWifiStation=256\n", "line 2: WifiStation=256 is not a byte from 0 to 255"},
        {"[Cam]\n", "line 1: unknown section [Cam]"},
        {"[Camera]\nColour=red\n", "line 2: unknown key Colour in [Camera]"},
        {"Attached=1\n", "line 1: expected a [section] or a key=value line"},
        {"[Serial]\nNumber\n", "line 2: expected a [section] or a key=value line"},
        {"[Serial]\nNumber=1\nnumber=2\n", "line 3: key number appears twice"},
        {"[Serial]\nNumber=ab\\x4\n",
         "line 2: Number=ab\\x4 is not text, other bytes written as \\xHH"},
        {"[Serial]\nNumber=\\n\n", "line 2: Number=\\n is not text, other bytes written as \\xHH"},
        {"[Menu]\nRecord=9C 0G\n",
         "line 2: Record=9C 0G is not the model's record size in two-digit hex bytes"},
        {"[Camera]\nModel=stc\n[Menu]\nRecord=00 01\n",
         "line 4: Record=00 01 is not the model's record size in two-digit hex bytes"},
        {"[Faults]\nFail=GetZFYInfo,Format\n",
         "line 2: Fail=GetZFYInfo,Format is not function names separated by commas, or all"},
        {"[Faults]\nFlag.Format=1\n", "line 2: unknown key Flag.Format in [Faults]"},
        {"[Faults]\nFlag.SetMSDC=yes\n", "line 2: Flag.SetMSDC=yes is not a whole number"},
        {"[Faults]\nDelay.Format=1\n", "line 2: unknown key Delay.Format in [Faults]"},
        {"[Faults]\nDelay.SetMSDC=-1\n",
         "line 2: Delay.SetMSDC=-1 is not a number of milliseconds up to 600000"},
        {"[Faults]\nDelay.SetMSDC=600001\n",
         "line 2: Delay.SetMSDC=600001 is not a number of milliseconds up to 600000"},
        {"[Camera]\nCard=a\0b\n"sv, "the file is not a text file"},
    };
    for (const auto& c : cases) {
        const auto parsed = k47::parseState(c.text);
        EXPECT_FALSE(parsed.state) << c.text;
        EXPECT_EQ(parsed.error, c.error);
    }
}

TEST(StateFormat, TextEscapesKeepEveryByteAndRefuseMalformedEscapes) {
    EXPECT_EQ(k47::escapeText(" a\\b\"\x7F "), "\\x20a\\\\b\\x22\\x7F\\x20");
    EXPECT_EQ(k47::unescapeText(k47::escapeText(everyByte())), everyByte());
    for (const char* malformed : {"\\", "\\x", "\\x4", "\\xG0", "a\\tb"}) {
        EXPECT_FALSE(k47::unescapeText(malformed)) << malformed;
    }
}

TEST(StateFormat, HexBytesNeedTwoDigitsEach) {
    EXPECT_EQ(k47::hexBytes(std::vector<uint8_t>{0x9C, 0x02, 0xff}), "9C 02 FF");
    EXPECT_EQ(k47::parseHexBytes(" 9c\t02  FF "), (std::vector<uint8_t>{0x9C, 0x02, 0xFF}));
    EXPECT_EQ(k47::parseHexBytes(""), std::vector<uint8_t>{});
    for (const char* malformed : {"9C02", "9", "9C 2", "9C 0x"}) {
        EXPECT_FALSE(k47::parseHexBytes(malformed)) << malformed;
    }
}

}  // namespace
