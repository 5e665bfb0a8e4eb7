#include "settings_layout.h"

#include "password_settings.h"
#include "serial_number_settings.h"
#include "stc_menu.h"
#include "stc_menu_texts.h"

namespace editions {
namespace {

using T = SettingsText;

class LayoutMaker {
  public:
    explicit LayoutMaker(const Edition& edition) : edition_(edition) {}

    std::string_view text(T key) const { return edition_.layoutTexts[key]; }

    LayoutField edit(std::string_view name, T label) const {
        return {name, text(label), ControlKind::textField};
    }
    LayoutField list(std::string_view name, T label) const {
        return {name, text(label), ControlKind::list};
    }
    LayoutField value(std::string_view name, T label, std::string_view initialText) const {
        return {.name = name,
                .label = text(label),
                .kind = ControlKind::valueLabel,
                .initialText = initialText};
    }
    LayoutButton button(std::string_view role, T caption) const { return {role, text(caption)}; }

    // A hidden row of one list, when the edition has it.
    void addHiddenListRow(std::vector<LayoutRow>& rows, std::string_view name, T label,
                          std::vector<std::string_view> presetEntries = {}) const {
        if (!text(label).empty()) {
            LayoutField field = list(name, label);
            field.presetEntries = std::move(presetEntries);
            rows.push_back({.fields = {field}, .hidden = true});
        }
    }

    LayoutFrame identity() const {
        return {
            .role = "identityFrame",
            .title = text(T::identityFrame),
            .rows = {{{edit("deviceId", T::deviceIdLabel)}},
                     {{edit("officerId", T::officerIdLabel)}}},
            .buttons = {button("identityGetButton", T::get), button("identitySetButton", T::set)}};
    }

    LayoutFrame password() const {
        return {.role = "passwordFrame",
                .title = text(T::passwordFrame),
                .rows = {{{edit("oldPassword", T::oldPasswordLabel)}},
                         {{edit("newPassword", T::newPasswordLabel)}}},
                .buttons = {button("passwordGetButton", T::get),
                            button("passwordModifyButton", T::modify)}};
    }

    LayoutFrame camera() const {
        return {.role = "cameraFrame",
                .title = text(T::cameraFrame),
                .rows = {{{value("card", T::cardLabel, kCardCapacityPlaceholder)}},
                         {{value("firmware", T::firmwareLabel, kFirmwarePlaceholder)}},
                         {.fields = {edit("serialNumber", T::serialNumberLabel)},
                          .buttons = {button("serialNumberSetButton", T::serialNumberSet),
                                      button("serialNumberGetButton", T::serialNumberGet)},
                          .hidden = true}},
                .buttons = {button("setDefaultButton", T::setDefault),
                            button("setTimeButton", T::setTime),
                            button("enterUDiskButton", T::enterUDisk)}};
    }

    LayoutFrame network() const {
        LayoutFrame frame{.role = "networkFrame", .title = text(T::networkFrame)};
        // A sorted list made with "STA" and then "AP".
        addHiddenListRow(frame.rows, "mode", T::modeLabel, {"AP", "STA"});
        LayoutField apnPassword = edit("apnPassword", T::apnPasswordLabel);
        apnPassword.labelHidden = edition_.hidesApnPasswordLabel;
        frame.frames = {
            {.role = "wifiFrame",
             .title = text(T::wifiFrame),
             .rows = {{{edit("ssid", T::ssidLabel), edit("wifiPassword", T::wifiPasswordLabel)}}}},
            {.role = "cellularFrame",
             .title = text(T::cellularFrame),
             .rows = {{{edit("apn", T::apnLabel), edit("pin", T::pinLabel)}},
                      {{edit("apnUser", T::apnUserLabel), apnPassword}}}},
            {.role = "serverFrame",
             .title = text(T::serverFrame),
             .rows = {{{edit("serverIp", T::serverIpLabel),
                        edit("serverPort", T::serverPortLabel)}}}},
        };
        frame.buttons = {button("networkGetButton", T::get), button("networkSetButton", T::set)};
        return frame;
    }

    LayoutFrame cameraConfig() const {
        LayoutFrame frame{
            .role = "cameraConfigFrame",
            .title = text(T::cameraConfigFrame),
            .columns =
                {{list("resolution", T::resolutionLabel), list("quality", T::qualityLabel),
                  list("codingFormat", T::codingFormatLabel), list("splitTime", T::splitTimeLabel),
                  list("loopRecord", T::loopRecordLabel), list("preRecord", T::preRecordLabel)},
                 {list("infrared", T::infraredLabel), list("timeZone", T::timeZoneLabel),
                  list("volume", T::volumeLabel), list("gps", T::gpsLabel),
                  list("recWarning", T::recWarningLabel), list("gSensor", T::gSensorLabel)},
                 {list("cellular4g", T::cellularLabel), list("wifi", T::wifiLabel),
                  list("postRecord", T::postRecordLabel), list("autoRecord", T::autoRecordLabel),
                  list("motionDetect", T::motionDetectLabel), list("photoSize", T::photoSizeLabel),
                  list("eis", T::eisLabel), list("aesEncryption", T::aesEncryptionLabel)}},
            .frames = {{.role = "liveStreamFrame",
                        .title = text(T::liveStreamFrame),
                        .rows = {{{list("liveResolution", T::liveResolutionLabel),
                                   list("liveCodingFormat", T::liveCodingFormatLabel)}}}}},
            .buttons = {button("menuGetButton", T::get), button("menuSetButton", T::set)}};
        addHiddenListRow(frame.lowerRows, "videoStamp", T::videoStampLabel);
        addHiddenListRow(frame.lowerRows, "powerButton", T::powerButtonLabel);
        addHiddenListRow(frame.lowerRows, "recordButton", T::recordButtonLabel);
        addHiddenListRow(frame.lowerRows, "photoButton", T::photoButtonLabel);
        return frame;
    }

