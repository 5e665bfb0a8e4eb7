#pragma once

#include <QTemporaryDir>

#include "context.h"
#include "mock_camera_library.h"
#include "recording_hand_over.h"
#include "scripted_message_boxes.h"

namespace testing_support {

// A fresh set of services for one window test, with the language file in a scratch directory.
struct TestContext {
    testing::NiceMock<MockCameraLibrary> camera;
    ScriptedMessageBoxes messageBoxes;
    RecordingHandOver handOver;
    camera::Session session;
    QTemporaryDir directory;
    app::Context context{camera, messageBoxes, handOver, session,
                         directory.filePath("Language.ini").toStdString()};
};

}  // namespace testing_support
