#include "settings_layout.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "setting_keys.h"
#include "stc_menu.h"
#include "stc_menu_texts.h"

namespace editions {
namespace {

using T = SettingsText;
using camera::CatalogueRow;
using camera::disabledFor;
using camera::kKindOne;
using camera::kKindOneAndTwo;
using camera::kKindTwo;
namespace keys = camera::keys;

// "apn_user" -> "apnUser".
std::string camelCase(std::string_view key) {
    std::string name;
    bool upper = false;
    for (const char c : key) {
        if (c == '_') {
            upper = true;
        } else {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        }
    }
    return name;
}

class LayoutMaker {
  public:
    explicit LayoutMaker(const Edition& edition) : edition_(edition), model_(edition.model) {}

    std::string_view text(T key) const { return edition_.language.layoutTexts[key]; }

    LayoutField setting(const CatalogueRow& row, ControlKind kind, std::string_view label) const {
        return {.name = camelCase(row.key), .label = label, .kind = kind, .row = &row};
    }
    LayoutField edit(std::string_view key, T label) const {
        return setting(model_.rowAt(key), ControlKind::textField, text(label));
    }
    LayoutField list(std::string_view key, T label) const {
        return setting(model_.rowAt(key), ControlKind::list, text(label));
    }
    LayoutField value(std::string_view key, T label, std::string_view initialText) const {
        LayoutField field = setting(model_.rowAt(key), ControlKind::valueLabel, text(label));
        field.initialText = initialText;
        return field;
    }
    LayoutField windowField(WindowField field, std::string_view name, ControlKind kind,
                            T label) const {
        return {
            .name = std::string(name), .label = text(label), .kind = kind, .windowField = field};
    }
    LayoutButton button(Button role, T caption, unsigned disabledByKinds = 0) const {
        return {role, text(caption), disabledByKinds};
    }

    // A hidden row of one list, when the edition has it.
    void addHiddenListRow(std::vector<LayoutRow>& rows, WindowField field, std::string_view name,
                          T label, std::vector<std::string_view> presetEntries = {}) const {
        if (!text(label).empty()) {
            LayoutField hidden = windowField(field, name, ControlKind::list, label);
            hidden.presetEntries = std::move(presetEntries);
            rows.push_back({.fields = {hidden}, .hidden = true});
        }
    }

    LayoutFrame identity() const {
        return {
            .role = "identityFrame",
            .title = text(T::identityFrame),
            .rows = {{{edit(keys::kDeviceId, T::deviceIdLabel)}},
                     {{edit(keys::kOfficerId, T::officerIdLabel)}}},
            .buttons = {button(Button::identityGet, T::get), button(Button::identitySet, T::set)}};
    }

    LayoutFrame password() const {
        return {.role = "passwordFrame",
                .title = text(T::passwordFrame),
                .rows = {{{windowField(WindowField::oldPassword, "oldPassword",
                                       ControlKind::textField, T::oldPasswordLabel)}},
                         {{windowField(WindowField::newPassword, "newPassword",
                                       ControlKind::textField, T::newPasswordLabel)}}},
                .buttons = {button(Button::passwordGet, T::get),
                            button(Button::passwordModify, T::modify)}};
    }

    LayoutFrame camera() const {
        // A model that never reads the serial number keeps its hidden field all the same.
        const CatalogueRow* serialNumber = model_.row(keys::kSerialNumber);
        LayoutField serialNumberField =
            serialNumber != nullptr
                ? setting(*serialNumber, ControlKind::textField, text(T::serialNumberLabel))
                : LayoutField{.name = camelCase(keys::kSerialNumber),
                              .label = text(T::serialNumberLabel),
                              .kind = ControlKind::textField};
        return {.role = "cameraFrame",
                .title = text(T::cameraFrame),
                .rows = {{{value(keys::kCard, T::cardLabel, kCardCapacityPlaceholder)}},
                         {{value(keys::kFirmware, T::firmwareLabel, kFirmwarePlaceholder)}},
                         {.fields = {serialNumberField},
                          .buttons = {button(Button::serialNumberSet, T::serialNumberSet),
                                      button(Button::serialNumberGet, T::serialNumberGet)},
                          .hidden = true}},
                .buttons = {button(Button::setDefault, T::setDefault),
                            button(Button::setTime, T::setTime),
                            button(Button::enterUDisk, T::enterUDisk)}};
    }

