#include "command_line.h"

#include <gtest/gtest.h>

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
        EXPECT_TRUE(outcome.errors.empty());
    }
    const auto version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, std::string("qumat_pro ") + QUMAT_VERSION + "\n");
}

TEST(CommandLineTest, UnknownOptionGivesOneErrorLineThenTheUsageAndExitCode2) {
    const struct {
        std::vector<const char*> arguments;
        const char* named;
    } cases[] = {
        {{"--frobnicate"}, "--frobnicate"},
        {{"file.txt"}, "file.txt"},
        {{"--help", "extra"}, "extra"},
        {{"--help", "--version"}, "--version"},
    };
    for (const auto& [arguments, named] : cases) {
        const auto outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_TRUE(outcome.output.empty());
        const auto firstLine = outcome.errors.substr(0, outcome.errors.find('\n'));
        EXPECT_EQ(firstLine, std::string("qumat_pro: unknown option '") + named + "'");
        EXPECT_NE(outcome.errors.find("Usage: qumat_pro"), std::string::npos);
    }
}

}  // namespace
