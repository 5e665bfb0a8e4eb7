#include "change_log.h"
#include "file_contents.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "environment_variable.h"
#include "log_reading.h"
#include "owner_alone.h"
#include "sha256.h"
#include "temporary_directory.h"

#ifndef _WIN32
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "killed_writer.h"
#include "system_log_receiver.h"
#endif

namespace {

using testing_support::fileContents;

using change_log::ChangeEntry;
using change_log::ChangeLog;

ChangeEntry entry(std::string setting, std::string newValue) {
    return {.time = "2026-12-08T05:40:03Z",
            .utcOffset = "+01:00",
            .user = "admin",
            .host = "desk-7",
            .frontEnd = "command line",
            .model = "common",
            .deviceId = "A123456",
            .setting = std::move(setting),
            .oldValue = "off",
            .newValue = std::move(newValue),
            .outcome = std::string(change_log::kWritten)};
}

std::optional<std::string> appendOne(ChangeLog& log, ChangeEntry each) {
    std::vector<ChangeEntry> entries{std::move(each)};
    return log.append(entries);
}

// Written ahead of its call, or the outcome that settles such an entry.
ChangeEntry intended(std::string setting) {
    auto intent = entry(std::move(setting), "on");
    intent.outcome = change_log::kIntended;
    return intent;
}

ChangeEntry settling(const ChangeEntry& intent, std::string_view outcome, std::string reason = {}) {
    auto settled = intent;
    settled.outcome = outcome;
    settled.reason = std::move(reason);
    settled.intent = intent.hash;
    return settled;
}

// A log as an earlier version wrote it, before entries went ahead of their calls.
constexpr std::string_view kOlderLog =
    R"({"log":"qumat_pro change log","created":"2026-12-08T14:54:38Z"}
{"time":"2026-12-08T14:54:38Z","utc_offset":"+00:00","user":"root","host":"vm","front_end":"command line","edition":"","model":"common","device_id":"A123456","serial_number":"SN23110804571","setting":"wifi_password","old":"","new":"changed","outcome":"written","previous":"556c89ed26e81790b6b35b64166d25d82a6fb6210d97086fafd79d938d166f44","hash":"dc3a33836f53000cf4caf0eb1049380a982cb4af752ebaea7cbe8f5d93fe2983"}
{"time":"2026-12-08T14:54:38Z","utc_offset":"+00:00","user":"root","host":"vm","front_end":"command line","edition":"","model":"common","device_id":"A123456","serial_number":"SN23110804571","setting":"gps","old":"on","new":"off","outcome":"written","previous":"fba976aebfc9bddadfa6dc3f84a9632ec81409904ace233c2ca9983434bc26fc","hash":"808646f81e30bb7b8176f6235127c6384ce2458efe1ccb911bf932235bb305c9"}
)";

std::vector<std::string> linesOf(const std::string& contents) {
    std::vector<std::string> lines;
    std::istringstream stream(contents);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string contents;
    for (const auto& line : lines) {
        contents += line + "\n";
    }
    return contents;
}

class ChangeLogTest : public testing::Test {
  protected:
    void write(std::initializer_list<ChangeEntry> entries) {
        ChangeLog log(file_);
        for (const auto& each : entries) {
            ASSERT_EQ(appendOne(log, each), std::nullopt);
        }
    }

    testing_support::TemporaryDirectory directory_;
    std::filesystem::path file_ = directory_ / "state" / "qumat_pro" / "changes.log";
};

TEST_F(ChangeLogTest, EntriesReadBackAsWrittenAndTheChainHoldsAcrossRuns) {
    const auto odd = entry("network.ssid", "Say \"hi\"\\\x1B[2J\nnext Ж");
    write({entry("recording.gps", "on"), odd});
    write({entry("identity.device_id", "B765432")});

    const auto contents = fileContents(file_);
    const auto verification = change_log::verify(contents);
    EXPECT_EQ(verification.entries, 3u);
    EXPECT_EQ(verification.brokenLine, 0u) << verification.reason;
    const auto entries = change_log::entriesOf(contents);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].newValue, odd.newValue);
    EXPECT_EQ(entries[2].setting, "identity.device_id");
    EXPECT_EQ(linesOf(contents).size(), 4u) << "one start line, one line per entry";

    // Whatever the folder above lets others do.
    EXPECT_TRUE(testing_support::ownerAlone(file_));
    EXPECT_TRUE(testing_support::ownerAlone(file_.parent_path()));
}