    LayoutFrame network() const {
        LayoutFrame frame{.role = "networkFrame", .title = text(T::networkFrame)};
        // A sorted list made with "STA" and then "AP".
        addHiddenListRow(frame.rows, WindowField::networkMode, "mode", T::modeLabel, {"AP", "STA"});
        LayoutField apnUser = edit(keys::kApnUser, T::apnUserLabel);
        if (model_.usesLongMenuRecord()) {
            // That model's window greys the label for the first kind only.
            apnUser.labelDisabledByKinds = kKindOne;
        }
        LayoutField apnPassword = edit(keys::kApnPassword, T::apnPasswordLabel);
        apnPassword.labelHidden = edition_.language.hidesApnPasswordLabel;
        frame.frames = {
            {.role = "wifiFrame",
             .title = text(T::wifiFrame),
             .rows = {{{edit(keys::kSsid, T::ssidLabel),
                        edit(keys::kWifiPassword, T::wifiPasswordLabel)}}}},
            {.role = "cellularFrame",
             .title = text(T::cellularFrame),
             .disabledByKinds = kKindOneAndTwo,
             .rows = {{{edit(keys::kApn, T::apnLabel), edit(keys::kPin, T::pinLabel)}},
                      {{apnUser, apnPassword}}}},
            {.role = "serverFrame",
             .title = text(T::serverFrame),
             .disabledByKinds = kKindOneAndTwo,
             .rows = {{{edit(keys::kServerIp, T::serverIpLabel),
                        edit(keys::kServerPort, T::serverPortLabel)}}}},
        };
        frame.buttons = {button(Button::networkGet, T::get, kKindTwo),
                         button(Button::networkSet, T::set, kKindTwo)};
        return frame;
    }

    LayoutFrame cameraConfig() const {
        // The common model's window greys the 4G label for the first kind only, and never the
        // labels of the Wi-Fi and live-stream lists.
        LayoutField cellular = list(keys::kCellular4g, T::cellularLabel);
        cellular.labelDisabledByKinds = kKindOne;
        const auto keepLabel = [](LayoutField field) {
            field.labelDisabledByKinds = 0;
            return field;
        };
        LayoutFrame frame{
            .role = "cameraConfigFrame",
            .title = text(T::cameraConfigFrame),
            .columns = {{list(keys::kResolution, T::resolutionLabel),
                         list(keys::kQuality, T::qualityLabel),
                         list(keys::kCodingFormat, T::codingFormatLabel),
                         list(keys::kSplitTime, T::splitTimeLabel),
                         list(keys::kLoopRecord, T::loopRecordLabel),
                         list(keys::kPreRecord, T::preRecordLabel)},
                        {list(keys::kInfrared, T::infraredLabel),
                         list(keys::kTimeZone, T::timeZoneLabel),
                         list(keys::kVolume, T::volumeLabel), list(keys::kGps, T::gpsLabel),
                         list(keys::kRecWarning, T::recWarningLabel),
                         list(keys::kGSensor, T::gSensorLabel)},
                        {cellular, keepLabel(list(keys::kWifiMode, T::wifiLabel)),
                         list(keys::kPostRecord, T::postRecordLabel),
                         list(keys::kAutoRecord, T::autoRecordLabel),
                         list(keys::kMotionDetect, T::motionDetectLabel),
                         list(keys::kPhotoSize, T::photoSizeLabel), list(keys::kEis, T::eisLabel),
                         list(keys::kAesEncryption, T::aesEncryptionLabel)}},
            .frames = {{.role = "liveStreamFrame",
                        .title = text(T::liveStreamFrame),
                        .rows = {{{keepLabel(list(keys::kLiveResolution, T::liveResolutionLabel)),
                                   keepLabel(list(keys::kLiveCodingFormat,
                                                  T::liveCodingFormatLabel))}}}}},
            .buttons = {button(Button::menuGet, T::get), button(Button::menuSet, T::set)}};
        addHiddenListRow(frame.lowerRows, WindowField::videoStamp, "videoStamp",
                         T::videoStampLabel);
        addHiddenListRow(frame.lowerRows, WindowField::powerButton, "powerButton",
                         T::powerButtonLabel);
        addHiddenListRow(frame.lowerRows, WindowField::recordButton, "recordButton",
                         T::recordButtonLabel);
        addHiddenListRow(frame.lowerRows, WindowField::photoButton, "photoButton",
                         T::photoButtonLabel);
        return frame;
    }

