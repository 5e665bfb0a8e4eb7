#include "recording_hand_over.h"

#include "edition.h"

namespace testing_support {

void RecordingHandOver::runLoginWindow(const editions::Edition& edition) {
    runs_.push_back({Window::Login, edition.index});
}

void RecordingHandOver::runSettingsWindow(const editions::Edition& edition) {
    runs_.push_back({Window::Settings, edition.index});
}

}  // namespace testing_support
