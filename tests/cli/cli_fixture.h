#pragma once

#include <cerrno>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "cli.h"
#include "emulated_camera_library.h"
#include "environment_variable.h"
#include "observed_camera_library.h"
#include "temporary_directory.h"

#ifdef _WIN32
#include "system_error_windows.h"
#endif

namespace cli_testing {

struct Outcome {
    int status = -1;
    std::string output;
    std::string errors;
};

// One emulated camera in a directory of its own, driven through cli::run as main drives it,
// with the administrator's password in QUMAT_PASSWORD, no terminal, and a change log of its own.
class CliCamera {
  public:
    explicit CliCamera(k47::Model model = k47::Model::common,
                       const std::function<void(k47::CameraState&)>& change = {}) {
        testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG", changeLog().string().c_str());
        auto state = k47::factorySettings(model);
        if (change) {
            change(state);
        }
        camera_.setState(state);
    }

    // `input` is standard input.
    Outcome run(const std::vector<std::string>& arguments,
                std::optional<std::string> password = "000000", const std::string& input = {}) {
        std::ostringstream output;
        std::ostringstream errors;
        std::istringstream in(input);
        cli::Console console{
            .output = output,
            .errors = errors,
            .input = in,
            .program = "qumat_pro",
            .passwordVariable = std::move(password),
            .askHidden = [](std::string_view) { return std::optional<std::string>(); }};
        int status = 0;
        if (observer_ != nullptr) {
            camera::ObservedCameraLibrary observed(camera_, *observer_);
            status = cli::run(arguments, observed, console);
        } else {
            status = cli::run(arguments, camera_, console);
        }
        return {status, output.str(), errors.str()};
    }

    // Every call of the runs that follow passes `observer` on its way to the camera.
    void observe(camera::ObservedCameraLibrary::Observer& observer) { observer_ = &observer; }

    k47::CameraState state() const { return camera_.state(); }
    void setState(const k47::CameraState& state) { camera_.setState(state); }
    std::vector<std::string> journal() const { return camera_.journal(); }
    std::filesystem::path file(const std::string& name) const { return directory_ / name; }
    std::filesystem::path changeLog() const { return directory_ / "changes.log"; }

  private:
    testing_support::TemporaryDirectory directory_;
    testing_support::EmulatedCameraLibrary camera_{directory_.path()};
    camera::ObservedCameraLibrary::Observer* observer_ = nullptr;
};

// The system's own words for an error: POSIX's on Linux, the platform's message on Windows (where a
// name with a control character is invalid rather than missing).
inline std::string systemReason([[maybe_unused]] int posixError,
                                [[maybe_unused]] int windowsError) {
#ifdef _WIN32
    return platform::windowsError(static_cast<DWORD>(windowsError)).message();
#else
    return std::generic_category().message(posixError);
#endif
}

// The value show prints for `name`, or "<absent>".
inline std::string shown(const std::string& output, const std::string& name) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(name + " = ")) {
            return line.substr(name.size() + 3);
        }
    }
    return "<absent>";
}

}  // namespace cli_testing
