#include "append_file.h"

#include <algorithm>

namespace platform {

// Both built on the system's own size and positioned read.
std::error_code AppendFile::readHead(std::size_t limit, std::string& head) const {
    std::uint64_t size = 0;
    if (const auto error = this->size(size)) {
        return error;
    }
    head.assign(static_cast<std::size_t>(std::min<std::uint64_t>(size, limit)), '\0');
    return readAt(0, head);
}

std::error_code AppendFile::readTail(std::size_t limit, std::string& tail) const {
    std::uint64_t size = 0;
    if (const auto error = this->size(size)) {
        return error;
    }
    const std::uint64_t start = size > limit ? size - limit : 0;
    tail.assign(static_cast<std::size_t>(size - start), '\0');
    return readAt(start, tail);
}

}  // namespace platform
