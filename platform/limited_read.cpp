#include "limited_read.h"

namespace platform {
namespace {

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kKilo = 1024;
    if (bytes % (kKilo * kKilo) == 0) {
        return std::to_string(bytes / (kKilo * kKilo)) + " MB";
    }
    if (bytes % kKilo == 0) {
        return std::to_string(bytes / kKilo) + " KB";
    }
    return std::to_string(bytes) + " bytes";
}

}  // namespace

std::string tooLarge(std::size_t limit, bool firstLineOnly) {
    return (firstLineOnly ? "its first line is longer than " : "larger than ") + sizeText(limit);
}

}  // namespace platform
