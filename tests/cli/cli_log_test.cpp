// What the command line logs of its changes, and the log command.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <fstream>
#include <sstream>

#include "change_log.h"
#include "cli_fixture.h"
#include "environment_variable.h"
#include "file_contents.h"

namespace {

using testing_support::fileContents;

using cli_testing::CliCamera;

TEST(CliLogTest, ChangesAreLoggedOncePerSettingAndActionAndReadsLogNothing) {
    CliCamera camera;
    for (const auto& readOnly : std::vector<std::vector<std::string>>{
             {"show"}, {"export", camera.file("p.ini").string()}, {"set", "recording.gps=on"}}) {
        ASSERT_EQ(camera.run(readOnly).status, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(camera.changeLog())) << "nothing was changed";

    const auto set =
        camera.run({"set", "--format-card", "recording.gps=off", "network.wifi_password=s3cret-9",
                    "identity.officer_id=7", "recording.aes_encryption=on"});
    ASSERT_EQ(set.status, 0) << set.errors;
    const auto contents = fileContents(camera.changeLog());
    EXPECT_EQ(contents.find("s3cret-9"), std::string::npos);
    std::vector<std::string> logged;
    for (const auto& entry : change_log::entriesOf(contents)) {
        logged.push_back(entry.setting + ": " + entry.oldValue + " -> " + entry.newValue + " " +
                         entry.outcome);
        EXPECT_EQ(entry.frontEnd, "command line");
        EXPECT_EQ(entry.model, "common");
        EXPECT_EQ(entry.deviceId, "A123456");
        EXPECT_FALSE(entry.user.empty());
    }
    // In the order the camera was asked: identity, network, then the menu around the format.
    EXPECT_EQ(logged, (std::vector<std::string>{
                          "officer_id: 100234 -> 7 written",
                          "wifi_password:  -> changed written",
                          "gps: on -> off written",
                          "aes_encryption: off -> on written",
                          "card_format:  -> formatted sent",
                      }));

    const auto listed = camera.run({"log"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_NE(listed.output.find("  A123456  officer_id: 100234 -> 7  written\n"),
              std::string::npos)
        << listed.output;
    EXPECT_NE(listed.output.find("  A123456  wifi_password: changed  written\n"), std::string::npos)
        << listed.output;
    const auto verified = camera.run({"log", "--verify"});
    EXPECT_EQ(verified.status, 0);
    EXPECT_NE(verified.output.find(": 5 entries hold; the last line's SHA-256 is "),
              std::string::npos)
        << verified.output;
    const struct {
        std::vector<std::string> arguments;
        std::size_t entries;
    } filters[] = {
        {{"log", "--json"}, 5},
        {{"log", "--json", "--camera", "B765432"}, 0},
        {{"log", "--json", "--since", "2999-01-01"}, 0},
        {{"log", "--json", "--since=2000-01-01T00:00"}, 5},
        {{"log", "--json", "--since=2024-02-29T23:59:59"}, 5},
    };
    // JSON Lines: each line an entry of its own.
    for (const auto& [arguments, entries] : filters) {
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, 0) << arguments.back() << outcome.errors;
        std::istringstream lines(outcome.output);
        std::size_t count = 0;
        for (std::string line; std::getline(lines, line); ++count) {
            EXPECT_TRUE(change_log::fromLine(line).has_value()) << line;
        }
        EXPECT_EQ(count, entries) << arguments.back() << outcome.output;
    }
}

// The other model's records: a seven-byte officer ID and the 56-byte menu.
TEST(CliLogTest, TheOtherModelsChangesAreNamedByItsCatalogue) {
    CliCamera camera(k47::Model::stc);
    ASSERT_EQ(camera
                  .run({"set", "--model", "stc", "identity.officer_id=1234567",
                        "recording.front_camera_resolution=1280x720", "recording.gps=off"})
                  .status,
              0);
    std::vector<std::string> logged;
    for (const auto& entry : change_log::entriesOf(fileContents(camera.changeLog()))) {
        EXPECT_EQ(entry.model, "stc");
        logged.push_back(entry.setting + ": " + entry.oldValue + " -> " + entry.newValue);
    }
    EXPECT_EQ(logged, (std::vector<std::string>{"officer_id: 100234 -> 1234567",
                                                "front_camera_resolution: 1920x1080 -> 1280x720",
                                                "gps: on -> off"}));
}

// A log is read as anything may have written it.
TEST(CliLogTest, WhatIsNotALogIsRefusedAndAForgedEntryPrintsEscaped) {
    CliCamera camera;
    testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG", camera.file("").string().c_str());
    const auto folder = camera.run({"log", "--verify"});
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.errors.find("qumat_pro: "), std::string::npos);
    EXPECT_EQ(folder.output, "");
#ifndef _WIN32
    // A named pipe would keep the reader waiting for a writer that never comes.
    const auto pipe = camera.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG", pipe.string().c_str());
    const auto piped = camera.run({"log"});
    EXPECT_EQ(piped.status, 1);
    EXPECT_NE(piped.errors.find("named pipe"), std::string::npos) << piped.errors;
#endif

    change_log::ChangeEntry forged{.time = "\x1B[2J",
                                   .user = "\u202Enimda",
                                   .setting = "<b>gps</b>\r\nfake",
                                   .outcome = "ok",
                                   .hash = "0"};
    std::ofstream(camera.changeLog(), std::ios::binary) << change_log::toLine(forged) << '\n';
    testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG",
                                            camera.changeLog().string().c_str());
    const auto listed = camera.run({"log"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.output.find('\x1B'), std::string::npos) << listed.output;
    EXPECT_EQ(listed.output.find('\r'), std::string::npos) << listed.output;
    EXPECT_NE(listed.output.find("\"<b>gps</b>\\x0D\\x0Afake\""), std::string::npos)
        << listed.output;
    EXPECT_NE(listed.output.find(R"("\xE2\x80\xAEnimda")"), std::string::npos) << listed.output;
    const auto json = camera.run({"log", "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.output.find(R"("user":"\u202enimda")"), std::string::npos) << json.output;
    EXPECT_EQ(change_log::fromLine(json.output.substr(0, json.output.size() - 1))->user,
              forged.user);
}

TEST(CliLogTest, AnEditedLogFailsItsCheckNamingTheLine) {
    CliCamera camera;
    ASSERT_EQ(camera.run({"set", "recording.gps=off", "recording.eis=on"}).status, 0);
    auto contents = fileContents(camera.changeLog());
    contents.replace(contents.find("\"new\":\"off\""), 11, "\"new\":\"on!\"");
    std::ofstream(camera.changeLog(), std::ios::binary) << contents;
    const auto verified = camera.run({"log", "--verify"});
    EXPECT_EQ(verified.status, 1);
    EXPECT_NE(verified.output.find(": line 2 breaks the chain"), std::string::npos)
        << verified.output;
}

TEST(CliLogTest, NoChangeIsMadeThatTheLogCannotTake) {
    CliCamera camera;
    const auto before = camera.state();
    // A folder where the file should be.
    testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG", camera.file("").string().c_str());
    const auto refused = camera.run({"set", "recording.gps=off"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("qumat_pro: the change log " + camera.file("").string() +
                                  " cannot be written: "),
              std::string::npos)
        << refused.errors;
    EXPECT_EQ(camera.state(), before);

    testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG", "off");
    EXPECT_EQ(camera.run({"set", "recording.gps=off"}).status, 0);
    EXPECT_NE(camera.state(), before);
    const auto log = camera.run({"log"});
    EXPECT_EQ(log.status, 2);
    EXPECT_EQ(log.errors, "qumat_pro: the change log is off (QUMAT_CHANGE_LOG=off)\n");
}

}  // namespace
