// Reading the language setting at start-up against the baseline of reading the same file whole:
// the INI layer should add little to the file system's own cost.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "private_profile.h"

namespace {

const std::filesystem::path& settingsFile() {
    static const std::filesystem::path path = [] {
        auto file = std::filesystem::temp_directory_path() / "qumat-bench-Language.ini";
        std::ofstream(file, std::ios::binary)
            << "[Configuration]\r\nLanguage=1\r\n"
               "{0-English;1-Russian;2-French;3-Spanish;4-Portuguese;}\r\n";
        return file;
    }();
    return path;
}

void BM_ReadFileWhole(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream stream(settingsFile(), std::ios::binary);
        std::string content{std::istreambuf_iterator<char>(stream),
                            std::istreambuf_iterator<char>()};
        benchmark::DoNotOptimize(content);
    }
}
BENCHMARK(BM_ReadFileWhole);

void BM_ReadLanguageSetting(benchmark::State& state) {
    for (auto _ : state) {
        auto value =
            platform::readProfileString(settingsFile(), "Configuration", "Language", "", 10);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ReadLanguageSetting);

}  // namespace
