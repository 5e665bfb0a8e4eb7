#include "commands.h"
#include "environment.h"
#include "input_source.h"
#include "profile_file.h"
#include "replace_file.h"
#include "setting_table.h"

namespace cli {
namespace {

// A profile is a few hundred bytes; a file far larger is none.
constexpr std::size_t kProfileLimit = 1024 * 1024;

}  // namespace

int runExport(const Options& options, camera::CameraLibrary& camera, Console& console) {
    CameraSettings settings(camera, *options.model);
    if (const auto status = logIn(settings, options, console)) {
        return *status;
    }
    // A profile holds no status value: their failure only warns.
    if (stopsWrite(settings.read(), console)) {
        return kCameraFailed;
    }
    const auto table = settingTable(*options.model);
    const ProfileContent content{.identity = options.includeIdentity,
                                 .secrets = options.includeSecrets};
    const std::string& path = options.operands.front();
    const std::string text = profileText(table, settings.values(), *options.model, content);
    if (path == "-") {
        console.output << text;
        return kDone;
    }
    // A profile with secrets is readable by its owner only from its first byte on; a failed
    // write leaves the old profile whole.
    const auto error = platform::replaceFile(platform::pathFromUtf8(path), text,
                                             {.ownerOnly = holdsSecrets(table, content)});
    if (error) {
        console.error() << "cannot write " << escapedText(path) << ": " << error.message() << '\n';
        return kOutputFailed;
    }
    if (options.quiet) {
        return kDone;
    }
    console.output << "settings of the " << options.model->name << " model written to "
                   << escapedText(path) << '\n';
    return kDone;
}

std::variant<std::vector<Request>, int> profileRequests(const Options& options, Console& console) {
    const std::string& path = options.operands.front();
    const auto file = readSource(path, console.input, kProfileLimit);
    const std::string source = path == "-" ? "standard input" : escapedText(path);
    if (file.error) {
        console.error() << "cannot read " << source << ": " << *file.error << '\n';
        return kUsageError;
    }
    const auto profile = readProfile(file.bytes);
    for (const auto& error : profile.errors) {
        console.error() << source << ": " << error << '\n';
    }
    if (!profile.errors.empty()) {
        return kUsageError;
    }
    if (profile.requests.empty()) {
        console.error() << source << " holds no settings\n";
        return kUsageError;
    }
    if (profile.model != nullptr && profile.model != options.model) {
        console.error() << source << " holds settings of the " << profile.model->name << " model; "
                        << commandName(*options.command) << " it with --model "
                        << profile.model->name << '\n';
        return kUsageError;
    }
    // The two words stand for no value: the camera's own is kept, whatever it is.
    const auto table = settingTable(*options.model);
    std::vector<Request> requests;
    for (const auto& request : profile.requests) {
        const Setting* setting = findSetting(table, request.name);
        const bool noValue =
            request.value == camera::kUnsupported || request.value == camera::kNoEntry;
        if (setting == nullptr || !setting->isList() || !noValue) {
            requests.push_back(request);
        }
    }
    return requests;
}

int runImport(const Options& options, camera::CameraLibrary& camera, Console& console) {
    const auto requests = profileRequests(options, console);
    if (const auto* status = std::get_if<int>(&requests)) {
        return *status;
    }
    return changeSettings(std::get<std::vector<Request>>(requests), options, camera, console);
}

}  // namespace cli
