#include "input_source.h"

#include "environment.h"

namespace cli {
namespace {

platform::LimitedRead readStream(std::istream& input, std::size_t limit, bool firstLineOnly) {
    platform::LimitedRead read{.bytes = {}, .error = {}, .empty = true};
    for (int c = input.get(); c != std::char_traits<char>::eof(); c = input.get()) {
        read.empty = false;
        if (firstLineOnly && (c == '\n' || c == '\r')) {
            if (c == '\r' && input.peek() == '\n') {
                input.get();
            }
            return read;
        }
        if (read.bytes.size() == limit) {
            return {.bytes = {}, .error = platform::tooLarge(limit, firstLineOnly)};
        }
        read.bytes.push_back(static_cast<char>(c));
    }
    if (input.bad()) {
        return {.bytes = {}, .error = "the read failed"};
    }
    return read;
}

}  // namespace

platform::LimitedRead readSource(const std::string& name, std::istream& input, std::size_t limit,
                                 bool firstLineOnly) {
    return name == "-" ? readStream(input, limit, firstLineOnly)
                       : platform::readLimited(platform::pathFromUtf8(name), limit, firstLineOnly);
}

}  // namespace cli
