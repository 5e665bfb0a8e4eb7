// Reads keys from arbitrary INI files, and writes a key into them.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "private_profile.h"

namespace {

// One file per fuzzing process, removed when it ends.
struct ScratchFile {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("qumat-fuzz-profile-" + std::to_string(getpid()) + ".ini");
    ~ScratchFile() { std::filesystem::remove(path); }
};

const ScratchFile scratch;

std::size_t characters(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

void check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t bufferSize = data[0] % 80;
    std::ofstream(scratch.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));

    for (const auto& [section, key] :
         {std::pair{"Configuration", "Language"}, std::pair{"a", "b"}, std::pair{"", ""}}) {
        const std::string value =
            platform::readProfileString(scratch.path, section, key, "default", bufferSize);
        check(bufferSize == 0 ? value.empty() : characters(value) < bufferSize);
    }
    if (platform::writeProfileString(scratch.path, "Configuration", "Language", "3")) {
        check(platform::readProfileString(scratch.path, "Configuration", "Language", "", 16) ==
              "3");
    }
    return 0;
}