    // The other camera model's menu: its lists in three columns, the live-stream pair below.
    LayoutFrame stcMenu() const {
        const auto lists = stcMenuLists();
        const auto field = [](const StcMenuList& menuList) {
            return LayoutField{menuList.role, menuList.label, ControlKind::list};
        };
        LayoutFrame frame{.role = "cameraConfigFrame",
                          .title = text(T::cameraConfigFrame),
                          .columns = {{}, {}, {}}};
        constexpr std::size_t kColumnStarts[] = {0, 9, 18, camera::kStcLiveResolutionList};
        for (std::size_t column = 0; column < 3; ++column) {
            for (std::size_t index = kColumnStarts[column]; index < kColumnStarts[column + 1];
                 ++index) {
                frame.columns[column].push_back(field(lists[index]));
            }
        }
        frame.frames = {{.role = "liveStreamFrame",
                         .title = text(T::liveStreamFrame),
                         .rows = {{{field(lists[camera::kStcLiveResolutionList]),
                                    field(lists[camera::kStcLiveCodecList])}}}}};
        frame.buttons = {button("menuGetButton", T::get), button("menuSetButton", T::set)};
        return frame;
    }

  private:
    const Edition& edition_;
};

// Which device kinds disable a control.
enum Kinds { kindOne = 1, kindTwo = 2, kindOneAndTwo = 3 };

struct Restriction {
    std::string name;
    int kinds;
};

void addFieldAndLabel(std::vector<Restriction>& restrictions, std::string_view name,
                      std::string_view suffix, int kinds) {
    restrictions.push_back({std::string(name) + std::string(suffix), kinds});
    restrictions.push_back({std::string(name) + "Label", kinds});
}

// Both camera models lose the 4G and server settings with device kind 1, and Wi-Fi and live
// streaming too with kind 2; they differ in a few labels.
std::vector<Restriction> restrictions(const Edition& edition) {
    std::vector<Restriction> result{{"cellularFrame", kindOneAndTwo},
                                    {"serverFrame", kindOneAndTwo},
                                    {"networkGetButton", kindTwo},
                                    {"networkSetButton", kindTwo}};
    for (const std::string_view name : {"apn", "pin", "apnPassword", "serverIp", "serverPort"}) {
        addFieldAndLabel(result, name, "Edit", kindOneAndTwo);
    }
    for (const std::string_view name : {"ssid", "wifiPassword"}) {
        addFieldAndLabel(result, name, "Edit", kindTwo);
    }
    result.push_back({"apnUserEdit", kindOneAndTwo});
    if (!edition.exchangesLongMenuRecord) {
        result.push_back({"apnUserLabel", kindOneAndTwo});
        result.push_back({"cellular4gList", kindOneAndTwo});
        result.push_back({"cellular4gLabel", kindOne});
        for (const std::string_view list :
             {"wifiList", "liveResolutionList", "liveCodingFormatList"}) {
            result.push_back({std::string(list), kindTwo});
        }
        return result;
    }
    const auto lists = stcMenuLists();
    result.push_back({"apnUserLabel", kindOne});
    addFieldAndLabel(result, lists[camera::kStcCellular4gList].role, "List", kindOneAndTwo);
    for (const std::size_t list :
         {camera::kStcWifiList, camera::kStcLiveResolutionList, camera::kStcLiveCodecList}) {
        addFieldAndLabel(result, lists[list].role, "List", kindTwo);
    }
    return result;
}

}  // namespace

int typingLimit(const Edition& edition, std::string_view control, int deviceKind) {
    if (control == "deviceIdEdit") {
        // A common-model camera with 4G or Wi-Fi takes a shorter device ID.
        return edition.deviceIdLimitFollowsDeviceKind && deviceKind != 0 ? 5 : 7;
    }
    if (control == "officerIdEdit") {
        return edition.officerIdWidth == camera::OfficerIdWidth::sevenBytes ? 7 : 6;
    }
    if (control == "serialNumberEdit") {
        return edition.readsSerialNumber
                   ? static_cast<int>(camera::SerialNumberSettings::kMaximumLength)
                   : 0;
    }
    static constexpr std::pair<std::string_view, int> kFixed[] = {
        {"ssidEdit", 16},
        {"wifiPasswordEdit", 16},
        {"apnEdit", 32},
        {"pinEdit", 8},
        {"serverIpEdit", 16},
        {"serverPortEdit", 8},
        {"apnUserEdit", 32},
        {"apnPasswordEdit", 32},
        {"newPasswordEdit", static_cast<int>(camera::PasswordSettings::kLength)}};
    for (const auto& [name, limit] : kFixed) {
        if (name == control) {
            return limit;
        }
    }
    return 0;
}

std::vector<std::string> disabledByDeviceKind(const Edition& edition, int deviceKind) {
    const int kind = deviceKind == 1 ? kindOne : deviceKind == 2 ? kindTwo : 0;
    std::vector<std::string> names;
    for (auto& restriction : restrictions(edition)) {
        if ((restriction.kinds & kind) != 0) {
            names.push_back(std::move(restriction.name));
        }
    }
    return names;
}

SettingsLayout settingsLayout(const Edition& edition) {
    const LayoutMaker maker(edition);
    return {.top = {maker.identity(), maker.password(), maker.camera()},
            .bottom = {maker.network(),
                       edition.exchangesLongMenuRecord ? maker.stcMenu() : maker.cameraConfig()}};
}

}  // namespace editions