TEST_F(ChangeLogTest, EveryKindOfEditBreaksTheChainWhereItIs) {
    write({entry("a", "1"), entry("b", "2"), entry("c", "3"), entry("d", "4")});
    const auto lines = linesOf(fileContents(file_));
    ASSERT_EQ(lines.size(), 5u);
    const auto replaced = [&](std::size_t at, std::string_view from, std::string_view to) {
        auto edited = lines;
        edited[at].replace(edited[at].find(from), from.size(), to);
        return joined(edited);
    };
    const auto without = [&](std::size_t at) {
        auto edited = lines;
        edited.erase(edited.begin() + static_cast<std::ptrdiff_t>(at));
        return joined(edited);
    };
    auto swapped = lines;
    std::swap(swapped[2], swapped[3]);
    auto copied = lines;
    copied.insert(copied.begin() + 2, lines[1]);
    const std::string whole = joined(lines);
    const struct {
        const char* edit;
        std::string contents;
        std::size_t brokenLine;
    } cases[] = {
        {"a value changed", replaced(2, "\"new\":\"2\"", "\"new\":\"9\""), 3},
        {"the last entry's value changed", replaced(4, "\"new\":\"4\"", "\"new\":\"5\""), 5},
        {"an entry removed", without(2), 3},
        {"the start line removed", without(0), 1},
        {"two entries swapped", joined(swapped), 3},
        {"an entry copied in again", joined(copied), 3},
        {"blanks added", replaced(3, "\",\"", "\", \""), 4},
        {"the last line cut short", whole.substr(0, whole.size() - 5), 5},
    };
    for (const auto& [edit, contents, brokenLine] : cases) {
        const auto verification = change_log::verify(contents);
        EXPECT_EQ(verification.brokenLine, brokenLine) << edit;
        EXPECT_FALSE(verification.reason.empty()) << edit;
    }
    // A copy through a tool that changes line ends is named as such.
    std::string crlf;
    for (const auto& line : lines) {
        crlf += line + "\r\n";
    }
    const auto verification = change_log::verify(crlf);
    EXPECT_EQ(verification.brokenLine, 1u);
    EXPECT_NE(verification.reason.find("CR LF"), std::string::npos) << verification.reason;
}

// Entries written ahead of their calls, after those of an older log: each outcome joins the entry
// it names wherever it stands, and one whose outcome never came is shown as unknown.
TEST_F(ChangeLogTest, OutcomesJoinTheirEntriesAfterAnOlderLogsAndAMissingOneIsUnknown) {
    std::filesystem::create_directories(file_.parent_path());
    std::ofstream(file_, std::ios::binary) << kOlderLog;
    ChangeLog log(file_);
    std::vector<ChangeEntry> intents{intended("eis"), intended("ssid")};
    ASSERT_EQ(log.append(intents), std::nullopt);
    std::vector<ChangeEntry> outcomes{settling(intents[1], change_log::kRefused, "no flag"),
                                      settling(intents[0], change_log::kWritten)};
    ASSERT_EQ(log.append(outcomes), std::nullopt);
    ASSERT_EQ(appendOne(log, intended("device_id")), std::nullopt);

    const auto contents = fileContents(file_);
    EXPECT_TRUE(contents.starts_with(kOlderLog));
    const auto verification = change_log::verify(contents);
    EXPECT_EQ(verification.brokenLine, 0u) << verification.reason;
    EXPECT_EQ(verification.entries, 7u);
    std::vector<std::string> changes;
    for (const auto& change : change_log::changesOf(contents)) {
        changes.push_back(change.setting + " " + change.outcome + " " + change.reason);
    }
    EXPECT_EQ(changes,
              (std::vector<std::string>{"wifi_password written ", "gps written ", "eis written ",
                                        "ssid refused no flag", "device_id outcome unknown "}));
}

