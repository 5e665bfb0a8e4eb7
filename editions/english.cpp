#include "edition_records.h"

namespace editions {

namespace {

const Language& englishLanguage() {
    using T = SettingsText;
    static const Language kLanguage{
        .name = "English",
        .loginSize = {383, 205},
        .bannerResource = ":/banners/english.bmp",
        .relabelsConnectFailBox = false,
        .login =
            {
                .caption = "Attention!",
                .connectFail = "Connect Fail",
                .connectDeviceFirst = "Connect Device First",
                .wrongPasswordLength = "Wrong password number",
                .loginSuccessful = "Login Successfully",
                .wrongPassword = "Wrong password ",
                .userTypeLabel = "User Type :",
                .passwordLabel = "Password :",
                .connectButton = "Connect",
                .connectedButton = "Connected",
                .loginButton = "Login",
                .userTypes = {"Administrator", "User"},
                .languageLabel = "Language :",
                .languages = {"English", "Russian", "French", "Spanish"},
            },
        .layoutTexts =
            {
                {T::identityFrame, "ID Information"},
                {T::deviceIdLabel, "Device ID :"},
                {T::officerIdLabel, "Officer ID :"},
                {T::get, "Get"},
                {T::set, "Set"},
                {T::passwordFrame, "Password"},
                {T::oldPasswordLabel, "Old Password :"},
                {T::newPasswordLabel, "New Password:"},
                {T::modify, "Modify"},
                {T::cameraFrame, "Camera"},
                {T::cardLabel, "TF :"},
                {T::firmwareLabel, "FW Version:"},
                {T::serialNumberLabel, "SN:"},
                {T::serialNumberSet, "Set"},
                {T::serialNumberGet, "Get"},
                {T::setDefault, "Set Default"},
                {T::setTime, "Set Time"},
                {T::enterUDisk, "Enter U Disk"},
                {T::networkFrame, "Network"},
                {T::modeLabel, "Mode:"},
                {T::wifiFrame, "WIFI Information"},
                {T::ssidLabel, "SSID:"},
                {T::wifiPasswordLabel, "Password :"},
                {T::cellularFrame, "4G Information"},
                {T::apnLabel, "APN Addr:"},
                {T::pinLabel, "4G PIN:"},
                {T::apnUserLabel, "APN User:"},
                {T::apnPasswordLabel, "Password:"},
                {T::serverFrame, "Server Information"},
                {T::serverIpLabel, "IP :"},
                {T::serverPortLabel, "Port :"},
                {T::cameraConfigFrame, "Camera Config"},
                {T::resolutionLabel, "Resolution:"},
                {T::qualityLabel, "Quality:"},
                {T::codingFormatLabel, "Coding Format:"},
                {T::splitTimeLabel, "Split Time:"},
                {T::loopRecordLabel, "Loop Record:"},
                {T::preRecordLabel, "Pre-Record:"},
                {T::infraredLabel, "Infrared:"},
                {T::timeZoneLabel, "Time Zone:"},
                {T::volumeLabel, "Volume:"},
                {T::gpsLabel, "GPS:"},
                {T::recWarningLabel, "Rec Warning:"},
                {T::gSensorLabel, "G-Sensor:"},
                {T::cellularLabel, "4G:"},
                {T::wifiLabel, "WIFI:"},
                {T::postRecordLabel, "Post Record:"},
                {T::autoRecordLabel, "Auto Record:"},
                {T::motionDetectLabel, "Motion Detect:"},
                {T::photoSizeLabel, "Photo Size:"},
                {T::eisLabel, "EIS :"},
                {T::aesEncryptionLabel, "AES Encryption :"},
                {T::liveStreamFrame, "Live Stream"},
                {T::liveResolutionLabel, "Resolution:"},
                {T::liveCodingFormatLabel, "Coding Format:"},
                {T::videoStampLabel, "Video Stamp:"},
            },
        .settings =
            {
                .caption = "Attention",
                .success = "Successfully",
                .failure = "Fail",
                .idLengthWrong = "ID Length Wrong",
                .encryptionQuestion =
                    "Changing AES option will make camera lose all data. Confirm to change?",
            },
    };
    return kLanguage;
}

}  // namespace

Edition englishEdition() {
    return {
        .index = kEnglish,
        .loginWindowClass = "CqumatproDlg",
        .loginLayout = 141,
        .settingsWindowClass = "Qumat_main_en",
        .settingsLayout = 143,
        .language = englishLanguage(),
        .model = camera::commonModel(),
    };
}

}  // namespace editions
