#include "command_line.h"

#include <string_view>

namespace app {
namespace {

constexpr const char* kUsage =
    "Usage: qumat_pro [--help | --version]\n"
    "Configures a body-worn camera connected by USB. The language edition is read from\n"
    "./Language.ini in the current directory.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n";

bool isHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}
bool isVersion(std::string_view argument) {
    return argument == "--version" || argument == "-v";
}

}  // namespace

std::optional<int> handleCommandLine(int argc, const char* const argv[], std::FILE* output,
                                     std::FILE* errors) {
    if (argc < 2) {
        return std::nullopt;
    }
    if (argc == 2 && isHelp(argv[1])) {
        std::fputs(kUsage, output);
        return 0;
    }
    if (argc == 2 && isVersion(argv[1])) {
        std::fprintf(output, "qumat_pro %s\n", QUMAT_VERSION);
        return 0;
    }
    // The first argument that is not an option of ours, or the second option when there are two.
    const char* unknown = argv[argc > 2 ? 2 : 1];
    for (int index = 1; index < argc; ++index) {
        if (!isHelp(argv[index]) && !isVersion(argv[index])) {
            unknown = argv[index];
            break;
        }
    }
    std::fprintf(errors, "qumat_pro: unknown option '%s'\n%s", unknown, kUsage);
    return 2;
}

}  // namespace app