// Each line's SHA-256 also goes outside the file, where a rewrite of the file cannot reach, and
// names the line it came from; nothing goes there of entries that were not appended.
TEST_F(ChangeLogTest, EachLinesHashGoesToTheAnchorAndIsFoundInTheChain) {
    std::vector<std::string> anchored;
    const change_log::Anchor anchor{.send = [&anchored](std::string_view message) {
        anchored.emplace_back(message);
        return std::optional<std::string>();
    }};
    ChangeLog folder(directory_.path(), anchor);
    EXPECT_NE(appendOne(folder, entry("recording.gps", "on")), std::nullopt);
    EXPECT_TRUE(anchored.empty());

    ChangeLog log(file_, anchor);
    std::vector<ChangeEntry> intents{intended("gps"), intended("eis")};
    ASSERT_EQ(log.append(intents), std::nullopt);
    ASSERT_EQ(appendOne(log, settling(intents[0], change_log::kWritten)), std::nullopt);
    const auto contents = fileContents(file_);
    ASSERT_EQ(anchored.size(), 4u) << "the start line and three entries";
    for (std::size_t at = 0; at < anchored.size(); ++at) {
        const auto& message = anchored[at];
        EXPECT_NE(message.find(file_.string()), std::string::npos) << message;
        EXPECT_EQ(change_log::lineWithHash(contents, message.substr(message.size() - 64)), at + 1)
            << message;
    }
    EXPECT_NE(anchored[3].find("gps written"), std::string::npos) << anchored[3];
    EXPECT_EQ(change_log::lineWithHash(contents, change_log::verify(contents).lastLineHash), 4u);
    EXPECT_EQ(change_log::lineWithHash(contents, std::string(64, '0')), 0u);
}

// What a writer killed in the middle of its write left, part of an entry written ahead of a call
// that never came, gives way to the next entry, and the chain goes on whole.
TEST_F(ChangeLogTest, PartOfALineAKilledWriterLeftGivesWayToTheNextEntry) {
    write({entry("a", "1"), entry("b", "2")});
    std::ofstream(file_, std::ios::binary | std::ios::app) << "{\"previous\":\"12";
    write({entry("c", "3")});
    const auto contents = fileContents(file_);
    const auto verification = change_log::verify(contents);
    EXPECT_EQ(verification.brokenLine, 0u) << verification.reason;
    EXPECT_EQ(verification.entries, 3u);
    EXPECT_EQ(contents.find("\"12{"), std::string::npos);
}

// What is not a whole log is never cut to make room: a file named by mistake and a log whose line
// ends a copy changed are refused and left as they were; a whole last entry that lost only its
// line end stays in the chain.
TEST_F(ChangeLogTest, NothingButPartOfALineIsEverTakenOff) {
    write({entry("a", "1"), entry("b", "2")});
    const auto log = fileContents(file_);
    std::string crlf;
    for (std::size_t at = 0; at < log.size(); ++at) {
        crlf += log[at] == '\n' ? std::string("\r\n") : std::string(1, log[at]);
    }
    const struct {
        std::string edit;
        std::string contents;
        std::string refusal;  // empty: the entry is appended
    } cases[] = {
        {"notes", "my notes\nnot ended", "it is not a change log"},
        {"NUL bytes", std::string(4, '\0'), "it is not a change log"},
        {"CR LF", crlf, "CR LF"},
        {"last line end lost", log.substr(0, log.size() - 1), ""},
    };
    for (const auto& [edit, contents, refusal] : cases) {
        std::ofstream(file_, std::ios::binary | std::ios::trunc) << contents;
        ChangeLog again(file_);
        const auto outcome = appendOne(again, entry("c", "3"));
        const auto after = fileContents(file_);
        if (!refusal.empty()) {
            ASSERT_TRUE(outcome) << edit;
            EXPECT_NE(outcome->find(refusal), std::string::npos) << edit << ": " << *outcome;
            EXPECT_EQ(after, contents) << edit;
            continue;
        }
        EXPECT_EQ(outcome, std::nullopt) << edit;
        EXPECT_TRUE(after.starts_with(contents + "\n")) << edit;
        EXPECT_EQ(change_log::verify(after).entries, 3u) << edit;
    }
    // A log whose line ends were changed still lists its entries.
    EXPECT_EQ(change_log::entriesOf(crlf).size(), 2u);
}

