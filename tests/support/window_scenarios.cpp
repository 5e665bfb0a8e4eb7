#include "window_scenarios.h"

#include <gtest/gtest.h>

#include "emulated_camera_library.h"
#include "language_setting.h"
#include "scripted_boxes.h"
#include "temporary_directory.h"

namespace testing_support {
namespace {

using editions::Button;
using editions::WindowField;
using window_logic::Control;
using window_logic::LoginControl;
using Kind = ScenarioStep::Kind;
using Window = RecordingHandOver::Window;

const camera::CatalogueRow* row(const editions::Edition& edition, std::string_view key) {
    return &edition.model.rowAt(key);
}

// The setting whose change formats the memory card.
const camera::CatalogueRow* encryptionList(const editions::Edition& edition) {
    for (const auto& setting : edition.model.catalogue) {
        if (setting.destroysRecordings) {
            return &setting;
        }
    }
    return nullptr;
}

std::vector<std::string> opening(const editions::Edition& edition) {
    if (edition.model.usesLongMenuRecord()) {
        return {"GetZFYInfo",         "Qumat_GetFwVersion", "Qumat_GetTFVol", "Qumat_GetMenuConfig",
                "Qumat_GetNetConfig", "Qumat_ApnUser",      "Qumat_ApnPsw"};
    }
    return {"GetZFYInfo",     "Qumat_GetFwVersion",  "Qumat_GetNetConfig",
            "Qumat_GetTFVol", "Qumat_GetMenuConfig", "ReadDeviceResolution",
            "Qumat_SN_Info",  "Qumat_ApnPsw",        "Qumat_ApnUser"};
}

// The other model writes its menu over a fresh read of it.
std::vector<std::string> menuWrite(const editions::Edition& edition) {
    if (edition.model.usesLongMenuRecord()) {
        return {"Qumat_GetMenuConfig", "Qumat_SetMenuConfig"};
    }
    return {"Qumat_SetMenuConfig"};
}

// Password Get and Modify, network Get and Set, menu Get and Set, the clock.
std::vector<std::string> everyGroup(const editions::Edition& edition) {
    std::vector<std::string> calls{"Qumat_GetPsw",  "Qumat_ChangePsw",    "Qumat_GetNetConfig",
                                   "Qumat_ApnUser", "Qumat_ApnPsw",       "Qumat_ApnUser",
                                   "Qumat_ApnPsw",  "Qumat_SetNetConfig", "Qumat_GetMenuConfig"};
    for (const auto& call : menuWrite(edition)) {
        calls.push_back(call);
    }
    // The common model's menu Set always ends with its second write.
    if (!edition.model.usesLongMenuRecord()) {
        calls.push_back("Qumat_SetMenuConfig");
    }
    calls.push_back("SyncDevTime");
    return calls;
}

std::vector<std::string> operator+(std::vector<std::string> first,
                                   const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void addSettingsScenarios(std::vector<WindowScenario>& scenarios,
                          const editions::Edition& edition) {
    const auto& says = edition.language.settings;
    const std::string success(says.success);
    const int index = edition.index;
    const auto* deviceId = row(edition, "device_id");
    scenarios.push_back(
        {.name = "opens and reads everything silently",
         .edition = index,
         .calls = opening(edition),
         .texts = {{deviceId, "A123456"},
                   {row(edition, "officer_id"), "100234"},
                   {row(edition, "ssid"), "FieldOffice"},
                   {row(edition, "card"), "Total 29.72 GB"}},
         // Texts longer than their fields, shown from their start.
         .shownFromStart = {row(edition, "wifi_password"), row(edition, "server_ip")}});
    scenarios.push_back(
        {.name = "refuses a device ID of another length, sending nothing",
         .edition = index,
         .steps = {{Kind::type, deviceId, "AB"}, {Kind::press, Button::identitySet}},
         .calls = opening(edition),
         .boxes = {std::string(says.idLengthWrong)}});
    // Typing stops at the field's limit, which a camera with a radio shortens on one model.
    const auto typed = std::string("B765432X").substr(0, std::size_t(deviceId->limitFor(1)));
    const bool fits = typed.size() == 7;
    scenarios.push_back(
        {.name = "a camera with a radio takes the typing limit of its kind",
         .edition = index,
         .deviceKind = 1,
         .steps = {{Kind::type, deviceId, "B765432X"}, {Kind::press, Button::identitySet}},
         .calls = opening(edition) +
                  (fits ? std::vector<std::string>{"WriteZFYInfo"} : std::vector<std::string>{}),
         .boxes = {fits ? success : std::string(says.idLengthWrong)},
         .texts = {{deviceId, typed}}});
    scenarios.push_back(
        {.name = "writes a device ID and reads it back",
         .edition = index,
         .steps = {{Kind::type, deviceId, "B765432"},
                   {Kind::press, Button::identitySet},
                   {Kind::type, deviceId, ""},
                   {Kind::press, Button::identityGet}},
         .calls = opening(edition) + std::vector<std::string>{"WriteZFYInfo", "GetZFYInfo"},
         .boxes = {success, success},
         .texts = {{deviceId, "B765432"}}});
    scenarios.push_back(
        {.name = "a failed network read leaves the fields empty and says so",
         .edition = index,
         .failing = {k47::Function::Qumat_GetNetConfig},
         .steps = {{Kind::press, Button::networkGet}},
         .calls = opening(edition) +
                  std::vector<std::string>{"Qumat_GetNetConfig", "Qumat_ApnUser", "Qumat_ApnPsw"},
         .boxes = {std::string(says.failure)},
         .texts = {{row(edition, "ssid"), ""}}});
    scenarios.push_back({.name = "fields no read filled are not written back blank",
                         .edition = index,
                         .failing = {k47::Function::GetZFYInfo},
                         .steps = {{Kind::type, row(edition, "officer_id"), "1"},
                                   {Kind::press, Button::identitySet}},
                         .calls = opening(edition),
                         .boxes = {std::string(says.failure)}});
    for (const auto read : {k47::Function::Qumat_GetNetConfig, k47::Function::Qumat_ApnUser}) {
        scenarios.push_back(
            {.name = "texts the camera ran on to their fields' ends do not go back: " +
                     std::string(k47::functionName(read)),
             .edition = index,
             .unterminated = {read},
             .steps = {{Kind::press, Button::networkSet}},
             .calls = opening(edition),
             .boxes = {std::string(says.failure)}});
    }
    scenarios.push_back({.name = "a character the code page lacks is refused, nothing sent",
                         .edition = index,
                         .steps = {{Kind::type, row(edition, "ssid"), "Depot \u4E2D"},
                                   {Kind::press, Button::networkSet}},
                         .calls = opening(edition),
                         .boxes = {std::string(says.failure)}});
    // The menu's read failed as the window opened, and the camera then recovered: a Set sends
    // no byte the camera did not give, and the network's Set leaves the Wi-Fi station as read.
    const bool readsBeforeWrite = edition.model.usesLongMenuRecord();
    scenarios.push_back(
        {.name = "a menu no read filled is not written over",
         .edition = index,
         .failing = {k47::Function::Qumat_GetMenuConfig},
         .steps = {{Kind::clearFaults},
                   {Kind::select, row(edition, "gps"), {}, 0},
                   {Kind::press, Button::menuSet},
                   {Kind::press, Button::networkSet}},
         .calls = opening(edition) +
                  (readsBeforeWrite ? menuWrite(edition) : std::vector<std::string>{}) +
                  std::vector<std::string>{"Qumat_ApnUser", "Qumat_ApnPsw", "Qumat_SetNetConfig"},
         .boxes = {readsBeforeWrite ? success : std::string(says.failure), success},
         .selections = {{encryptionList(edition), -1}},
         .keepsMenu = !readsBeforeWrite,
         .keepsStation = true});
    if (!readsBeforeWrite) {
        scenarios.push_back(
            {.name = "a Get that succeeds lets the menu be written again",
             .edition = index,
             .failing = {k47::Function::Qumat_GetMenuConfig},
             .steps = {{Kind::clearFaults},
                       {Kind::press, Button::menuGet},
                       {Kind::press, Button::menuSet}},
             .calls = opening(edition) + std::vector<std::string>{"Qumat_GetMenuConfig",
                                                                  "Qumat_SetMenuConfig",
                                                                  "Qumat_SetMenuConfig"},
             .boxes = {success, success},
             .keepsMenu = true});
    }
    scenarios.push_back(
        {.name = "turning encryption on asks, and Yes formats the card",
         .edition = index,
         .steps = {{Kind::select, encryptionList(edition), {}, 1},
                   {Kind::answerNext, {}, {}, 6},
                   {Kind::press, Button::menuSet}},
         .calls = opening(edition) + menuWrite(edition) +
                  std::vector<std::string>{"Qumat_FormatTFCard", "Qumat_SetMenuConfig"},
         .boxes = {std::string(says.encryptionQuestion), success},
         .selections = {{encryptionList(edition), 1}}});
    scenarios.push_back(
        {.name = "turning encryption on and answering No puts it back",
         .edition = index,
         .steps = {{Kind::select, encryptionList(edition), {}, 1}, {Kind::press, Button::menuSet}},
         .calls = opening(edition) + menuWrite(edition) +
                  std::vector<std::string>{"Qumat_SetMenuConfig"},
         .boxes = {std::string(says.encryptionQuestion), success},
         .selections = {{encryptionList(edition), 0}}});
    scenarios.push_back(
        {.name = "every group's Get and Set, and the clock",
         .edition = index,
         .steps = {{Kind::press, Button::passwordGet},
                   {Kind::type, WindowField::newPassword, "654321"},
                   {Kind::press, Button::passwordModify},
                   {Kind::press, Button::networkGet},
                   {Kind::type, row(edition, "ssid"), "Depot"},
                   {Kind::press, Button::networkSet},
                   {Kind::press, Button::menuGet},
                   {Kind::press, Button::menuSet},
                   {Kind::press, Button::setTime}},
         .calls = opening(edition) + everyGroup(edition),
         // The other model's menu Get shows no box when it succeeds.
         .boxes = std::vector<std::string>(edition.model.usesLongMenuRecord() ? 6 : 7, success),
         .texts = {{WindowField::oldPassword, "000000"}, {row(edition, "ssid"), "Depot"}}});
    scenarios.push_back({.name = "defaults restored open a fresh settings window",
                         .edition = index,
                         .steps = {{Kind::press, Button::setDefault}},
                         .calls = opening(edition) + std::vector<std::string>{"Qumat_SetDefault"},
                         .boxes = {success},
                         .handOvers = {{Window::Settings, index}}});
    scenarios.push_back({.name = "mass-storage mode returns to the login window",
                         .edition = index,
                         .steps = {{Kind::press, Button::enterUDisk}},
                         .calls = opening(edition) + std::vector<std::string>{"SetMSDC"},
                         .boxes = {success},
                         .handOvers = {{Window::Login, index}}});
}

void addLoginScenarios(std::vector<WindowScenario>& scenarios, const editions::Edition& edition) {
    const auto& says = edition.language.login;
    const int index = edition.index;
    scenarios.push_back(
        {.name = "connects, logs in and hands over to the settings window",
         .edition = index,
         .login = true,
         .steps = {{Kind::press, LoginControl::connectButton},
                   {Kind::type, LoginControl::passwordEdit, "000000"},
                   {Kind::press, LoginControl::loginButton}},
         .calls = {"Init_Device", "Qumat_Login", "Qumat_Get4GDevOrNot"},
         .boxes = {std::string(says.loginSuccessful)},
         .handOvers = {{Window::Settings, index}},
         .texts = {{LoginControl::connectButton, std::string(says.connectedButton)}},
         .selections = {
             {LoginControl::userTypeList, 0},
             {LoginControl::languageList, edition.language.hasLanguageList ? index : -1}}});
    scenarios.push_back(
        {.name = "a short password is refused before anything is sent",
         .edition = index,
         .login = true,
         .steps = {{Kind::press, LoginControl::connectButton},
                   {Kind::type, LoginControl::passwordEdit, "123"},
                   {Kind::press, LoginControl::loginButton}},
         .calls = {"Init_Device"},
         .boxes = {std::string(says.wrongPasswordLength), std::string(says.wrongPassword)}});
    scenarios.push_back(
        {.name = "a camera that does not answer the connection",
         .edition = index,
         .login = true,
         .failing = {k47::Function::Init_Device},
         .steps = {{Kind::press, LoginControl::connectButton},
                   {Kind::press, LoginControl::loginButton}},
         .calls = {"Init_Device"},
         .boxes = {std::string(says.connectFail), std::string(says.connectDeviceFirst)}});
    if (edition.language.hasLanguageList) {
        const int other = (index + 1) % static_cast<int>(says.languages.size());
        scenarios.push_back({.name = "choosing another language starts its login window",
                             .edition = index,
                             .login = true,
                             .steps = {{Kind::chooseLanguage, {}, {}, other}},
                             .handOvers = {{Window::Login, other}},
                             // The list shows the choice as its window ends.
                             .selections = {{LoginControl::languageList, other}},
                             .languageSetting = std::to_string(other)});
    }
}

}  // namespace

std::vector<WindowScenario> windowScenarios() {
    std::vector<WindowScenario> scenarios;
    for (const auto& edition : editions::allEditions()) {
        addSettingsScenarios(scenarios, edition);
        addLoginScenarios(scenarios, edition);
    }
    return scenarios;
}

void runScenario(const WindowScenario& scenario, ScenarioDriver& driver) {
    SCOPED_TRACE(testing::Message() << "edition " << scenario.edition << ": " << scenario.name);
    const auto& edition = editions::edition(scenario.edition);
    TemporaryDirectory directory;
    EmulatedCameraLibrary camera(directory.path());
    ScriptedBoxes boxes;
    RecordingHandOver handOver;
    window_logic::Session session;
    window_logic::Services services{camera, boxes, handOver, session, directory / "Language.ini"};

    auto state = camera.state();
    if (edition.model.usesLongMenuRecord()) {
        state.model = k47::Model::stc;
        state.menuRecord = k47::factorySettings(k47::Model::stc).menuRecord;
    }
    state.faults.failing.insert(scenario.failing.begin(), scenario.failing.end());
    state.faults.unterminated.insert(scenario.unterminated.begin(), scenario.unterminated.end());
    camera.setState(state);
    std::size_t mark = 0;
    if (!scenario.login) {
        // As a successful login leaves the session.
        EXPECT_TRUE(camera.connectAndLogIn());
        mark = camera.journal().size();
        session.connected = 1;
        session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
        session.deviceKind = scenario.deviceKind;
    }

    driver.open(scenario, services);
    for (const auto& step : scenario.steps) {
        switch (step.kind) {
            case Kind::type:
                driver.type(step.control, step.text);
                break;
            case Kind::select:
                driver.select(step.control, step.number);
                break;
            case Kind::press:
                driver.press(step.control);
                break;
            case Kind::answerNext:
                boxes.answerNext(static_cast<window_logic::MessageBoxButton>(step.number));
                break;
            case Kind::chooseLanguage:
                driver.chooseLanguage(step.number);
                break;
            case Kind::clearFaults:
                auto healthy = camera.state();
                healthy.faults = {};
                camera.setState(healthy);
                break;
        }
    }

    std::vector<std::string> calls;
    const auto journal = camera.journal();
    for (auto line = journal.begin() + static_cast<std::ptrdiff_t>(mark); line != journal.end();
         ++line) {
        calls.push_back(line->substr(0, line->find(' ')));
    }
    EXPECT_EQ(calls, scenario.calls);
    std::vector<std::string> texts;
    for (const auto& box : boxes.shown()) {
        texts.push_back(box.text);
    }
    EXPECT_EQ(texts, scenario.boxes);
    EXPECT_EQ(handOver.runs(), scenario.handOvers);
    // A window ends exactly when it hands over.
    EXPECT_EQ(driver.ended(), !scenario.handOvers.empty());
    for (const auto& [control, text] : scenario.texts) {
        EXPECT_EQ(driver.text(control), text);
    }
    for (const auto& [control, position] : scenario.selections) {
        EXPECT_EQ(driver.selection(control), position);
    }
    for (const auto& control : scenario.shownFromStart) {
        EXPECT_EQ(driver.firstShown(control), 0);
    }
    if (scenario.keepsMenu) {
        EXPECT_EQ(camera.state().menuRecord, state.menuRecord);
    }
    if (scenario.keepsStation) {
        EXPECT_EQ(camera.state().wifiStation, state.wifiStation);
    }
    if (scenario.languageSetting) {
        EXPECT_EQ(editions::readLanguageSetting(services.languageFile), *scenario.languageSetting);
    }
}

}  // namespace testing_support
