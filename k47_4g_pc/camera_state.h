#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "camera_model.h"
#include "faults.h"

namespace k47 {

// Everything the emulated camera remembers between calls and between runs: what the state file
// holds. Texts are kept as the bytes the tool sent, in its ANSI code page.
struct CameraState {
    // The camera as a device.
    bool attached = true;
    int32_t deviceAnswer = 1;  // what Qumat_Get4GDevOrNot answers
    Model model = Model::common;
    std::string adminPassword;
    std::string userPassword;
    std::string firmware;
    std::string card;
    int32_t recordings = 0;  // files on the memory card; formatting removes them
    std::string clock;       // host time (UTC) of the last clock setting; empty when never set

    // Identity.
    std::string deviceId;
    std::string officerId;

    // Network.
    uint8_t wifiStation = 0;
    std::string ssid;
    std::string wifiPassword;
    std::string apn;
    std::string pin;
    std::string serverIp;
    std::string serverPort;
    std::string apnUser;
    std::string apnPassword;

    std::string serialNumber;
    std::vector<uint8_t> menuRecord;  // menuRecordSize(model) bytes

    Faults faults;

    bool operator==(const CameraState&) const = default;
};

// A camera as it leaves the factory, of the given model.
CameraState factorySettings(Model model = Model::common);

// What restoring the defaults resets: the settings the tool can change (menu, identity, network,
// passwords), keeping the device itself (model, serial number, firmware, card, clock) and the
// tester's fault switches.
void restoreDefaults(CameraState& state);

}  // namespace k47