// Past its size a log is set aside under its number and goes on in a new file, whose start line
// follows the last line set aside: the chain is checked across the files, and whatever breaks it
// is named by its file.
TEST_F(ChangeLogTest, ALogSetAsideGoesOnInANewFileAndEveryBreakAcrossTheFilesIsNamed) {
    const testing_support::ScopedEnvironmentVariable size("QUMAT_CHANGE_LOG_SIZE", "1200");
    for (int change = 0; change < 14; ++change) {
        write({entry("recording.gps", std::to_string(change))});
    }
    const auto aside = [this](std::uint64_t number) {
        return change_log::setAsideName(file_, number);
    };
    const std::uint64_t last = change_log::lastSetAside(file_);
    ASSERT_GE(last, 4u);
    std::vector<change_log::HashPlace> expected{
        {.hash = change_log::verify(fileContents(aside(2))).lastLineHash}};
    const auto whole = change_log::verifyLog(file_, expected);
    EXPECT_TRUE(whole.holds()) << whole.file << ": " << whole.reason;
    EXPECT_EQ(whole.entries, 14u);
    EXPECT_EQ(whole.lastLineHash, change_log::verify(fileContents(file_)).lastLineHash);
    EXPECT_EQ(expected.front().file, aside(2));
    EXPECT_EQ(expected.front().line, linesOf(fileContents(aside(2))).size());

    const auto keep = directory_ / "kept";
    std::filesystem::copy(file_.parent_path(), keep);
    const auto restore = [&] {
        std::filesystem::remove_all(file_.parent_path());
        std::filesystem::copy(keep, file_.parent_path());
    };
    const auto edited = [](const std::filesystem::path& file, std::size_t line) {
        auto lines = linesOf(fileContents(file));
        lines[line - 1].replace(lines[line - 1].find("\"new\":\""), 7, "\"new\":\"9");
        std::ofstream(file, std::ios::binary | std::ios::trunc) << joined(lines);
    };
    const struct {
        const char* edit;
        std::function<void()> make;
        std::filesystem::path file;
        std::size_t brokenLine;
        std::string reason;
    } cases[] = {
        {"a file in the middle removed", [&] { std::filesystem::remove(aside(2)); }, aside(2), 0,
         "the file is missing"},
        {"the last file set aside removed", [&] { std::filesystem::remove(aside(last)); }, file_, 1,
         "it starts file " + std::to_string(last + 1) + " of the log where file " +
             std::to_string(last) + " was due"},
        {"an entry of a file set aside changed", [&] { edited(aside(3), 2); }, aside(3), 2,
         "its content was changed"},
        {"two files swapped",
         [&] {
             std::filesystem::rename(aside(2), directory_ / "2");
             std::filesystem::rename(aside(3), aside(2));
             std::filesystem::rename(directory_ / "2", aside(3));
         },
         aside(2), 1, "it starts file 3 of the log where file 2 was due"},
        {"the last line of a file set aside removed",
         [&] {
             auto lines = linesOf(fileContents(aside(1)));
             lines.pop_back();
             std::ofstream(aside(1), std::ios::binary | std::ios::trunc) << joined(lines);
         },
         aside(2), 1,
         "its start line does not follow the last line of " + aside(1).filename().string()},
        {"the log started anew",
         [&] {
             std::filesystem::remove(file_);
             write({entry("a", "1")});
         },
         file_, 0, ""},
    };
    for (const auto& [edit, make, file, brokenLine, reason] : cases) {
        make();
        std::vector<change_log::HashPlace> none;
        const auto verification = change_log::verifyLog(file_, none);
        EXPECT_EQ(verification.file, reason.empty() ? std::filesystem::path() : file) << edit;
        EXPECT_EQ(verification.brokenLine, brokenLine) << edit;
        EXPECT_EQ(verification.reason, reason) << edit;
        restore();
    }

    // A process killed between setting the file aside and starting the new one leaves it empty:
    // the next entry goes on from the file set aside.
    std::filesystem::copy_file(file_, aside(last + 1));
    std::ofstream(file_, std::ios::binary | std::ios::trunc).flush();
    write({entry("recording.gps", "on")});
    std::vector<change_log::HashPlace> none;
    EXPECT_TRUE(change_log::verifyLog(file_, none).holds());
    EXPECT_EQ(change_log::verifyLog(file_, none).entries, 15u);

    // A log of an earlier version, never set aside, holds as it did.
    std::filesystem::remove_all(file_.parent_path());
    std::filesystem::create_directories(file_.parent_path());
    std::ofstream(file_, std::ios::binary) << kOlderLog;
    const auto older = change_log::verifyLog(file_, none);
    EXPECT_TRUE(older.holds()) << older.reason;
    EXPECT_EQ(older.entries, 2u);
}

