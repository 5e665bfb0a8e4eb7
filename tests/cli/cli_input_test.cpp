// Input the command line must refuse, or take whole: a code page variable that names none, texts
// with control characters, camera bytes the code page cannot decode, a pipe nothing writes to, and
// usage errors asked for in JSON.
#include <gtest/gtest.h>

#include <fstream>

#include "cli_fixture.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>
#endif

namespace {

using cli_testing::CliCamera;
using cli_testing::shown;
using Arguments = std::vector<std::string>;

// Sets QUMAT_ANSI_CODE_PAGE for a scope's time.
struct CodePageVariable {
    explicit CodePageVariable(const char* value) {
        testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", value);
    }
    ~CodePageVariable() {
        testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", nullptr);
    }
};

// The values refused are the platform's table; here, that no command reaches the camera.
TEST(CliInputTest, ACodePageVariableThatNamesNoneStopsEveryCommandBeforeTheCamera) {
    constexpr std::string_view kRefusal =
        "QUMAT_ANSI_CODE_PAGE='cp1251' names no ANSI code page: it takes 874, 932, 936, 949, 950 "
        "or 1250 to 1258; unset it for the system's own";
    const CodePageVariable variable("cp1251");
    const std::pair<Arguments, std::string> cases[] = {
        {{"set", "network.ssid=Depot"}, ""},
        {{"show", "--json"}, "{\"error\": \"" + std::string(kRefusal) + "\", \"call\": null}\n"},
    };
    for (const auto& [arguments, output] : cases) {
        CliCamera camera;
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.errors, "qumat_pro: " + std::string(kRefusal) + "\n");
        EXPECT_EQ(outcome.output, output);
        EXPECT_TRUE(camera.journal().empty());
    }
}

// A line break or an escape sequence never reaches the camera, and the refusal names the setting;
// profiles and identities files are refused alike (their own tests).
TEST(CliInputTest, ControlCharactersInACameraTextAreRefusedNamingTheSetting) {
    const std::pair<std::string, const char*> cases[] = {
        {"network.ssid=a\nb", "network.ssid: holds the control character U+000A"},
        {"network.apn=\x1B[2Jx", "network.apn: holds the control character U+001B"},
        {"identity.officer_id=12\x7F"
         "456",
         "identity.officer_id: holds the control character U+007F"},
        {"network.wifi_password=pass\xC2\x85",
         "network.wifi_password: holds the control character U+0085"},
    };
    for (const auto& [change, refused] : cases) {
        CliCamera camera;
        const auto before = camera.state();
        const auto outcome = camera.run({"set", change});
        EXPECT_EQ(outcome.status, 2) << refused;
        EXPECT_EQ(outcome.errors, std::string("qumat_pro: ") + refused +
                                      "; a camera text takes no line break, tab, escape or other "
                                      "control character\n");
        EXPECT_EQ(camera.state(), before) << refused;
    }
}

// Code page 932 decodes no lead byte without its second byte: the camera's APN ends in one.
TEST(CliInputTest, ACameraByteTheCodePageCannotDecodePrintsAsAnEscapeAndGoesBackAsItCame) {
    const CodePageVariable variable("932");
    const auto lonelyLeadByte = [](k47::CameraState& state) { state.apn = "ab\x93"; };
    CliCamera camera(k47::Model::common, lonelyLeadByte);
    EXPECT_EQ(shown(camera.run({"show"}).output, "network.apn"), R"("ab\x93")");
    EXPECT_EQ(camera.run({"get", "network.apn"}).output, "\"ab\\x93\"\n");
    EXPECT_NE(camera.run({"show", "network.apn", "--json"}).output.find(R"("apn": "ab\udc93")"),
              std::string::npos);

    // The profile holds the escape; the same camera has nothing to change, another takes the byte.
    const auto profile = camera.file("fleet.ini").string();
    ASSERT_EQ(camera.run({"export", profile}).status, 0);
    EXPECT_EQ(camera.run({"import", profile, "--dry-run"}).output, "nothing to change\n");
    CliCamera other;
    EXPECT_EQ(other.run({"import", profile}).status, 0);
    EXPECT_EQ(other.state().apn, "ab\x93");
    EXPECT_EQ(shown(other.run({"show"}).output, "network.apn"), R"("ab\x93")");

    // Writing the APN's record for another text sends the byte back as the camera gave it.
    ASSERT_EQ(camera.run({"set", "network.ssid=Depot"}).status, 0);
    EXPECT_EQ(camera.state().apn, "ab\x93");

    // Code page 1252 decodes every byte above 0x9F: such a byte alone is no text.
    const CodePageVariable western("1252");
    EXPECT_EQ(camera.run({"set", "network.apn=zz\xE9"}).errors,
              "qumat_pro: network.apn: the value is not UTF-8 text\n");
}

#ifndef _WIN32
// A named pipe that nothing writes to is refused after a short wait; a writer that comes later
// than the command still delivers the profile.
TEST(CliInputTest, ImportFromANamedPipeWaitsForAWriterOnlyAWhile) {
    for (const bool writerComes : {false, true}) {
        CliCamera camera;
        const auto pipe = camera.file("profile.pipe");
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        auto import = std::async(std::launch::async, [&] {
            return camera.run({"import", pipe.string()});
        });
        if (writerComes) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            std::ofstream(pipe) << "[network]\nssid = Depot\n";
        }
        if (import.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
            // Frees the import, stuck in its open, before failing.
            ::close(::open(pipe.c_str(), O_WRONLY));
            FAIL() << "import waits for a writer without end";
        }
        const auto outcome = import.get();
        if (writerComes) {
            EXPECT_EQ(outcome.status, 0) << outcome.errors;
            EXPECT_EQ(camera.state().ssid, "Depot");
        } else {
            EXPECT_EQ(outcome.status, 2);
            EXPECT_EQ(outcome.errors, "qumat_pro: cannot read " + pipe.string() +
                                          ": nothing opened the pipe to write to it within 5 "
                                          "seconds\n");
        }
    }
}
#endif

// A script that asked for JSON parses every answer, a refused command line too.
TEST(CliInputTest, UsageErrorsOfShowJsonAreJsonErrorObjects) {
    const struct {
        Arguments arguments;
        std::string output;
    } cases[] = {
        {{"show", "--json", "--bogus"},
         "{\"error\": \"unknown option '--bogus' for show\", \"call\": null}\n"},
        {{"--json", "show", "network.sid"},
         "{\"error\": \"network.sid: no such setting; did you mean network.ssid?\", \"call\": "
         "null}\n"},
        // Not asked for: a value of another option, after "--", or a command without JSON.
        {{"show", "--password-file", "--json", "--bogus"}, ""},
        {{"show", "--bogus", "--", "--json"}, ""},
        {{"get", "--json"}, ""},
    };
    for (const auto& [arguments, output] : cases) {
        CliCamera camera;
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments.back();
        EXPECT_EQ(outcome.output, output) << arguments.back();
        EXPECT_TRUE(outcome.errors.starts_with("qumat_pro: ")) << outcome.errors;
    }
}

}  // namespace
