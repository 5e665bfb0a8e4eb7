#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "commands.h"
#include "profile_file.h"
#include "setting_table.h"

namespace cli {
namespace {

// Writes the whole file; a profile with secrets is readable by its owner only, also when it
// replaces an older file. The reason when it could not be written.
std::optional<std::string> writeFile(const std::string& path, const std::string& text,
                                     bool secret) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                            secret ? S_IRUSR | S_IWUSR : 0666);
    if (file < 0) {
        return std::strerror(errno);
    }
    bool done = !secret || ::fchmod(file, S_IRUSR | S_IWUSR) == 0;
    for (std::size_t written = 0; done && written < text.size();) {
        const auto count = ::write(file, text.data() + written, text.size() - written);
        done = count > 0;
        written += done ? static_cast<std::size_t>(count) : 0;
    }
    const int error = errno;
    if (::close(file) != 0 || !done) {
        return std::strerror(done ? errno : error);
    }
    return std::nullopt;
}

}  // namespace

int runExport(const Options& options, camera::CameraLibrary& camera, Console& console) {
    CameraSettings settings(camera, options.model);
    if (const auto status = logIn(settings, options, console)) {
        return *status;
    }
    const auto failures = settings.read();
    for (const auto& failure : failures) {
        console.errors << "qumat_pro: " << failure << '\n';
    }
    if (!failures.empty()) {
        return kCameraFailed;
    }
    const auto table = settingTable(options.model);
    const ProfileContent content{.identity = options.includeIdentity,
                                 .secrets = options.includeSecrets};
    const std::string& path = options.operands.front();
    const auto error =
        writeFile(path, profileText(table, settings.values(), options.model, content),
                  holdsSecrets(table, content));
    if (error) {
        console.errors << "qumat_pro: cannot write " << path << ": " << *error << '\n';
        return kUsageError;
    }
    console.output << "settings of the " << menuModelName(options.model) << " model written to "
                   << path << '\n';
    return kDone;
}

int runImport(const Options& options, camera::CameraLibrary& camera, Console& console) {
    const std::string& path = options.operands.front();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        console.errors << "qumat_pro: cannot read " << path << '\n';
        return kUsageError;
    }
    const auto profile = readProfile(std::string(std::istreambuf_iterator<char>(file), {}));
    for (const auto& error : profile.errors) {
        console.errors << "qumat_pro: " << path << ": " << error << '\n';
    }
    if (!profile.errors.empty()) {
        return kUsageError;
    }
    if (profile.model && *profile.model != options.model) {
        console.errors << "qumat_pro: " << path << " holds settings of the "
                       << menuModelName(*profile.model) << " model; import it with --model "
                       << menuModelName(*profile.model) << '\n';
        return kUsageError;
    }
    // The two words stand for no value: the camera's own is kept, whatever it is.
    const auto table = settingTable(options.model);
    std::vector<Request> requests;
    for (const auto& request : profile.requests) {
        const Setting* setting = findSetting(table, request.name);
        const bool noValue = request.value == kUnsupported || request.value == kNoEntry;
        if (setting == nullptr || !setting->isList() || !noValue) {
            requests.push_back(request);
        }
    }
    return changeSettings(requests, options, camera, console);
}

}  // namespace cli
