#pragma once

#include "context.h"
#include "mock_camera_library.h"
#include "recording_hand_over.h"
#include "scripted_message_boxes.h"
#include "temporary_directory.h"

namespace testing_support {

// A fresh set of services for one window test, with the language file in a scratch directory.
struct TestContext {
    testing::NiceMock<MockCameraLibrary> camera;
    ScriptedMessageBoxes messageBoxes;
    RecordingHandOver handOver;
    window_logic::Session session;
    TemporaryDirectory directory;
    ui::FontMeasures fontMeasures;
    ui::Context context{{camera, messageBoxes, handOver, session, directory / "Language.ini"},
                        fontMeasures};
};

}  // namespace testing_support
