// The memory-card format, the one action that destroys recordings, on every path of both
// recording-settings writes: only after a successful write that changes the encryption option,
// and a Yes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "mock_camera_library.h"
#include "recording_settings.h"
#include "stc_menu.h"

namespace {

using testing::_;

// Writes as a front end does, answering the question, if asked, with `yes`; true when asked.
template <typename Settings, typename Selection>
bool writeAnswering(Settings& settings, const Selection& selection, bool yes) {
    const auto written = settings.write(selection);
    if (written.needsConfirmation) {
        settings.confirm(yes);
    }
    settings.completeWrite();
    return written.needsConfirmation;
}

// A camera whose menu record holds `encryption` at `byte`, answering reads and writes as told,
// and counting formats.
struct Camera {
    Camera(std::size_t size, std::size_t byte, uint8_t encryption, bool readOk, bool writeOk) {
        ON_CALL(library, Qumat_GetMenuConfig(_, static_cast<int32_t>(size), _))
            .WillByDefault([=](uint8_t* record, int32_t, int32_t* flag) {
                std::fill_n(record, size, 0);
                record[byte] = encryption;
                *flag = readOk ? 1 : 0;
            });
        ON_CALL(library, Qumat_SetMenuConfig(_, static_cast<int32_t>(size), _))
            .WillByDefault(
                [=](const uint8_t*, int32_t, int32_t* flag) { *flag = writeOk ? 1 : 0; });
        ON_CALL(library, Qumat_FormatTFCard(_, _)).WillByDefault([this](const char*, int32_t*) {
            ++formats;
        });
    }
    testing::NiceMock<testing_support::MockCameraLibrary> library;
    int formats = 0;
};

TEST(EncryptionGuardTest, CommonModelFormatsOnlyAfterASuccessfulChangingWriteAndAYes) {
    int paths = 0;
    for (const int known : {-1, 0, 1}) {
        for (const int choice : {-1, 0, 1}) {
            for (const bool writeOk : {false, true}) {
                for (const bool yes : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "known " << known << " choice " << choice
                                                    << " write " << writeOk << " yes " << yes);
                    Camera camera(32, 27, 0, true, writeOk);
                    camera::Session session;
                    camera::LastRead lastRead{.encryptionOption = known};
                    camera::RecordingSettings settings(camera.library, session, lastRead);
                    // Nothing is written over a record never read.
                    ASSERT_TRUE(settings.read());
                    lastRead.encryptionOption = known;
                    const bool asked = writeAnswering(
                        settings,
                        [&](camera::MenuField field) {
                            return field == camera::MenuField::aes_encryption ? choice : 0;
                        },
                        yes);
                    // No selection is no change.
                    const bool changes = known != -1 && writeOk && choice != -1 && choice != known;
                    EXPECT_EQ(asked, changes);
                    EXPECT_EQ(camera.formats, changes && yes ? 1 : 0);
                    ++paths;
                }
            }
        }
    }
    EXPECT_EQ(paths, 36);
}

TEST(EncryptionGuardTest, OtherModelFormatsOnlyAfterASuccessfulChangingWriteAndAYes) {
    for (const uint8_t old : {uint8_t{0}, uint8_t{1}, uint8_t{0xFF}}) {
        for (const int choice : {-1, 0, 1}) {
            for (const bool readOk : {false, true}) {
                for (const bool writeOk : {false, true}) {
                    for (const bool yes : {false, true}) {
                        SCOPED_TRACE(testing::Message()
                                     << "old " << int{old} << " choice " << choice << " read "
                                     << readOk << " write " << writeOk << " yes " << yes);
                        Camera camera(56, 44, old, readOk, writeOk);
                        camera::Session session;
                        camera::StcMenuSettings settings(camera.library, session);
                        const bool asked = writeAnswering(
                            settings,
                            [&](int list) {
                                return list == camera::kStcEncryptionList ? choice : 0;
                            },
                            yes);
                        // No selection keeps the byte the camera holds.
                        const bool changes = readOk && writeOk && choice >= 0 &&
                                             camera::encodeSelection(choice) != old;
                        EXPECT_EQ(asked, changes);
                        EXPECT_EQ(camera.formats, changes && yes ? 1 : 0);
                    }
                }
            }
        }
    }
}

}  // namespace
