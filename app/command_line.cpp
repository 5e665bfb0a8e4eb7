#include "command_line.h"

#include <string>
#include <string_view>

#include "help_text.h"
#include "profile_file.h"

namespace app {
namespace {

bool isHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}
bool isVersion(std::string_view argument) {
    return argument == "--version" || argument == "-V";
}

int refuse(const char* argument, std::FILE* errors) {
    std::fprintf(errors, "qumat_pro: unknown command or option %s\n%s",
                 cli::escapedText(std::string("'") + argument + "'").c_str(),
                 std::string(cli::usageText(cli::kWindowsProgram)).c_str());
    return 2;
}

// A full disk or a closed pipe must not pass for a complete answer.
int finish(std::FILE* output, std::FILE* errors) {
    if (std::fflush(output) != 0 || std::ferror(output) != 0) {
        std::fputs("qumat_pro: the output could not be written\n", errors);
        return 1;
    }
    return 0;
}

}  // namespace

std::optional<int> handleCommandLine(int argc, const char* const argv[], std::FILE* output,
                                     std::FILE* errors) {
    if (argc < 2) {
        return std::nullopt;
    }
    if (argc == 2 && isHelp(argv[1])) {
        std::fputs(cli::helpText(cli::kWindowsProgram).c_str(), output);
        return finish(output, errors);
    }
    if (argc == 2 && isVersion(argv[1])) {
        std::fprintf(output, "qumat_pro %s\n", QUMAT_VERSION);
        return finish(output, errors);
    }
    // Qt's options all start with '-'; what follows one may be its value.
    const std::string_view first = argv[1];
    const bool ours = isHelp(first) || isVersion(first);
    if (!first.starts_with('-')) {
        return refuse(argv[1], errors);
    }
    if (!ours) {
        return std::nullopt;
    }
    // With --help or --version first, the first argument that is not one of them, or the
    // second of them.
    const char* unknown = argv[2];
    for (int index = 2; index < argc; ++index) {
        if (!isHelp(argv[index]) && !isVersion(argv[index])) {
            unknown = argv[index];
            break;
        }
    }
    return refuse(unknown, errors);
}

void spellDoctorAsCommand(int argc, char* argv[]) {
    static char command[] = "doctor";
    if (argc > 1 && std::string_view(argv[1]) == "--doctor") {
        argv[1] = command;
    }
}

std::optional<int> refuseLeftOverArguments(int argc, const char* const argv[], std::FILE* errors) {
    if (argc < 2) {
        return std::nullopt;
    }
    return refuse(argv[1], errors);
}

bool choosesDisplay(int argc, const char* const argv[]) {
    for (int index = 1; index + 1 < argc; ++index) {
        const std::string_view argument = argv[index];
        for (const std::string_view option : {"-platform", "-display"}) {
            if (argument == option ||
                (argument.starts_with("--") && argument.substr(1) == option)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace app
