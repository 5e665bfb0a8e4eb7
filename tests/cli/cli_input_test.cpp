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

// Sets QUMAT_ANSI_CODE_PAGE for a test's time.
class CodePageVariable {
  public:
    explicit CodePageVariable(const char* value) {
        testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", value);
    }
    ~CodePageVariable() {
        testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", nullptr);
    }
    CodePageVariable(const CodePageVariable&) = delete;
    CodePageVariable& operator=(const CodePageVariable&) = delete;
};

TEST(CliInputTest, ACodePageVariableThatNamesNoneStopsEveryCommandBeforeTheCamera) {
    const struct {
        const char* value;
        Arguments arguments;
    } cases[] = {
        {"cp1251", {"show"}},
        {"65001", {"set", "network.ssid=Depot"}},
        {"abc", {"get", "network.ssid"}},
        {"0", {"export", "-"}},
    };
    for (const auto& [value, arguments] : cases) {
        const CodePageVariable variable(value);
        CliCamera camera;
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, 2) << value;
        EXPECT_EQ(outcome.errors, std::string("qumat_pro: QUMAT_ANSI_CODE_PAGE='") + value +
                                      "' names no ANSI code page: it takes 874, 932, 936, 949, "
                                      "950 or 1250 to 1258; unset it for the system's own\n");
        EXPECT_EQ(outcome.output, "");
        EXPECT_TRUE(camera.journal().empty()) << value;
    }
    const CodePageVariable variable("cp1251");
    EXPECT_TRUE(CliCamera()
                    .run({"show", "--json"})
                    .output.starts_with(
                        "{\"error\": \"QUMAT_ANSI_CODE_PAGE='cp1251' names no ANSI code page"));
}

// Whatever brings them, a line break or an escape sequence never reaches the camera, and the
// refusal names the setting.
TEST(CliInputTest, ControlCharactersInACameraTextAreRefusedFromArgumentsAndProfiles) {
    const struct {
        Arguments arguments;
        std::string profile;
        const char* refused;
    } cases[] = {
        {{"set", "network.ssid=a\nb"}, {}, "network.ssid: holds the control character U+000A"},
        {{"set", "network.apn=\x1B[2Jx"}, {}, "network.apn: holds the control character U+001B"},
        {{"set",
          "identity.officer_id=12\x7F"
          "456"},
         {},
         "identity.officer_id: holds the control character U+007F"},
        {{"set", "network.wifi_password=pass\xC2\x85"},
         {},
         "network.wifi_password: holds the control character U+0085"},
        {{"import"},
         "[network]\napn = \"in\\x09ternet\"\n",
         "network.apn: holds the control "
         "character U+0009"},
        {{"import"},
         "[network]\nssid = \"a\\xC2\\x9Bb\"\n",
         "network.ssid: holds the control "
         "character U+009B"},
    };
    for (const auto& [arguments, profile, refused] : cases) {
        CliCamera camera;
        auto given = arguments;
        if (!profile.empty()) {
            std::ofstream(camera.file("given.ini"), std::ios::binary) << profile;
            given.push_back(camera.file("given.ini").string());
        }
        const auto before = camera.state();
        const auto outcome = camera.run(given);
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
}

TEST(CliInputTest, AnEscapedByteIsTakenOnlyWhereTheCodePageCannotDecodeIt) {
    const struct {
        const char* codePage;
        const char* value;
        int status;
        std::string apn;
    } cases[] = {
        {"932", R"("zz\x93")", 0, "zz\x93"},
        // A byte of a character: the value is no text.
        {"1252", R"("zz\xE9")", 2, "internet"},
        // The byte and the one after it would read back as another character.
        {"932", R"("\x93@")", 2, "internet"},
    };
    for (const auto& [codePage, value, status, apn] : cases) {
        const CodePageVariable variable(codePage);
        CliCamera camera;
        std::ofstream(camera.file("given.ini")) << "[network]\napn = " << value << "\n";
        EXPECT_EQ(camera.run({"import", camera.file("given.ini").string()}).status, status)
            << value;
        EXPECT_EQ(camera.state().apn, apn) << value;
    }
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
        {{"show", "--model", "other", "--json"},
         "{\"error\": \"--model is common or stc\", \"call\": null}\n"},
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
