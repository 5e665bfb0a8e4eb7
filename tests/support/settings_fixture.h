#pragma once

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "context.h"
#include "emulated_camera_library.h"
#include "frame_group.h"
#include "logging_camera_library.h"
#include "recording_hand_over.h"
#include "scripted_message_boxes.h"
#include "settings_window.h"
#include "temporary_directory.h"

namespace testing_support {

// Whether a widget shows as disabled: a frame greys its title alone, keeping its controls' states.
inline bool greyed(const QWidget& widget) {
    const auto* frame = dynamic_cast<const ui::FrameGroup*>(&widget);
    return frame != nullptr ? frame->titleGreyed() : !widget.isEnabled();
}

// A settings window over the emulated camera, opened as a successful login leaves the session,
// with the calls the camera received since it opened.
class SettingsFixture {
  public:
    SettingsFixture();

    // Changes the camera before the window reads it (or between two presses).
    void changeCamera(const std::function<void(k47::CameraState&)>& change);
    // A camera of the model the edition serves, from the factory.
    void useModelOf(int edition);

    settings::SettingsWindow& open(int edition, int deviceKind = 0);
    // From now on the window sees the camera through the change log in `file`, as the program's
    // windows do, in the edition's name.
    void logChangesTo(const std::filesystem::path& file, int edition);
    settings::SettingsWindow& window() { return *window_; }

    template <typename Widget>
    Widget* find(std::string_view name) const {
        auto* widget = window_->findChild<Widget*>(QString::fromUtf8(name.data(), name.size()));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* list(std::string_view name) const { return find<QComboBox>(name); }
    QLineEdit* edit(std::string_view name) const { return find<QLineEdit>(name); }
    void click(std::string_view button);
    // Replaces the field's text as a user types it, within its typing limit.
    void type(std::string_view field, const QString& text);
    QStringList entries(std::string_view list) const;

    // Forgets the calls and boxes so far.
    void mark();
    // The journal lines since the window opened or the last mark, and their function names.
    std::vector<std::string> lines() const;
    std::vector<std::string> calls() const;
    // The bytes of one argument of every call of the function, in call order.
    std::vector<std::vector<uint8_t>> sent(std::string_view function,
                                           std::string_view argument = "record") const;

    TemporaryDirectory directory;
    EmulatedCameraLibrary camera{directory.path()};
    ScriptedMessageBoxes boxes;
    RecordingHandOver handOver;
    window_logic::Session session;
    ui::FontMeasures fontMeasures;
    ui::Context context{{camera, boxes, handOver, session, directory / "Language.ini"},
                        fontMeasures};

  private:
    std::unique_ptr<change_log::LoggingCameraLibrary> logged_;
    std::unique_ptr<ui::Context> loggedContext_;
    std::unique_ptr<settings::SettingsWindow> window_;
    std::size_t journalMark_ = 0;
};

}  // namespace testing_support
