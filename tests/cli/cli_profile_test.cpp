// export and import over in-process emulated cameras, and the profile file's own form.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "cli_fixture.h"
#include "profile_file.h"
#include "setting_table.h"

namespace {

using cli_testing::CliCamera;
using cli_testing::shown;
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
          "identity.serial_number=SN-2", "recording.aes_encryption=ON"}},
        {k47::Model::stc,
         "stc",
         {"recording.recording_notice_kind=Vibração", "recording.quality=S.Low",
          "identity.officer_id=7654321", "network.apn_password=", "identity.device_id=Z999999",
          "recording.storage_encryption=Ligado"}},
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
        EXPECT_NE(text.find("[recording]\nresolution = 1920x1080 30P\n"), std::string::npos);
        EXPECT_EQ(text.find("status"), std::string::npos);
        struct stat status {};
        ASSERT_EQ(::stat(file.c_str(), &status), 0);
        EXPECT_EQ((status.st_mode & 0777) == 0600, secrets) << std::oct << status.st_mode;
    }
}

TEST(CliProfileTest, ProfileValuesReadBackAsTheyWereWritten) {
    const auto table = cli::settingTable(cli::MenuModel::common);
    const std::string texts[] = {"plain", "",          " lead",       "trail ",     "\"quoted\"",
                                 "a\\b",  "tab\there", "line\nbreak", "caf\xC3\xA9"};
    for (const auto& text : texts) {
        cli::Values values;
        for (const auto& setting : table) {
            values[setting.name].text = "x";
        }
        values["network.ssid"].text = text;
        const auto profile = cli::profileText(table, values, cli::MenuModel::stc, {});
        const auto reading = cli::readProfile(profile);
        EXPECT_TRUE(reading.errors.empty()) << profile;
        EXPECT_EQ(reading.model, cli::MenuModel::stc);
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
    };
    for (const auto& [text, error] : cases) {
        EXPECT_EQ(cli::readProfile(text).errors, std::vector<std::string>{error}) << text;
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
         "qumat_pro: recording.gps: 'maybe' is not one of OFF, ON\n"},
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

}  // namespace