#ifndef _WIN32  // the writers are forked processes, and the unwritable places Linux's device files
// Each entry goes down in one write, so a writer killed at any moment leaves whole lines only.
TEST_F(ChangeLogTest, AWriterKilledAtAnyMomentLeavesWholeEntries) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(testing_support::killWhileWriting(
            [&] {
                ChangeLog log(file_);
                if (appendOne(log, entry("recording.gps", std::to_string(round)))) {
                    std::_Exit(3);
                }
            },
            std::chrono::microseconds(2000), random));
    }
    const auto verification = change_log::verify(fileContents(file_));
    EXPECT_EQ(verification.brokenLine, 0u) << verification.reason;
    EXPECT_GE(verification.entries, 20u);
}

// Each line's SHA-256 is sent before the line is written: a writer killed at any moment leaves no
// line whose hash the system log lacks.
TEST_F(ChangeLogTest, EveryLineAKilledWriterLeftHasItsHashInTheSystemLog) {
    const testing_support::ScopedEnvironmentVariable sending("QUMAT_SYSTEM_LOG", "on");
    testing_support::SystemLogReceiver systemLog(directory_.path());
    ASSERT_TRUE(systemLog.bound());
    std::mt19937 random(11);
    for (int round = 0; round < 30; ++round) {
        ASSERT_TRUE(testing_support::killWhileWriting(
            [&] {
                ChangeLog log(file_);
                if (appendOne(log, entry("recording.gps", std::to_string(round)))) {
                    std::_Exit(3);
                }
            },
            std::chrono::microseconds(3000), random));
        systemLog.take();
    }
    const auto lines = linesOf(fileContents(file_));
    EXPECT_GE(lines.size(), 30u);
    for (const auto& line : lines) {
        EXPECT_TRUE(systemLog.took(change_log::sha256Hex(line))) << line;
    }
}

// A shared log: writers that append at the same time each follow a whole line.
TEST_F(ChangeLogTest, WritersAtTheSameTimeKeepOneChain) {
    std::vector<pid_t> writers;
    for (int writer = 0; writer < 4; ++writer) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ChangeLog log(file_);
            for (int change = 0; change < 25; ++change) {
                if (appendOne(log, entry("recording.gps", std::to_string(change)))) {
                    std::_Exit(3);
                }
            }
            std::_Exit(0);
        }
        writers.push_back(child);
    }
    for (const pid_t writer : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto verification = change_log::verify(fileContents(file_));
    EXPECT_EQ(verification.brokenLine, 0u) << verification.reason;
    EXPECT_EQ(verification.entries, 100u);
}

