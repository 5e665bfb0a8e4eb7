#include "cli.h"

#include <variant>

#include "commands.h"
#include "help_text.h"
#include "options.h"
#include "profile_file.h"

namespace cli {

bool hasCommand(const std::vector<std::string>& arguments) {
    return commandIndex(arguments).has_value();
}

namespace {

int runCommand(const std::vector<std::string>& arguments, camera::CameraLibrary& camera,
               Console& console) {
    const auto parsed = parseOptions(arguments);
    if (const auto* refusal = std::get_if<std::string>(&parsed)) {
        console.errors << "qumat_pro: " << escapedText(*refusal) << '\n' << usageText();
        return kUsageError;
    }
    const auto& options = std::get<Options>(parsed);
    if (options.help) {
        console.output << helpText();
        return kDone;
    }
    switch (options.command) {
        case Command::show:
            return runShow(options, camera, console);
        case Command::set:
            return runSet(options, camera, console);
        case Command::exportProfile:
            return runExport(options, camera, console);
        case Command::log:
            return runLog(options, console);
        case Command::importProfile:
            break;
    }
    return runImport(options, camera, console);
}

}  // namespace

int run(const std::vector<std::string>& arguments, camera::CameraLibrary& camera,
        Console& console) {
    const int status = runCommand(arguments, camera, console);
    // A full disk or a closed pipe must not pass for a complete listing.
    if (!console.output.flush()) {
        console.errors << "qumat_pro: the output could not be written\n";
        return status == kDone ? kOutputFailed : status;
    }
    return status;
}

}  // namespace cli
