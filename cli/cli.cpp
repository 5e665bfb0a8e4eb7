#include "cli.h"

#include <new>
#include <variant>

#include "code_page.h"
#include "commands.h"
#include "help_text.h"
#include "json_text.h"
#include "observed_camera_library.h"
#include "options.h"
#include "profile_file.h"

namespace cli {

bool hasCommand(const std::vector<std::string>& arguments) {
    return commandIndex(arguments).has_value();
}

namespace {

// --verbose: each camera call and the flag it answered, as it happens.
class CallTrace final : public camera::ObservedCameraLibrary::Observer {
  public:
    explicit CallTrace(Console& console) : console_(console) {}

    void before(std::string_view) override {}
    void after(std::string_view function, const int32_t* flag) override {
        console_.error() << "call " << function;
        if (flag != nullptr) {
            console_.errors << ": flag " << *flag;
        }
        console_.errors << '\n';
    }

  private:
    Console& console_;
};

int runOn(const Options& options, camera::CameraLibrary& camera, Console& console,
          const CameraLoader& loadCamera) {
    switch (*options.command) {
        case Command::show:
            return runShow(options, camera, console);
        case Command::get:
            return runGet(options, camera, console);
        case Command::set:
            return runSet(options, camera, console);
        case Command::exportProfile:
            return runExport(options, camera, console);
        case Command::importProfile:
            return runImport(options, camera, console);
        case Command::provision:
            return options.status || options.release ? runLedger(options, console)
                                                     : runProvision(options, camera, console);
        case Command::wait:
            return runWait(options, camera, console);
        case Command::doctor:
            return runDoctor(options, console, loadCamera);
        case Command::log:
            break;
    }
    return runLog(options, console);
}

// A usage error, said on the error stream and, for show --json, as its error object too: a script
// that reads the output gets an answer it can parse.
void refuseUsage(const std::string& refusal, bool json, Console& console) {
    if (json) {
        console.output << jsonError(refusal, std::nullopt);
    }
    console.error() << escapedText(refusal) << '\n';
}

int runCommand(const std::vector<std::string>& arguments, camera::CameraLibrary& camera,
               Console& console, const CameraLoader& loadCamera) {
    const bool json = asksForJson(arguments);
    const auto parsed = parseOptions(arguments);
    if (const auto* refusal = std::get_if<std::string>(&parsed)) {
        refuseUsage(*refusal, json, console);
        console.errors << usageText(console.program);
        return kUsageError;
    }
    const auto& options = std::get<Options>(parsed);
    if (options.help) {
        console.output << helpText(console.program, options.command, *options.model);
        return kDone;
    }
    if (options.version) {
        console.output << console.program << ' ' << QUMAT_VERSION << '\n';
        return kDone;
    }
    if (const auto refusal = platform::codePageVariableRefusal()) {
        refuseUsage(*refusal, json, console);
        return kUsageError;
    }
    const bool callsCamera = *options.command != Command::log &&
                             *options.command != Command::doctor && !options.status &&
                             !options.release;
    if (callsCamera && loadCamera) {
        if (const auto lookup = loadCamera(); !lookup.problem.empty()) {
            console.error() << lookup.problem << '\n';
            return kUsageError;
        }
    }
    if (!options.verbose) {
        return runOn(options, camera, console, loadCamera);
    }
    CallTrace trace(console);
    camera::ObservedCameraLibrary traced(camera, trace);
    return runOn(options, traced, console, loadCamera);
}

}  // namespace

int run(const std::vector<std::string>& arguments, camera::CameraLibrary& camera, Console& console,
        const CameraLoader& loadCamera) {
    int status = kCameraFailed;
    // Said as what it is, not as a password the camera refused or a character the code page lacks.
    try {
        status = runCommand(arguments, camera, console, loadCamera);
    } catch (const std::bad_alloc&) {
        console.error() << "out of memory; stopped\n";
    } catch (const platform::ConversionUnavailable& error) {
        console.error() << error.what() << "; stopped\n";
    }
    // A full disk or a closed pipe must not pass for a complete listing.
    if (!console.output.flush()) {
        console.error() << "the output could not be written\n";
        return status == kDone ? kOutputFailed : status;
    }
    return status;
}

}  // namespace cli