    // The other camera model's menu: its lists in three columns, the live-stream pair below.
    LayoutFrame stcMenu() const {
        const auto lists = stcMenuLists();
        const auto field = [this, lists](int list) {
            const auto& row = *std::ranges::find_if(model_.catalogue, [list](const auto& row) {
                return row.isList() && row.slot == list;
            });
            return setting(row, ControlKind::list, lists[static_cast<std::size_t>(list)].label);
        };
        LayoutFrame frame{.role = "cameraConfigFrame",
                          .title = text(T::cameraConfigFrame),
                          .columns = {{}, {}, {}}};
        constexpr int kColumnStarts[] = {0, 9, 18, camera::kStcLiveResolutionList};
        for (std::size_t column = 0; column < 3; ++column) {
            for (int list = kColumnStarts[column]; list < kColumnStarts[column + 1]; ++list) {
                frame.columns[column].push_back(field(list));
            }
        }
        frame.frames = {{.role = "liveStreamFrame",
                         .title = text(T::liveStreamFrame),
                         .rows = {{{field(camera::kStcLiveResolutionList),
                                    field(camera::kStcLiveCodecList)}}}}};
        frame.buttons = {button(Button::menuGet, T::get), button(Button::menuSet, T::set)};
        return frame;
    }

  private:
    const Edition& edition_;
    const camera::CameraModel& model_;
};

void addDisabled(const LayoutFrame& frame, int deviceKind, std::vector<std::string>& names) {
    if (disabledFor(frame.disabledByKinds, deviceKind)) {
        names.emplace_back(frame.role);
    }
    const auto addFields = [&](const std::vector<LayoutField>& fields) {
        for (const auto& field : fields) {
            if (disabledFor(field.disabledByKinds(), deviceKind)) {
                names.push_back(controlName(field));
            }
            if (disabledFor(field.labelDisabledKinds(), deviceKind)) {
                names.push_back(labelName(field));
            }
        }
    };
    const auto addButtons = [&](const std::vector<LayoutButton>& buttons) {
        for (const auto& button : buttons) {
            if (disabledFor(button.disabledByKinds, deviceKind)) {
                names.emplace_back(buttonName(button.role));
            }
        }
    };
    for (const auto* rows : {&frame.rows, &frame.lowerRows}) {
        for (const auto& row : *rows) {
            addFields(row.fields);
            addButtons(row.buttons);
        }
    }
    for (const auto& column : frame.columns) {
        addFields(column);
    }
    for (const auto& inner : frame.frames) {
        addDisabled(inner, deviceKind, names);
    }
    addButtons(frame.buttons);
}

// The field of the frame, or of a frame within it, that shows `row`.
const LayoutField* fieldShowing(const LayoutFrame& frame, const camera::CatalogueRow& row) {
    std::vector<const std::vector<LayoutField>*> lines;
    for (const auto* rows : {&frame.rows, &frame.lowerRows}) {
        for (const auto& line : *rows) {
            lines.push_back(&line.fields);
        }
    }
    for (const auto& column : frame.columns) {
        lines.push_back(&column);
    }
    for (const auto* fields : lines) {
        const auto found = std::ranges::find(*fields, &row, &LayoutField::row);
        if (found != fields->end()) {
            return &*found;
        }
    }
    for (const auto& inner : frame.frames) {
        if (const auto* field = fieldShowing(inner, row)) {
            return field;
        }
    }
    return nullptr;
}

}  // namespace

std::string_view settingLabel(const Edition& edition, const camera::CatalogueRow& row) {
    const auto layout = settingsLayout(edition);
    for (const auto* frames : {&layout.top, &layout.bottom}) {
        for (const auto& frame : *frames) {
            if (const auto* field = fieldShowing(frame, row)) {
                return field->label;
            }
        }
    }
    return {};
}

std::string controlName(const LayoutField& field) {
    constexpr std::string_view kSuffixes[] = {"Edit", "List", "Value"};
    return field.name + std::string(kSuffixes[static_cast<std::size_t>(field.kind)]);
}

std::string labelName(const LayoutField& field) {
    return field.name + "Label";
}

std::string_view buttonName(Button button) {
    static constexpr std::array<std::string_view, kButtonCount> kNames{
        "identityGetButton",    "identitySetButton",     "passwordGetButton",
        "passwordModifyButton", "serialNumberSetButton", "serialNumberGetButton",
        "setDefaultButton",     "setTimeButton",         "enterUDiskButton",
        "networkGetButton",     "networkSetButton",      "menuGetButton",
        "menuSetButton"};
    return kNames[static_cast<std::size_t>(button)];
}

std::vector<std::string> disabledByDeviceKind(const Edition& edition, int deviceKind) {
    const auto layout = settingsLayout(edition);
    std::vector<std::string> names;
    for (const auto* frames : {&layout.top, &layout.bottom}) {
        for (const auto& frame : *frames) {
            addDisabled(frame, deviceKind, names);
        }
    }
    return names;
}

SettingsLayout settingsLayout(const Edition& edition) {
    const LayoutMaker maker(edition);
    return {.top = {maker.identity(), maker.password(), maker.camera()},
            .bottom = {maker.network(), edition.model.usesLongMenuRecord() ? maker.stcMenu()
                                                                           : maker.cameraConfig()}};
}

}  // namespace editions
