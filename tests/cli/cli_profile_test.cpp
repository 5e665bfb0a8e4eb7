// export and import over in-process emulated cameras, and the profile file's own form.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "cli_fixture.h"
#include "environment_variable.h"
#include "owner_alone.h"
#include "profile_file.h"
#include "setting_table.h"
#include "utf16_file.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using cli_testing::CliCamera;
using cli_testing::shown;
using cli_testing::systemReason;
using Arguments = std::vector<std::string>;

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), {}};
}

// show without the status lines, which belong to the device.
std::string settingsShown(CliCamera& camera, const std::string& model) {
    const auto outcome = camera.run({"show", "--model", model});
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    return outcome.output.substr(0, outcome.output.find("status."));
}

TEST(CliProfileTest, ExportThenImportOnAnotherCameraGivesTheSameShow) {
    const struct {
        k47::Model model;
        std::string name;
        Arguments changes;
    } cases[] = {
        {k47::Model::common,
         "common",
         {"recording.gps=OFF", "recording.resolution=848x480 30P", "recording.time_zone=- 5",
          "network.ssid= Depot 7 ", "network.pin=0000", "identity.officer_id=55\"1",
          "identity.serial_number=SN-2", "recording.aes_encryption=on"}},
        {k47::Model::stc,
         "stc",
         {"recording.recording_notice_kind=Vibração", "recording.quality=S.Low",
          "identity.officer_id=7654321", "network.apn_password=", "identity.device_id=Z999999",
          "recording.storage_encryption=on"}},
    };
    for (const auto& [model, name, changes] : cases) {
        CliCamera first(model);
        CliCamera second(model, [](k47::CameraState& state) {
            state.deviceId = "B765432";
            state.apn = "other.apn";
        });
        Arguments set{"set", "--format-card", "--model", name};
        set.insert(set.end(), changes.begin(), changes.end());
        ASSERT_EQ(first.run(set).status, 0) << name;

        const auto profile = first.file("profile.ini").string();
        const auto exported = first.run(
            {"export", profile, "--model", name, "--include-identity", "--include-secrets"});
        ASSERT_EQ(exported.status, 0) << exported.errors;

        const auto before = second.state();
        const auto dryRun = second.run({"import", profile, "--model", name, "--dry-run"});
        EXPECT_EQ(dryRun.status, 0) << dryRun.errors;
        EXPECT_NE(dryRun.output.find("network.apn: other.apn -> internet\n"), std::string::npos)
            << dryRun.output;
        EXPECT_NE(dryRun.output.find(" -> " + changes.back().substr(changes.back().find('=') + 1) +
                                     " (formats the memory card: needs --format-card)\n"),
                  std::string::npos)
            << dryRun.output;
        EXPECT_EQ(second.state(), before);

        const auto imported = second.run({"import", profile, "--model", name, "--format-card"});
        EXPECT_EQ(imported.status, 0) << imported.errors;
        EXPECT_TRUE(imported.output.ends_with(
            "identity: written\nnetwork: written\nrecording: written, memory card formatted\n"))
            << imported.output;
        EXPECT_EQ(settingsShown(second, name), settingsShown(first, name)) << name;
    }
}

