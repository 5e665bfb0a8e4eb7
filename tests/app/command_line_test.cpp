#include "command_line.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Outcome {
    std::optional<int> exitCode;
    std::string output;
    std::string errors;
};

std::string contentOf(std::FILE* file) {
    std::rewind(file);
    std::string content;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        content.push_back(static_cast<char>(c));
    }
    std::fclose(file);
    return content;
}

Outcome run(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "qumat_pro");
    std::FILE* output = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    const auto exitCode = app::handleCommandLine(static_cast<int>(arguments.size()),
                                                 arguments.data(), output, errors);
    return {exitCode, contentOf(output), contentOf(errors)};
}

TEST(CommandLineTest, NoArgumentStartsTheProgram) {
    const auto outcome = run({});
    EXPECT_FALSE(outcome.exitCode);
    EXPECT_TRUE(outcome.output.empty());
    EXPECT_TRUE(outcome.errors.empty());
}

TEST(CommandLineTest, HelpAndVersionAnswerOnStandardOutput) {
    for (const char* help : {"--help", "-h"}) {
        const auto outcome = run({help});
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_TRUE(outcome.output.starts_with("Usage: qumat_pro")) << outcome.output;
        // Every setting of both models, with its values.
        EXPECT_NE(outcome.output.find("\n  recording.aes_encryption            off | on\n"),
                  std::string::npos);
        EXPECT_NE(outcome.output.find("\n  recording.storage_encryption        off | on\n"),
                  std::string::npos);
        EXPECT_TRUE(outcome.errors.empty());
    }
    const auto version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, std::string("qumat_pro ") + QUMAT_VERSION + "\n");
}

TEST(CommandLineTest, AnAnswerThatCannotBeWrittenGivesExitStatus1) {
    for (const char* option : {"--help", "--version"}) {
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        std::FILE* errors = std::tmpfile();
        const char* arguments[] = {"qumat_pro", option};
        EXPECT_EQ(app::handleCommandLine(2, arguments, full, errors), 1) << option;
        std::fclose(full);
        EXPECT_EQ(contentOf(errors), "qumat_pro: the output could not be written\n") << option;
    }
}

TEST(CommandLineTest, QtOptionsAreLeftForQApplication) {
    const std::vector<std::vector<const char*>> cases{
        {"-platform", "offscreen"},
        {"-style", "fusion", "-reverse"},
        {"--display", ":1", "-qwindowgeometry", "640x480"},
        // Only QApplication knows all of its options: the rest is refused after it.
        {"--frobnicate"},
    };
    for (const auto& arguments : cases) {
        const auto outcome = run(arguments);
        EXPECT_FALSE(outcome.exitCode) << arguments.front();
        EXPECT_TRUE(outcome.errors.empty());
    }
}

TEST(CommandLineTest, UnknownArgumentGivesOneErrorLineThenTheUsageAndExitCode2) {
    const struct {
        std::vector<const char*> arguments;
        const char* named;
    } cases[] = {
        {{"file.txt"}, "file.txt"},
        {{"shwo", "--json"}, "shwo"},
        {{"--help", "extra"}, "extra"},
        {{"--help", "--version"}, "--version"},
    };
    for (const auto& [arguments, named] : cases) {
        const auto outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_TRUE(outcome.output.empty());
        const auto firstLine = outcome.errors.substr(0, outcome.errors.find('\n'));
        EXPECT_EQ(firstLine, std::string("qumat_pro: unknown command or option '") + named + "'");
        EXPECT_NE(outcome.errors.find("Usage: qumat_pro"), std::string::npos);
    }
}

TEST(CommandLineTest, WhatQApplicationLeavesIsRefused) {
    std::FILE* errors = std::tmpfile();
    const char* nothingLeft[] = {"qumat_pro"};
    EXPECT_FALSE(app::refuseLeftOverArguments(1, nothingLeft, errors));
    const char* leftOver[] = {"qumat_pro", "--frobnicate", "x"};
    EXPECT_EQ(app::refuseLeftOverArguments(3, leftOver, errors), 2);
    const auto message = contentOf(errors);
    EXPECT_TRUE(message.starts_with("qumat_pro: unknown command or option '--frobnicate'\n"));
}

TEST(CommandLineTest, APlatformOrDisplayOptionStandsForADisplay) {
    const std::pair<std::vector<const char*>, bool> cases[] = {
        {{"qumat_pro", "-platform", "offscreen"}, true},
        {{"qumat_pro", "--platform", "vnc"}, true},
        {{"qumat_pro", "-style", "fusion", "-display", ":0"}, true},
        {{"qumat_pro", "-style", "fusion"}, false},
        // An option without its value names nothing.
        {{"qumat_pro", "-platform"}, false},
    };
    for (const auto& [arguments, chooses] : cases) {
        EXPECT_EQ(app::choosesDisplay(static_cast<int>(arguments.size()), arguments.data()),
                  chooses)
            << arguments.back();
    }
}

// The built program, with no display in its environment: QApplication takes its own options
// (the platform among them), and only then is the rest refused.
TEST(CommandLineTest, TheProgramHandsQtItsOptions) {
    QProcess process;
    auto environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(variable);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUMAT_BINARY),
                  {"-platform", "offscreen", "-style", "fusion", "--frobnicate"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    const QByteArray errors = process.readAllStandardError();
    EXPECT_TRUE(errors.contains("\nqumat_pro: unknown command or option '--frobnicate'\n") ||
                errors.startsWith("qumat_pro: unknown command or option '--frobnicate'\n"))
        << errors.data();
}

}  // namespace
