// What the tool costs against the toolkit it draws with, measured in the same run: opening each
// kind of window against a bare dialog of the same widgets, one emulated camera call with and
// without its state file, and the peak memory of a process with the settings window open against
// a bare dialog process. Prints each ratio beside its target; exits 1 when one is missed.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "context.h"
#include "edition.h"
#include "emulated_camera.h"
#include "emulated_camera_library.h"
#include "login_window.h"
#include "ratio_report.h"
#include "recording_hand_over.h"
#include "scripted_message_boxes.h"
#include "settings_window.h"
#include "temporary_directory.h"
#include "widget_census.h"

namespace {

// One window's services over the in-process emulated camera, logged in, with no journal.
struct Services {
    Services() {
        camera.connectAndLogIn();
        session.connected = 1;
        session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
    }
    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera{
        directory.path(), testing_support::EmulatedCameraLibrary::Journal::none};
    testing_support::ScriptedMessageBoxes boxes;
    testing_support::RecordingHandOver handOver;
    window_logic::Session session;
    ui::FontMeasures fontMeasures;
    ui::Context context{{camera, boxes, handOver, session, directory / "Language.ini"},
                        fontMeasures};
};

Services& services() {
    static Services instance;
    return instance;
}

const editions::Edition& english() {
    return editions::edition(editions::kEnglish);
}

void showOnce(QDialog& window) {
    window.show();
    QApplication::processEvents();
}

template <typename Window>
editions::DialogSize dialogSize() {
    return std::is_same_v<Window, login::LoginWindow> ? english().language.loginSize
                                                      : english().language.settingsSize;
}

template <typename Window>
const WidgetCensus& censusOf() {
    static const WidgetCensus census = [] {
        Window window(english(), services().context);
        // Placed as it is shown.
        showOnce(window);
        return WidgetCensus::of(window, dialogSize<Window>());
    }();
    return census;
}

template <typename Window>
void BM_Window(benchmark::State& state) {
    for (auto _ : state) {
        Window window(english(), services().context);
        showOnce(window);
    }
}

template <typename Window>
void BM_BareDialog(benchmark::State& state) {
    const WidgetCensus& census = censusOf<Window>();
    for (auto _ : state) {
        const auto dialog = census.bareDialog();
        showOnce(*dialog);
    }
}

BENCHMARK(BM_Window<settings::SettingsWindow>)
    ->Name("settings window")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDialog<settings::SettingsWindow>)
    ->Name("bare settings dialog")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Window<login::LoginWindow>)->Name("login window")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDialog<login::LoginWindow>)
    ->Name("bare login dialog")
    ->Unit(benchmark::kMillisecond);

// A menu write, the call that changes the camera: with the state file replaced atomically, and
// with the state kept in memory.
void BM_CameraCall(benchmark::State& state, bool persistent) {
    const testing_support::TemporaryDirectory directory;
    k47::EmulatedCamera camera(persistent ? directory / "camera.ini" : std::filesystem::path());
    uint8_t buffer[6] = {};
    int32_t flag = 0;
    camera.Init_Device(buffer, &flag);
    camera.Qumat_Login(0, "000000", &flag);
    uint8_t record[32] = {};
    camera.Qumat_GetMenuConfig(record, 32, &flag);
    for (auto _ : state) {
        record[3] ^= 1;
        camera.Qumat_SetMenuConfig(record, 32, &flag);
    }
    if (flag != 1) {
        state.SkipWithError("the camera refused the write");
    }
}
BENCHMARK_CAPTURE(BM_CameraCall, persistent, true)
    ->Name("camera call with state file")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CameraCall, inMemory, false)
    ->Name("camera call in memory")
    ->Unit(benchmark::kMicrosecond);

// Keeps the median processor time per iteration of each benchmark's repetitions, in nanoseconds,
// by name: what the work costs, all threads counted, less swayed by other processes than the
// time on the clock.
class Recorder : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                nanoseconds[run.run_name.function_name] =
                    run.GetAdjustedCPUTime() *
                    benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

// The peak resident memory of a child process running the probe, in kilobytes.
long peakMemory(const char* probe, const QStringList& arguments) {
    std::vector<std::string> strings{probe};
    for (const QString& argument : arguments) {
        strings.push_back(argument.toStdString());
    }
    std::vector<char*> argv;
    for (auto& text : strings) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(probe, argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return -1;
    }
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A screen that holds the windows unscrolled, for this process and the memory probe's.
    const testing_support::TemporaryDirectory scratch;
    std::ofstream(scratch / "screens.json")
        << R"({"screens": [{"name": "bench", "width": 1920, "height": 1080}]})";
    qputenv("QT_QPA_PLATFORM",
            ("offscreen:configfile=" + (scratch / "screens.json").string()).c_str());
    QApplication application(argc, argv);
    // Medians of many short repetitions, interleaved, so that a busy moment of the machine weighs
    // on a window and on its bare dialog alike and does not decide.
    benchmark::AddCustomContext("repetitions", "45 of 0.1 s, interleaved, median taken");
    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=45";
    std::string duration = "--benchmark_min_time=0.1";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1,
                     {repetitions.data(), duration.data(), interleaving.data(), aggregates.data()});
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    Recorder recorder;
    // The windows against their floors first, their repetitions interleaved, before the camera
    // calls churn the heap; a filter given on the command line runs as given.
    const std::string filter = benchmark::GetBenchmarkFilter();
    if (filter.empty() || filter == "." || filter == "all") {
        benchmark::RunSpecifiedBenchmarks(&recorder, "window|dialog");
        benchmark::RunSpecifiedBenchmarks(&recorder, "call");
    } else {
        benchmark::RunSpecifiedBenchmarks(&recorder);
    }

    auto& time = recorder.nanoseconds;
    const std::string probe =
        QCoreApplication::applicationDirPath().toStdString() + "/memory_probe";
    const long settingsMemory = peakMemory(probe.c_str(), {});
    const long bareMemory = peakMemory(
        probe.c_str(), QStringList{"bare"} + censusOf<settings::SettingsWindow>().arguments());

    std::printf("\nratio against the toolkit's floor, measured in this run\n");
    bool met = true;
    met &= printRatio("settings window / bare dialog", time["settings window"],
                      time["bare settings dialog"], 1.25);
    // The login window is the first a user meets, and it has little of its own to do.
    met &= printRatio("login window / bare dialog", time["login window"], time["bare login dialog"],
                      1.15);
    met &= printRatio("peak memory, settings window / bare dialog",
                      static_cast<double>(settingsMemory), static_cast<double>(bareMemory), 1.2);
    const double call = time["camera call with state file"];
    std::printf("%-44s %6.2f   (state file write included)\n", "camera call / in memory",
                call / time["camera call in memory"]);
    const bool fast = call > 0 && call < 1e6;
    std::printf("%-44s %6.3f ms target < 1 ms   %s\n", "one camera call with its state file",
                call / 1e6, fast ? "met" : "MISSED");
    return met && fast ? 0 : 1;
}