TEST(CliProfileTest, IdentityAndSecretsStayOutUnlessAskedAndSecretsKeepTheFilePrivate) {
    const struct {
        Arguments options;
        bool identity;
        bool secrets;
    } cases[] = {
        {{}, false, false},
        {{"--include-identity"}, true, false},
        {{"--include-secrets"}, false, true},
    };
    for (const auto& [options, identity, secrets] : cases) {
        CliCamera camera;
        const auto file = camera.file("profile.ini");
        // A readable file from before must not stay readable once it holds secrets.
        std::ofstream(file) << "old\n";
        std::filesystem::permissions(file, std::filesystem::perms(0644));
        Arguments arguments{"export", file.string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        ASSERT_EQ(camera.run(arguments).status, 0);

        const auto text = contentOf(file);
        EXPECT_TRUE(text.starts_with(
            "; qumat_pro profile: model common, firmware FW 2.4.18 build 20231108\n"))
            << text;
        EXPECT_EQ(text.find("device_id = A123456\n") != std::string::npos, identity);
        EXPECT_EQ(text.find("serial_number = ") != std::string::npos, identity);
        for (const char* secret : {"wifi_password = ", "pin = ", "apn_password = "}) {
            EXPECT_EQ(text.find(secret) != std::string::npos, secrets) << secret;
        }
        EXPECT_NE(text.find("[recording]\nresolution = 1920x1080-30p\n"), std::string::npos);
        EXPECT_EQ(text.find("status"), std::string::npos);
        EXPECT_EQ(testing_support::ownerAlone(file), secrets);
    }
}

// Names and values beyond ASCII and beyond the ANSI code page (on Windows the file functions, the
// variables and the profile's own encoding are wide), in either UTF-16 byte order an editor saves.
TEST(CliProfileTest, FileNamesAndUtf16ProfilesKeepEveryCharacter) {
    testing_support::setEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", "1251");
    CliCamera camera;
    const std::string folder = camera.file("").string();
    ASSERT_EQ(camera.run({"export", folder + "профиль-café.ini"}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(camera.file("") / u8"профиль-café.ini"));

    const std::string littleEndian = testing_support::utf16File(u"[network]\r\nssid = Склад\r\n");
    std::string bigEndian = littleEndian;
    for (std::size_t i = 0; i + 1 < bigEndian.size(); i += 2) {
        std::swap(bigEndian[i], bigEndian[i + 1]);
    }
    for (const auto& profile : {littleEndian, bigEndian}) {
        std::ofstream(camera.file("") / u8"готовый.ini", std::ios::binary) << profile;
        testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG",
                                                (folder + "журнал.log").c_str());
        const auto outcome = camera.run({"import", folder + "готовый.ini"});
        EXPECT_EQ(outcome.status, 0) << outcome.errors;
        EXPECT_EQ(camera.state().ssid, "\xD1\xEA\xEB\xE0\xE4") << "Склад in code page 1251";
        EXPECT_TRUE(std::filesystem::exists(camera.file("") / u8"журнал.log"));
        camera.run({"set", "network.ssid=Depot"});
    }
    EXPECT_EQ(cli::readProfile(littleEndian + "x").errors,
              std::vector<std::string>{
                  "UTF-16 text of an odd number of bytes: the profile is cut short"});
    testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", nullptr);
}

TEST(CliProfileTest, ProfileValuesReadBackAsTheyWereWritten) {
    const auto table = cli::settingTable(camera::commonModel());
    const std::string texts[] = {"plain", "",          " lead",       "trail ",     "\"quoted\"",
                                 "a\\b",  "tab\there", "line\nbreak", "caf\xC3\xA9"};
    for (const auto& text : texts) {
        camera::SettingValues values;
        for (const auto& setting : table) {
            values[std::string(setting.key())].text = "x";
        }
        values["ssid"].text = text;
        const auto profile = cli::profileText(table, values, camera::stcModel(), {});
        const auto reading = cli::readProfile(profile);
        EXPECT_TRUE(reading.errors.empty()) << profile;
        EXPECT_EQ(reading.model, &camera::stcModel());
        const auto ssid = std::ranges::find(reading.requests, "network.ssid", &cli::Request::name);
        ASSERT_NE(ssid, reading.requests.end());
        EXPECT_EQ(ssid->value, text);
    }
}

TEST(CliProfileTest, LinesThatCannotBeReadAreNamedByNumber) {
    const std::pair<std::string, std::string> cases[] = {
        {"ssid = x\n", "line 1: a setting before the first [section]"},
        {"; comment\n[network\n", "line 2: a section line ends with ']'"},
        {"[network]\n\nssid x\n", "line 3: expected 'key = value'"},
        {"[network]\nssid = \"open\n",
         "line 2: a quoted value ends with its quote; inside, only \\\", \\\\ and \\xHH"},
        {"[network]\nssid = \"a\\qb\"\n",
         "line 2: a quoted value ends with its quote; inside, only \\\", \\\\ and \\xHH"},
        {"[network]\r\nssid = Fiel",
         "line 2: the last line has no line end: the profile is cut short"},
    };
    for (const auto& [text, error] : cases) {
        EXPECT_EQ(cli::readProfile(text).errors, std::vector<std::string>{error}) << text;
    }
}

// However short a profile is cut, it imports no part of a value: a cut inside a line is refused
// naming that line, and one that leaves no setting says so.
TEST(CliProfileTest, AProfileCutShortAtAnyByteImportsNoWrongValue) {
    CliCamera camera;
    const auto exported = camera.run({"export", "-"});
    ASSERT_EQ(exported.status, 0) << exported.errors;
    const std::string& profile = exported.output;
    std::size_t refused = 0;
    for (std::size_t length = 0; length <= profile.size(); ++length) {
        const auto outcome =
            camera.run({"import", "-", "--dry-run"}, "000000", profile.substr(0, length));
        if (outcome.status == 2) {
            ++refused;
            continue;
        }
        EXPECT_EQ(outcome.status, 0) << length << outcome.errors;
        EXPECT_EQ(outcome.output, "nothing to change\n") << profile.substr(0, length);
    }
    EXPECT_GT(refused, profile.size() / 2);
    const std::string cut = profile.substr(0, profile.find("ssid = FieldOffice") + 11);
    const std::string line = std::to_string(std::ranges::count(cut, '\n') + 1);
    const std::pair<std::string, std::string> cases[] = {
        {cut, "qumat_pro: standard input: line " + line +
                  ": the last line has no line end: the profile is cut short\n"},
        {"", "qumat_pro: standard input holds no settings\n"},
        {profile.substr(0, profile.find("\n[") + 1),
         "qumat_pro: standard input holds no settings\n"},
    };
    for (const auto& [text, errors] : cases) {
        const auto outcome = camera.run({"import", "-"}, "000000", text);
        EXPECT_EQ(outcome.status, 2) << text;
        EXPECT_EQ(outcome.errors, errors);
    }
}

TEST(CliProfileTest, ImportRefusesAProfileOfTheOtherModelOrWithBadValues) {
    CliCamera camera;
    const auto file = camera.file("profile.ini");
    const auto before = camera.state();
    const std::pair<std::string, std::string> cases[] = {
        {"; qumat_pro profile: model stc, firmware x\n[network]\nssid = a\n",
         "qumat_pro: " + file.string() +
             " holds settings of the stc model; import it with --model stc\n"},
        {"[recording]\ngps = maybe\nresolution = none\n[status]\ncard = 1 GB\n",
         "qumat_pro: status.card: read only\n"},
        {"[recording]\ngps = maybe\nresolution = unsupported\n",
         "qumat_pro: recording.gps: 'maybe' is not one of off, on\n"},
        {"[network]\nssid = a\n[x\n",
         "qumat_pro: " + file.string() + ": line 3: a section line ends with ']'\n"},
    };
    for (const auto& [text, errors] : cases) {
        std::ofstream(file) << text;
        const auto outcome = camera.run({"import", file.string()});
        EXPECT_EQ(outcome.status, 2) << text;
        EXPECT_EQ(outcome.errors, errors);
        EXPECT_EQ(camera.state(), before);
    }
}

// What is read from outside is read within a limit, from a regular file or a pipe only, with its
// lines ending as the platform ends them.
TEST(CliProfileTest, ProfilesAndPasswordFilesAreReadWithinLimits) {
    CliCamera camera;
    const auto profile = camera.file("profile.ini").string();
    const auto pipe = camera.file("pipe").string();
    const auto folder = camera.file("folder").string();
    // In quotes a backslash, the separator of Windows paths, is escaped.
    std::string quotedFolder;
    for (const char c : folder) {
        quotedFolder += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
#ifndef _WIN32  // named pipes in the file system are POSIX's
    std::signal(SIGPIPE, SIG_IGN);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
#endif
    std::filesystem::create_directory(folder);
    const std::string endless = "endless";
    const std::string ssidChange = "[network]\nssid = Depot\n";
    const struct {
        std::string content;  // of the profile, or of the pipe when `arguments` name it
        Arguments arguments;
        int status;
        std::string errors;
    } cases[] = {
        {"[network]\rssid = Depot\r[recording]\r\ngps = OFF\r", {"import", profile}, 0, ""},
        {"\xEF\xBB\xBF" + ssidChange, {"import", profile}, 0, ""},
        {"",
         {"import", folder + "\x1B[2J"},
         2,
         "qumat_pro: cannot read \"" + quotedFolder +
             "\\x1B[2J\": " + systemReason(ENOENT, 123 /* ERROR_INVALID_NAME */) + "\n"},
        {"[network]\nssid = \"a\\x00b\"\n",
         {"import", profile},
         2,
         "qumat_pro: " + profile + ": line 2: a value holds a NUL byte, at which the camera " +
             "would cut it\n"},
        {ssidChange + std::string(1024 * 1024, ';'),
         {"import", profile},
         2,
         "qumat_pro: cannot read " + profile + ": larger than 1 MB\n"},
        {"",
         {"import", folder},
         2,
         "qumat_pro: cannot read " + folder + ": " +
             systemReason(EISDIR, 267 /* ERROR_DIRECTORY */) + "\n"},
#ifndef _WIN32  // the pipe and /dev/zero
        {"",
         {"import", "/dev/zero"},
         2,
         "qumat_pro: cannot read /dev/zero: not a regular file or a pipe\n"},
        {ssidChange, {"import", pipe}, 0, ""},
        {endless, {"import", pipe}, 2, "qumat_pro: cannot read " + pipe + ": larger than 1 MB\n"},
        {"000000\rnext", {"show", "--password-file", pipe}, 0, ""},
        {endless,
         {"show", "--password-file", pipe},
         2,
         "qumat_pro: cannot read the password file " + pipe +
             ": its first line is longer than 1 KB\n"},
        {"",
         {"show", "--password-file", "/dev/zero"},
         2,
         "qumat_pro: cannot read the password file /dev/zero: not a regular file or a pipe\n"},
#endif
    };
    for (const auto& [content, arguments, status, errors] : cases) {
        std::ofstream(profile, std::ios::binary | std::ios::trunc) << content;
        std::thread feeder;
        if (arguments.back() == pipe) {
            feeder = std::thread([&] {
                std::ofstream stream(pipe, std::ios::binary);
                const std::string chunk = content == endless ? std::string(65536, ';') : content;
                do {
                    stream << chunk << std::flush;
                } while (content == endless && stream);
            });
        }
        const auto outcome = camera.run(arguments);
        if (feeder.joinable()) {
            feeder.join();
        }
        EXPECT_EQ(outcome.status, status) << arguments.back() << " " << content.substr(0, 30);
        EXPECT_EQ(outcome.errors, errors);
        if (arguments.front() == "import" && status == 0) {
            EXPECT_EQ(camera.state().ssid, "Depot");
        }
    }
}

// The file-size limit is set in a forked child, and Windows will not replace a file that a
// reader holds open without letting it be deleted.
#ifndef _WIN32
// A profile that cannot be written whole leaves the old one as it was; one that can replaces it
// without showing its secrets through the old file.
TEST(CliProfileTest, ExportWritesANewFileOrLeavesTheOldOne) {
    CliCamera camera;
    const auto file = camera.file("profile.ini");
    const std::string old = "; the old profile\n";
    std::ofstream(file) << old;
    std::filesystem::permissions(file, std::filesystem::perms(0644));

    // A file-size limit that the profile exceeds, as a full disk would stop it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        // The camera's journal meets the limit too, and says so.
        std::freopen("/dev/null", "w", stderr);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto outcome = camera.run({"export", file.string()});
        std::_Exit(outcome.status == 1 && outcome.errors == "qumat_pro: cannot write " +
                                                                file.string() + ": File too large\n"
                       ? 0
                       : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(contentOf(file), old);
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        EXPECT_EQ(entry.path().filename().string().find(".new-"), std::string::npos);
    }

    std::ifstream reader(file);
    ASSERT_EQ(camera.run({"export", file.string(), "--include-secrets"}).status, 0);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), old);
    EXPECT_NE(contentOf(file).find("wifi_password = "), std::string::npos);
}
#endif

