#include "settings_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "edition.h"

namespace testing_support {

SettingsFixture::SettingsFixture() {
    EXPECT_TRUE(camera.connectAndLogIn());
    session.connected = 1;
    session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
}

void SettingsFixture::changeCamera(const std::function<void(k47::CameraState&)>& change) {
    auto state = camera.state();
    change(state);
    camera.setState(state);
}

void SettingsFixture::useModelOf(int edition) {
    const auto model = editions::edition(edition).model.usesLongMenuRecord() ? k47::Model::stc
                                                                             : k47::Model::common;
    changeCamera([model](k47::CameraState& state) {
        state.model = model;
        state.menuRecord = k47::factorySettings(model).menuRecord;
    });
}

settings::SettingsWindow& SettingsFixture::open(int edition, int deviceKind) {
    session.deviceKind = deviceKind;
    mark();
    window_ = std::make_unique<settings::SettingsWindow>(
        editions::edition(edition), loggedContext_ ? *loggedContext_ : context);
    return *window_;
}

void SettingsFixture::logChangesTo(const std::filesystem::path& file, int edition) {
    logged_ = std::make_unique<change_log::LoggingCameraLibrary>(camera, file);
    const auto& served = editions::edition(edition);
    logged_->serve(served.model,
                   {.frontEnd = "window", .edition = std::string(served.language.name)});
    loggedContext_ = std::make_unique<ui::Context>(
        ui::Context{{.camera = *logged_,
                     .messageBoxes = boxes,
                     .handOver = handOver,
                     .session = session,
                     .languageFile = directory / "Language.ini",
                     .changeRefusal = [this] { return logged_->failure(); }},
                    fontMeasures});
}

void SettingsFixture::click(std::string_view button) {
    // As a user would, though the serial-number buttons never show.
    find<QPushButton>(button)->click();
}

void SettingsFixture::type(std::string_view field, const QString& text) {
    QLineEdit* target = edit(field);
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, text);
}

QStringList SettingsFixture::entries(std::string_view name) const {
    QStringList result;
    const QComboBox* target = list(name);
    for (int index = 0; index < target->count(); ++index) {
        result << target->itemText(index);
    }
    return result;
}

void SettingsFixture::mark() {
    journalMark_ = camera.journal().size();
    boxes.clear();
}

std::vector<std::string> SettingsFixture::lines() const {
    const auto journal = camera.journal();
    return {journal.begin() + static_cast<std::ptrdiff_t>(journalMark_), journal.end()};
}

std::vector<std::string> SettingsFixture::calls() const {
    std::vector<std::string> names;
    for (const auto& line : lines()) {
        names.push_back(line.substr(0, line.find(' ')));
    }
    return names;
}

std::vector<std::vector<uint8_t>> SettingsFixture::sent(std::string_view function,
                                                        std::string_view argument) const {
    std::vector<std::vector<uint8_t>> records;
    const std::string prefix = std::string(function) + ' ';
    const std::string start = ' ' + std::string(argument) + "=[";
    for (const auto& line : lines()) {
        const auto at = line.find(start);
        if (!line.starts_with(prefix) || at == std::string::npos) {
            continue;
        }
        std::istringstream hex(
            line.substr(at + start.size(), line.find(']', at) - at - start.size()));
        std::vector<uint8_t> bytes;
        for (unsigned value = 0; hex >> std::hex >> value;) {
            bytes.push_back(static_cast<uint8_t>(value));
        }
        records.push_back(std::move(bytes));
    }
    return records;
}

}  // namespace testing_support
