// What the command line logs of its changes, and the log command.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "system_log_receiver.h"
#endif

#include <chrono>
#include <fstream>
#include <set>
#include <sstream>

#include "change_log.h"
#include "cli_fixture.h"
#include "environment_variable.h"
#include "file_contents.h"
#include "sha256.h"

namespace {

using testing_support::fileContents;

using cli_testing::CliCamera;
using testing_support::ScopedEnvironmentVariable;

bool changesTheCamera(std::string_view function) {
    return function == "WriteZFYInfo" || function == "Qumat_SetNetConfig" ||
           function == "Qumat_SetMenuConfig" || function == "Qumat_FormatTFCard";
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The change log's last entry at each call that changes the camera: the change about to be made.
class LogAtEachChange : public camera::ObservedCameraLibrary::Observer {
  public:
    explicit LogAtEachChange(std::filesystem::path log) : log_(std::move(log)) {}

    void before(std::string_view function) override {
        if (changesTheCamera(function)) {
            const auto entries = change_log::entriesOf(fileContents(log_));
            seen.push_back(std::string(function) + ": " + entries.back().setting + " " +
                           entries.back().outcome);
        }
    }
    void after(std::string_view, const int32_t*) override {}

    std::vector<std::string> seen;

  private:
    std::filesystem::path log_;
};

TEST(CliLogTest, ChangesAreLoggedOncePerSettingAndActionAndReadsLogNothing) {
    CliCamera camera;
    for (const auto& readOnly : std::vector<std::vector<std::string>>{
             {"show"}, {"export", camera.file("p.ini").string()}, {"set", "recording.gps=on"}}) {
        ASSERT_EQ(camera.run(readOnly).status, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(camera.changeLog())) << "nothing was changed";

    LogAtEachChange atEachChange(camera.changeLog());
    camera.observe(atEachChange);
    const auto set =
        camera.run({"set", "--format-card", "recording.gps=off", "network.wifi_password=s3cret-9",
                    "identity.officer_id=7", "recording.aes_encryption=on"});
    ASSERT_EQ(set.status, 0) << set.errors;
    const auto contents = fileContents(camera.changeLog());
    EXPECT_EQ(contents.find("s3cret-9"), std::string::npos);
    std::vector<std::string> logged;
    for (const auto& entry : change_log::changesOf(contents)) {
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
    EXPECT_EQ(atEachChange.seen, (std::vector<std::string>{
                                     "WriteZFYInfo: officer_id intended",
                                     "Qumat_SetNetConfig: wifi_password intended",
                                     "Qumat_SetMenuConfig: aes_encryption intended",
                                     "Qumat_FormatTFCard: card_format intended",
                                     "Qumat_SetMenuConfig: card_format sent",
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
    EXPECT_NE(verified.output.find(": 10 entries hold; the last line's SHA-256 is "),
              std::string::npos)
        << verified.output;
    const struct {
        std::vector<std::string> arguments;
        std::size_t entries;
    } filters[] = {
        {{"log", "--json"}, 10},
        {{"log", "--json", "--camera", "B765432"}, 0},
        {{"log", "--json", "--since", "2999-01-01"}, 0},
        {{"log", "--json", "--since=2000-01-01T00:00"}, 10},
        {{"log", "--json", "--since=2024-02-29T23:59:59"}, 10},
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
    for (const auto& entry : change_log::changesOf(fileContents(camera.changeLog()))) {
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

// A folder, or a file that takes no writing (a kernel's file under /proc), in the log's place:
// the entry cannot be written ahead, and so neither set nor import sends anything.
TEST(CliLogTest, NoChangeIsMadeThatTheLogCannotTake) {
    CliCamera camera;
    const auto profile = camera.file("profile.ini");
    std::ofstream(profile) << "[recording]\ngps = off\n";
    const std::vector<std::filesystem::path> places{
        camera.file(""),
#ifndef _WIN32
        "/proc/version",
#endif
    };
    const auto before = camera.state();
    for (const auto& place : places) {
        testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG", place.string().c_str());
        for (const auto& change : std::vector<std::vector<std::string>>{
                 {"set", "recording.gps=off"}, {"import", profile.string()}}) {
            const auto refused = camera.run(change);
            EXPECT_EQ(refused.status, 1) << place << " " << change[0];
            // No camera function was called to fail.
            EXPECT_TRUE(
                refused.errors.starts_with("qumat_pro: recording: not written\n"
                                           "qumat_pro: the change log " +
                                           place.string() + " cannot be written: "))
                << refused.errors;
        }
    }
    EXPECT_EQ(camera.state(), before);
    for (const auto& call : camera.journal()) {
        EXPECT_FALSE(changesTheCamera(call.substr(0, call.find(' ')))) << call;
    }

    testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG", "off");
    EXPECT_EQ(camera.run({"set", "recording.gps=off"}).status, 0);
    EXPECT_NE(camera.state(), before);
    const auto log = camera.run({"log"});
    EXPECT_EQ(log.status, 2);
    EXPECT_EQ(log.errors, "qumat_pro: the change log is off (QUMAT_CHANGE_LOG=off)\n");
}

// A hash kept from --verify (or the system log) must still be a line of the chain: a log cut
// short, or rewritten with every hash recomputed, holds as a chain but fails the expectation.
TEST(CliLogTest, AHashSavedEarlierMustStillBeInTheChain) {
    CliCamera camera;
    ASSERT_EQ(camera.run({"set", "recording.gps=off"}).status, 0);
    const auto first = camera.run({"log", "--verify"});
    const auto saved = first.output.substr(first.output.size() - 65, 64);
    ASSERT_EQ(camera.run({"set", "recording.gps=on"}).status, 0);
    const auto whole = fileContents(camera.changeLog());

    // The same entries, one of them forged, chained anew from a start line of their own.
    const auto rechained = camera.file("rechained.log");
    {
        auto entries = change_log::entriesOf(whole);
        entries[1].newValue = "on";
        change_log::ChangeLog forged(rechained, {});
        ASSERT_EQ(forged.append(entries), std::nullopt);
    }
    std::size_t thirdLineEnd = 0;
    for (int line = 0; line < 3; ++line) {
        thirdLineEnd = whole.find('\n', thirdLineEnd) + 1;
    }
    const struct {
        const char* log;
        std::string contents;
        std::vector<std::string> arguments;
        int status;
        std::string said;
    } cases[] = {
        {"kept", whole, {"--expect", saved}, 0, saved + " is line 3 of the chain\n"},
        {"its last entries cut off",
         whole.substr(0, thirdLineEnd),
         {"--expect", saved, "--expect", change_log::verify(whole).lastLineHash},
         1,
         change_log::verify(whole).lastLineHash + " is not in the chain"},
        {"rewritten and chained anew",
         fileContents(rechained),
         {"--expect", saved},
         1,
         saved + " is not in the chain"},
        {"not a hash", whole, {"--expect", saved.substr(1)}, 2, ""},
    };
    for (const auto& [log, contents, expectations, status, said] : cases) {
        std::ofstream(camera.changeLog(), std::ios::binary | std::ios::trunc) << contents;
        std::vector<std::string> arguments{"log", "--verify"};
        arguments.insert(arguments.end(), expectations.begin(), expectations.end());
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, status) << log << outcome.errors;
        EXPECT_NE(outcome.output.find(said), std::string::npos) << log << outcome.output;
    }
    EXPECT_EQ(camera.run({"log", "--expect", saved}).status, 2) << "--expect goes with --verify";
}

#ifndef _WIN32  // the camera's calls run in a forked child, killed or limited
// Killed after the camera had the change and before its answer was logged: the change keeps its
// entry, shown with no known outcome, and the chain holds.
TEST(CliLogTest, AChangeWhoseAnswerNeverCameIsShownWithItsOutcomeUnknown) {
    CliCamera camera;
    struct KilledAfterTheCall : camera::ObservedCameraLibrary::Observer {
        void before(std::string_view) override {}
        void after(std::string_view function, const int32_t*) override {
            if (function == "Qumat_SetMenuConfig") {
                std::_Exit(9);
            }
        }
    } killed;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        camera.observe(killed);
        camera.run({"set", "recording.gps=off"});
        std::_Exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << status;
    EXPECT_EQ(camera.run({"get", "recording.gps"}).output, "off\n") << "the camera has the change";
    const auto listed = camera.run({"log"});
    EXPECT_NE(listed.output.find("  A123456  gps: on -> off  outcome unknown\n"), std::string::npos)
        << listed.output;
    const auto verified = camera.run({"log", "--verify"});
    EXPECT_EQ(verified.status, 0) << verified.output;
    EXPECT_NE(verified.output.find(": 1 entry holds"), std::string::npos) << verified.output;
}

// A file size limit met anywhere along two groups' entries: a group reaches the camera only when
// its entry made it into the log, and the chain holds whatever was cut. The menu's second write
// repeats its first here, so a group whose first write went is never said to be sent in part.
TEST(CliLogTest, UnderAFileSizeLimitNothingIsSentWhoseEntryDidNotMakeIt) {
    CliCamera camera;
    // Entries of earlier runs make the log longer than the camera's own state file, so that the
    // limit stops the log before it stops the camera.
    for (const auto* value : {"off", "on", "off", "on"}) {
        ASSERT_EQ(camera.run({"set", std::string("recording.eis=") + value}).status, 0);
    }
    const auto start = fileContents(camera.changeLog());
    const auto before = camera.state();
    const std::vector<std::string> change{"set", "network.ssid=limited", "recording.gps=off"};
    ASSERT_EQ(camera.run(change).status, 0);
    const auto grown = fileContents(camera.changeLog()).size() - start.size();
    struct Writes : camera::ObservedCameraLibrary::Observer {
        int sent = 0;
        void before(std::string_view function) override {
            sent |= function == "Qumat_SetNetConfig"    ? 1
                    : function == "Qumat_SetMenuConfig" ? 2
                                                        : 0;
        }
        void after(std::string_view, const int32_t*) override {}
    } writes;
    std::set<int> sentSets;
    for (std::size_t limit = start.size(); limit <= start.size() + grown; limit += grown / 24) {
        std::ofstream(camera.changeLog(), std::ios::binary | std::ios::trunc) << start;
        camera.setState(before);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // The call journal, longer than any limit here, goes nowhere.
            std::filesystem::remove(camera.file("journal.txt"));
            std::filesystem::create_symlink("/dev/null", camera.file("journal.txt"));
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit fileSize{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &fileSize);
            camera.observe(writes);
            const bool inPart =
                camera.run(change).errors.find("not all of it was sent") != std::string::npos;
            std::_Exit(writes.sent | (inPart ? 4 : 0));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        const int sent = WEXITSTATUS(status);
        EXPECT_EQ(sent & 4, 0) << limit << ": a group sent whole is said to be sent in part";
        sentSets.insert(sent & 3);
        const auto contents = fileContents(camera.changeLog());
        const auto verification = change_log::verify(contents);
        EXPECT_EQ(verification.brokenLine, 0u) << limit << ": " << verification.reason;
        std::set<std::string> intended;
        for (const auto& entry : change_log::entriesOf(contents.substr(start.size()))) {
            if (entry.outcome == change_log::kIntended) {
                intended.insert(entry.setting);
            }
        }
        EXPECT_EQ((sent & 1) != 0, intended.contains("ssid")) << limit;
        EXPECT_EQ((sent & 2) != 0, intended.contains("gps")) << limit;
    }
    EXPECT_EQ(sentSets, (std::set<int>{0, 1, 3})) << "stopped before either, between, after both";
}
#endif

// A log set aside past its size goes on in a new file: the listing, its filters and the check
// walk the files in order, and one missing from the middle is named.
TEST(CliLogTest, ALogSetAsideIsListedAndVerifiedAcrossItsFiles) {
    CliCamera camera;
    const ScopedEnvironmentVariable size("QUMAT_CHANGE_LOG_SIZE", "1500");
    std::vector<std::string> made;
    for (int run = 0; run < 9; ++run) {
        const bool on = run % 2 == 1;
        ASSERT_EQ(camera.run({"set", on ? "recording.gps=on" : "recording.gps=off"}).status, 0);
        made.push_back(on ? "gps: off -> on  written" : "gps: on -> off  written");
    }
    const auto aside = [&camera](int number) {
        return camera.file("changes.log." + std::to_string(number));
    };
    ASSERT_TRUE(std::filesystem::exists(aside(3)));
    EXPECT_LE(std::filesystem::file_size(aside(1)), 1500u + 1000u) << "set aside once past 1500";

    const auto listed = camera.run({"log"});
    EXPECT_EQ(listed.status, 0) << listed.errors;
    std::vector<std::string> changes;
    for (const auto& line : linesOf(listed.output)) {
        changes.push_back(line.substr(line.find("gps: ")));
    }
    EXPECT_EQ(changes, made);
    EXPECT_EQ(linesOf(camera.run({"log", "--json"}).output).size(), 18u);
    EXPECT_EQ(camera.run({"log", "--since", "2999-01-01"}).output, "");
    const auto verified = camera.run({"log", "--verify"});
    EXPECT_EQ(verified.status, 0) << verified.output;
    EXPECT_NE(verified.output.find(": 18 entries hold; the last line's SHA-256 is "),
              std::string::npos)
        << verified.output;

    std::filesystem::rename(aside(2), camera.file("elsewhere"));
    const auto broken = camera.run({"log", "--verify"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(
        broken.output.find(aside(2).string() + ": the chain breaks here (the file is missing)"),
        std::string::npos)
        << broken.output;
    const auto partial = camera.run({"log"});
    EXPECT_EQ(partial.status, 1);
    EXPECT_EQ(partial.errors, "qumat_pro: " + aside(2).string() + ": the file is missing\n");
    EXPECT_LT(linesOf(partial.output).size(), 9u);
    // The last file set aside missing: the file after it says where it belongs.
    std::filesystem::rename(camera.file("elsewhere"), aside(2));
    std::uint64_t last = 3;
    while (std::filesystem::exists(aside(static_cast<int>(last + 1)))) {
        ++last;
    }
    std::filesystem::remove(aside(static_cast<int>(last)));
    const auto lastMissing = camera.run({"log"});
    EXPECT_EQ(lastMissing.status, 1);
    EXPECT_EQ(lastMissing.errors, "qumat_pro: " + camera.changeLog().string() +
                                      ": it starts file " + std::to_string(last + 1) +
                                      " of the log where file " + std::to_string(last) +
                                      " was due\n");
}

#ifdef _WIN32
// The Application event log takes each line's hash: a change that requires it goes through, and
// nothing is said of it.
TEST(CliLogTest, TheEventLogTakesEachLinesHash) {
    CliCamera camera;
    const ScopedEnvironmentVariable required("QUMAT_SYSTEM_LOG", "required");
    const auto set = camera.run({"set", "recording.gps=off", "identity.officer_id=7"});
    EXPECT_EQ(set.status, 0) << set.errors;
    EXPECT_EQ(set.errors, "");
}
#else  // the system log is a socket of the test's own, the log's owner a Linux user
// Each line's SHA-256 reaches the system log before the camera is called for it, as the line
// reaches the file: a program killed at the call leaves no line that the system log lacks.
TEST(CliLogTest, EachLinesHashReachesTheSystemLogBeforeTheCameraIsCalled) {
    CliCamera camera;
    const ScopedEnvironmentVariable sending("QUMAT_SYSTEM_LOG", "on");
    testing_support::SystemLogReceiver systemLog(camera.file(""));
    ASSERT_TRUE(systemLog.bound());
    struct Unanchored : camera::ObservedCameraLibrary::Observer {
        testing_support::SystemLogReceiver& systemLog;
        std::filesystem::path log;
        std::vector<std::string> lines;
        std::vector<std::string> calls;
        Unanchored(testing_support::SystemLogReceiver& receiver, std::filesystem::path file)
            : systemLog(receiver), log(std::move(file)) {}
        void before(std::string_view function) override {
            if (!changesTheCamera(function)) {
                return;
            }
            calls.emplace_back(function);
            systemLog.take();
            for (const auto& line : linesOf(fileContents(log))) {
                if (!systemLog.took(change_log::sha256Hex(line))) {
                    lines.push_back(std::string(function) + ": " + line.substr(0, 60));
                }
            }
        }
        void after(std::string_view, const int32_t*) override {}
    } unanchored(systemLog, camera.changeLog());
    camera.observe(unanchored);
    const auto set = camera.run({"set", "identity.officer_id=7", "network.ssid=Depot 7",
                                 "recording.gps=off", "recording.eis=on"});
    EXPECT_EQ(set.status, 0);
    EXPECT_EQ(set.errors, "");
    EXPECT_EQ(unanchored.calls,
              (std::vector<std::string>{"WriteZFYInfo", "Qumat_SetNetConfig", "Qumat_SetMenuConfig",
                                        "Qumat_SetMenuConfig"}));
    EXPECT_EQ(unanchored.lines, std::vector<std::string>());
    systemLog.take();
    for (const auto& line : linesOf(fileContents(camera.changeLog()))) {
        EXPECT_TRUE(systemLog.took(change_log::sha256Hex(line))) << line;
    }
    ASSERT_FALSE(systemLog.take().empty());
    EXPECT_NE(systemLog.take().front().find("qumat_pro["), std::string::npos);
}

// A system log that takes no more lines holds a change no longer than its patience, and one
// that is not there at all is said once; an administrator who requires it has the change refused
// before the camera is called.
TEST(CliLogTest, AStalledOrAbsentSystemLogNeitherHoldsAChangeNorGoesUnsaid) {
    const auto timesSaid = [](const std::string& text, std::string_view said) {
        std::size_t times = 0;
        for (auto at = text.find(said); at != std::string::npos; at = text.find(said, at + 1)) {
            ++times;
        }
        return times;
    };
    const std::string notice = "the change log's line hashes reached no system log";
    const std::string refusal = "which QUMAT_SYSTEM_LOG=required asks for: ";
    const struct {
        const char* mode;
        bool stalled;
        int status;
        std::string said;
    } cases[] = {
        {"on", false, 0, notice + " (no system log at "},
        {"on", true, 0, notice + " (the system log at "},
        {"required", false, 1, refusal + "no system log at "},
        {"required", true, 1, refusal + "the system log at "},
    };
    for (const auto& [mode, stalled, status, said] : cases) {
        CliCamera camera;
        const ScopedEnvironmentVariable sending("QUMAT_SYSTEM_LOG", mode);
        testing_support::SystemLogReceiver systemLog(camera.file(""));
        if (stalled) {
            systemLog.fill();
        } else {
            std::filesystem::remove(camera.file("log.socket"));
        }
        const auto before = camera.state();
        const auto start = std::chrono::steady_clock::now();
        const auto set = camera.run({"set", "identity.officer_id=7", "recording.gps=off"});
        const auto elapsed = std::chrono::steady_clock::now() - start;
        const std::string name = std::string(mode) + (stalled ? " stalled" : " absent");
        EXPECT_EQ(set.status, status) << name << set.errors;
        EXPECT_LT(elapsed, std::chrono::milliseconds(1500)) << name;
        EXPECT_EQ(timesSaid(set.errors, said), 1u) << name << ": " << set.errors;
        if (status == 0) {
            EXPECT_NE(camera.state(), before) << name;
            EXPECT_EQ(change_log::verify(fileContents(camera.changeLog())).entries, 4u) << name;
            continue;
        }
        EXPECT_EQ(camera.state(), before) << name;
        for (const auto& call : camera.journal()) {
            EXPECT_FALSE(changesTheCamera(call.substr(0, call.find(' ')))) << name << call;
        }
    }
}

// A log is verified a line at a time: one much longer than a file is set aside at takes no more
// memory than a short one.
#ifndef __SANITIZE_ADDRESS__  // whose quarantine keeps what is freed
TEST(CliLogTest, AVeryLongLogIsVerifiedInLittleMemory) {
    CliCamera camera;
    const auto peakKilobytes = [&camera](std::string& output) {
        const auto printed = camera.file("verified.txt");
        const pid_t child = ::fork();
        if (child == 0) {
            const int file = ::open(printed.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(file, STDOUT_FILENO);
            const std::string qumat =
                (std::filesystem::path(QUMAT_BINARY).parent_path() / "qumat").string();
            ::execl(qumat.c_str(), qumat.c_str(), "log", "--verify", nullptr);
            ::_exit(127);
        }
        int status = 0;
        rusage usage{};
        ::wait4(child, &status, 0, &usage);
        output = fileContents(printed);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
    };
    ASSERT_EQ(camera.run({"set", "recording.gps=off"}).status, 0);
    std::string output;
    const long shortLog = peakKilobytes(output);
    ASSERT_GT(shortLog, 0) << output;

    // 50 000 entries more, some 20 MB: past the 16 MiB at which a file is set aside.
    {
        change_log::ChangeLog log(camera.changeLog(), {});
        const auto entry = change_log::entriesOf(fileContents(camera.changeLog())).front();
        for (int batch = 0; batch < 50; ++batch) {
            std::vector<change_log::ChangeEntry> entries(1000, entry);
            ASSERT_EQ(log.append(entries), std::nullopt);
        }
    }
    ASSERT_TRUE(std::filesystem::exists(camera.file("changes.log.1")));
    const long longLog = peakKilobytes(output);
    EXPECT_NE(output.find(": 50002 entries hold"), std::string::npos) << output;
    EXPECT_LT(longLog - shortLog, 4 * 1024) << longLog << " KB against " << shortLog << " KB";
}
#endif

TEST(CliLogTest, ALogAnotherUserOwnsTakesNoChange) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root gives a file to another user";
    }
    CliCamera camera;
    ASSERT_EQ(camera.run({"set", "recording.gps=off"}).status, 0);
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(::chown(camera.changeLog().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const auto log = fileContents(camera.changeLog());
    const auto before = camera.state();
    const auto refused = camera.run({"set", "recording.gps=on"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("the change log " + camera.changeLog().string() +
                                  " cannot be written: it belongs to nobody, who could rewrite"),
              std::string::npos)
        << refused.errors;
    EXPECT_EQ(fileContents(camera.changeLog()), log);
    EXPECT_EQ(camera.state(), before);
}
#endif

}  // namespace
