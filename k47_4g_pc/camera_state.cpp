#include "camera_state.h"

namespace k47 {
namespace {

std::vector<uint8_t> factoryMenuRecord(Model model) {
    // clang-format off
    if (model == Model::stc) {
        // Bytes 0-27 are the camera's own, which the tool carries through unchanged; then one
        // option position per byte: front resolution 1920x1080, 30 FPS, ..., H.264 live.
        return {
            0x01, 0x04, 0x00, 0x02, 0x10, 0x00, 0x00, 0x00,
            0x5A, 0xA5, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
            0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
            0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,
            0x01, 0x02, 0x00, 0x0F, 0x01, 0x02, 0x01, 0x03,
            0x01, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02,
            0x01, 0x01, 0x01, 0x01, 0x00, 0x01, 0x00, 0x00,
        };
    }
    // Resolution: the third entry of the list the masks build (1920x1080 30P); split time 5
    // minutes; time zone +3; photo size 8M; post record 5 seconds. Masks (bytes 21-26):
    // resolutions 2304x1296, 1920x1080 60P and 30P, 1280x720 30P and 848x480 30P; photo sizes 5M
    // to 16M; every post-record and split time. Encryption off, video stamp on.
    return {
        0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x01, 0x0F,
        0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x00,
        0x00, 0x00, 0x00, 0x02, 0x00, 0x9C, 0x02, 0x1F,
        0x00, 0x3F, 0x7F, 0x00, 0x01, 0x01, 0x01, 0x01,
    };
    // clang-format on
}

}  // namespace

CameraState factorySettings(Model model) {
    CameraState state;
    state.model = model;
    state.firmware = "FW 2.4.18 build 20231108";
    state.card = "Total 29.72 GB";
    state.recordings = 37;
    state.serialNumber = "SN23110804571";
    restoreDefaults(state);
    return state;
}

void restoreDefaults(CameraState& state) {
    state.adminPassword = "000000";
    state.userPassword = "111111";
    state.deviceId = "A123456";
    state.officerId = "100234";
    state.wifiStation = 1;
    state.ssid = "FieldOffice";
    state.wifiPassword = "fo-2024-secure";
    state.apn = "internet";
    state.pin = "1234";
    state.serverIp = "192.168.10.20";
    state.serverPort = "7661";
    state.apnUser = "fieldunit";
    state.apnPassword = "apn-pass-01";
    state.menuRecord = factoryMenuRecord(state.model);
}

}  // namespace k47
