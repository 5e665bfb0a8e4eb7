#include "whole_file.h"

namespace platform {

WholeFile readWholeFile(const std::filesystem::path& file, std::size_t limit) {
    std::string text;
    auto whole = readInChunks(file, [&](std::string_view chunk) {
        text.append(chunk.substr(0, limit + 1 - text.size()));
        return text.size() <= limit;
    });
    if (whole.kind == WholeFile::Kind::text) {
        whole.text = std::move(text);
    }
    return whole;
}

}  // namespace platform
