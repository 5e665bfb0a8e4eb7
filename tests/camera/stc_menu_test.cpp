#include "stc_menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "mock_camera_library.h"

namespace {

using camera::StcMenuRecord;
using camera::StcMenuSettings;
using testing::_;
using Record = std::array<std::uint8_t, StcMenuRecord::kSize>;

constexpr std::size_t kEncryptionByte = 44;

// Every call, to the camera and to the window, in the order made.
using Events = std::vector<std::string>;

// Writes as a window does, noting the question, the outcome and the list shown.
void writeAsWindow(StcMenuSettings& settings, const std::function<int(int)>& selection,
                   Events& events, bool answer) {
    auto written = settings.write(selection);
    if (written.needsConfirmation) {
        events.push_back("ask");
        written.encryptionPosition = settings.confirm(answer);
    }
    events.push_back("report " + std::to_string(written.written));
    if (written.encryptionPosition) {
        events.push_back("show " + std::to_string(*written.encryptionPosition));
    }
    settings.completeWrite();
}

// A camera that gives `record` when `readOk`, and answers the first write with `firstWriteOk`
// and any later one with a failure, which nobody is told about.
struct Camera {
    Camera(const Record& record, bool readOk, bool firstWriteOk) {
        EXPECT_CALL(library, Qumat_GetMenuConfig(_, StcMenuRecord::kSize, _))
            .WillOnce([=](std::uint8_t* bytes, std::int32_t, std::int32_t* flag) {
                std::ranges::copy(record, bytes);
                if (readOk) {
                    *flag = 1;
                }
            });
        EXPECT_CALL(library, Qumat_SetMenuConfig(_, StcMenuRecord::kSize, _))
            .WillRepeatedly([=, this](const std::uint8_t* bytes, std::int32_t, std::int32_t* flag) {
                *flag = written.empty() && firstWriteOk ? 1 : 0;
                std::copy_n(bytes, StcMenuRecord::kSize, written.emplace_back().begin());
                events.push_back("write " + std::to_string(bytes[kEncryptionByte]));
            });
        EXPECT_CALL(library, Qumat_FormatTFCard).WillRepeatedly([this](const char* password, auto) {
            events.push_back("format " + std::string(password));
        });
    }

    testing::StrictMock<testing_support::MockCameraLibrary> library;
    std::vector<Record> written;
    Events events;
};

// Bytes 0-27 unlike any the program would make up, and value bytes unlike any selection.
Record fromCamera(std::uint8_t encryption) {
    Record record;
    for (std::size_t i = 0; i < record.size(); ++i) {
        record[i] = i < 28 ? static_cast<std::uint8_t>(0xC0 + 3 * i) : 9;
    }
    record[5] = 0xFF;
    record[kEncryptionByte] = encryption;
    return record;
}

// Every list but the encryption one: no selection for the first, a position past 8 bits for the
// last, list - 1 for the others.
int otherSelection(int list) {
    return list == 27 ? 300 : list - 1;
}

struct WriteCase {
    std::string_view name;
    std::uint8_t oldEncryption;
    int encryptionSelection;
    bool readOk;
    bool firstWriteOk;
    bool answer;
    Events expected;
};

TEST(StcMenuSettingsTest, WriteGuardsTheEncryptionOption) {
    // clang-format off
    const WriteCase cases[] = {
        {"unchanged", 1, 1, true, true, false, {"write 1", "report 1"}},
        {"unchanged, write fails", 0, 0, true, false, true, {"write 0", "report 0"}},
        {"not offered, no selection", 0xFF, -1, true, true, true, {"write 255", "report 1"}},
        {"changed, No", 0, 1, true, true, false,
         {"write 1", "ask", "report 1", "show 0", "write 0"}},
        {"changed, Yes", 0, 1, true, true, true,
         {"write 1", "ask", "format 123456", "report 1", "show 1", "write 1"}},
        {"not offered, selected, No", 0xFF, 0, true, true, false,
         {"write 0", "ask", "report 1", "show -1", "write 255"}},
        {"changed, first write fails", 1, 0, true, false, true, {"write 0", "report 0", "show 1"}},
        {"read fails", 0, 1, false, true, true, {"report 0"}},
    };
    // clang-format on
    for (const WriteCase& test : cases) {
        SCOPED_TRACE(test.name);
        const Record read = fromCamera(test.oldEncryption);
        Camera camera(read, test.readOk, test.firstWriteOk);
        camera::Session session;
        std::ranges::copy(std::string_view("123456"), session.loginPassword.begin());
        StcMenuSettings settings(camera.library, session);

        writeAsWindow(
            settings,
            [&](int list) {
                return list == camera::kStcEncryptionList ? test.encryptionSelection
                                                          : otherSelection(list);
            },
            camera.events, test.answer);

        EXPECT_EQ(camera.events, test.expected);
        for (const Record& written : camera.written) {
            Record expected = read;
            for (int list = 0; list < StcMenuRecord::kListCount; ++list) {
                expected[28 + list] = list == 0 ? read[28] : static_cast<std::uint8_t>(list - 1);
            }
            expected[55] = 44;
            expected[kEncryptionByte] = written[kEncryptionByte];
            EXPECT_EQ(written, expected);
        }
    }
}

TEST(StcMenuSettingsTest, ReadSelectsSignedPositionsAndDisablesUnofferedLists) {
    Record record = fromCamera(0xFF);
    record[28] = 5;
    record[31] = 0xFF;
    record[48] = 0x80;
    record[55] = 0x7F;
    Camera camera(record, true, true);
    camera::Session session;
    const auto changes = StcMenuSettings(camera.library, session).read();

    ASSERT_TRUE(changes);
    ASSERT_EQ(changes->size(), 28u);
    for (int list = 0; list < 28; ++list) {
        const auto& change = (*changes)[static_cast<std::size_t>(list)];
        const std::optional<int> position = list == 0    ? 5
                                            : list == 20 ? -128
                                            : list == 27 ? 127
                                                         : 9;
        const bool offered = list != 3 && list != 16;
        EXPECT_EQ(std::tuple(change.list, change.position, change.disable),
                  std::tuple(list, offered ? position : std::nullopt, !offered))
            << list;
    }
}

TEST(StcMenuSettingsTest, FailedReadGivesNoChanges) {
    Camera camera(fromCamera(0), false, true);
    camera::Session session;
    EXPECT_FALSE(StcMenuSettings(camera.library, session).read());
}

// A list the camera once marked as not offered goes back with the marker, whatever it shows.
TEST(StcMenuSettingsTest, ListsReadAsNotOfferedAreWrittenBackAsNotOffered) {
    Record record = fromCamera(0xFF);
    record[33] = 0xFF;
    Camera camera(record, true, true);
    EXPECT_CALL(camera.library, Qumat_GetMenuConfig(_, StcMenuRecord::kSize, _))
        .WillOnce([&](std::uint8_t* bytes, std::int32_t, std::int32_t* flag) {
            std::ranges::copy(record, bytes);
            *flag = 1;
        })
        .RetiresOnSaturation();
    camera::Session session;
    StcMenuSettings settings(camera.library, session);
    ASSERT_TRUE(settings.read());
    writeAsWindow(
        settings, [](int) { return 1; }, camera.events, true);
    EXPECT_EQ(camera.events, (Events{"write 255", "report 1"}));
    EXPECT_EQ(camera.written[0][33], 0xFF);
    EXPECT_EQ(camera.written[0][34], 1);
}

}  // namespace
