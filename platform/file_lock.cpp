#include <charconv>
#include <utility>

#include "file_lock.h"
#include "limited_read.h"

namespace platform {

std::optional<std::string> FileLock::take(const std::filesystem::path& file,
                                          std::chrono::milliseconds patience) {
    if (auto refusal = lock(file, false, patience)) {
        return std::move(refusal->reason);
    }
    return std::nullopt;
}

std::optional<unsigned long> FileLock::holderOf(const std::filesystem::path& file) {
    // A process id has at most ten digits.
    const auto read = readLimited(file, 16);
    unsigned long id = 0;
    const char* end = read.bytes.data() + read.bytes.size();
    const auto [stop, error] = std::from_chars(read.bytes.data(), end, id);
    if (read.error || read.bytes.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return id;
}

}  // namespace platform