TEST_F(ChangeLogTest, ALogThatCannotBeWrittenSaysWhy) {
    const auto pipe = directory_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::filesystem::path& place :
         {std::filesystem::path("/dev/full"), std::filesystem::path("/dev/null/changes.log"),
          pipe}) {
        ChangeLog log(place);
        EXPECT_NE(log.open(), std::nullopt) << place;
        EXPECT_NE(appendOne(log, entry("recording.gps", "on")), std::nullopt) << place;
    }
    // Each retry is refused with its reason, and keeps nothing open.
    const auto openFiles = [] {
        const auto files = std::filesystem::directory_iterator("/proc/self/fd");
        return std::distance(begin(files), end(files));
    };
    const auto before = openFiles();
    ChangeLog log(pipe);
    for (int retry = 0; retry < 3; ++retry) {
        EXPECT_EQ(log.open(), "it is not a regular file");
    }
    EXPECT_EQ(openFiles(), before);
}

// A link in the log's place, as another user may make one in a shared folder, is refused by name
// and what it points to is left as it was.
TEST_F(ChangeLogTest, ALinkInTheLogsPlaceIsNeverFollowed) {
    const auto target = directory_ / "owned-by-someone-else";
    { std::ofstream(target) << "keep\n"; }
    const auto link = directory_ / "changes.log";
    std::filesystem::create_symlink(target, link);
    ChangeLog log(link);
    EXPECT_EQ(appendOne(log, entry("recording.gps", "on")),
              "it is a symbolic link, which the log never follows");
    EXPECT_EQ(fileContents(target), "keep\n");
}

// A full disk that cuts an entry short leaves the log as it was, its chain whole.
TEST_F(ChangeLogTest, AnEntryTheDiskCannotTakeLeavesTheLogAsItWas) {
    write({entry("recording.gps", "on")});
    const auto before = fileContents(file_);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() + 100, before.size() + 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ChangeLog log(file_);
        // Named as the limit it is, not as a full disk.
        std::_Exit(appendOne(log, entry("recording.gps", "off")) == std::strerror(EFBIG) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(fileContents(file_), before);
    write({entry("recording.gps", "off")});
    const auto verification = change_log::verify(fileContents(file_));
    EXPECT_EQ(verification.brokenLine, 0u) << verification.reason;
    EXPECT_EQ(verification.entries, 2u);
}
#endif

TEST(ChangeLogPlaceTest, TheEnvironmentNamesTheFileOrTurnsLoggingOff) {
#ifndef _WIN32
    // A relative folder would put the log wherever the command runs.
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    const auto usersHome =
        std::filesystem::path(user->pw_dir) / ".local/state/qumat_pro/changes.log";
#endif
    const struct {
        const char* changeLog;
        const char* stateHome;
        const char* home;
        std::optional<std::filesystem::path> file;
    } cases[] = {
        {"off", "/state", "/home/admin", std::nullopt},
        {"/srv/log/fleet.log", "/state", "/home/admin", "/srv/log/fleet.log"},
        // A plain string would be read in another code page than UTF-8 on Windows.
        {"/srv/журнал/изменения-café.log", "/state", "/home/admin",
         std::filesystem::path(u8"/srv/журнал/изменения-café.log")},
#ifndef _WIN32  // the XDG state folder is Linux's; Windows keeps state under LOCALAPPDATA
        {nullptr, "/state", "/home/admin", "/state/qumat_pro/changes.log"},
        {nullptr, "relative", "/home/admin", "/home/admin/.local/state/qumat_pro/changes.log"},
        {nullptr, nullptr, "/home/admin", "/home/admin/.local/state/qumat_pro/changes.log"},
        {nullptr, "relative", "relative", usersHome},
        {nullptr, nullptr, nullptr, usersHome},
#endif
    };
    const auto set = testing_support::setOrRemoveEnvironmentVariable;
    for (const auto& [changeLog, stateHome, home, file] : cases) {
        set("QUMAT_CHANGE_LOG", changeLog);
        set("XDG_STATE_HOME", stateHome);
        set("HOME", home);
        EXPECT_EQ(change_log::logFile(), file)
            << (changeLog ? changeLog : "-") << " " << (stateHome ? stateHome : "-") << " "
            << (home ? home : "-");
    }
}

}  // namespace