// A text the camera would keep as question marks or half characters is refused, not sent.
TEST(CliProfileTest, TextsMustFitTheCodePageWhole) {
    const struct {
        const char* codePage;
        std::string request;
        std::string refusal;
    } cases[] = {
        {"1252", "network.ssid=日本語", "network.ssid: has characters that code page 1252 lacks"},
        {"1252", "network.ssid=Café", ""},
        {"1251", "network.ssid=Café", "network.ssid: has characters that code page 1251 lacks"},
        {"936", "network.ssid=日本語日本語日本", ""},
        {"936", "network.ssid=日本語日本語日本a",
         "network.ssid: takes 17 bytes in code page 936, more than its field holds"},
        {"936", "network.apn_user=日本",
         "network.apn_user: takes 4 bytes in code page 936, more than its field holds"},
    };
    for (const auto& [codePage, request, refusal] : cases) {
        testing_support::setEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", codePage);
        CliCamera camera;
        const auto before = camera.state();
        const auto outcome = camera.run({"set", request});
        EXPECT_EQ(outcome.status, refusal.empty() ? 0 : 2) << request;
        EXPECT_EQ(outcome.errors, refusal.empty() ? "" : "qumat_pro: " + refusal + "\n");
        EXPECT_EQ(camera.state() == before, !refusal.empty()) << request;
    }
    testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", nullptr);
}

}  // namespace
