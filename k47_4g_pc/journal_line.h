#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "camera_function.h"

namespace k47 {

// One line of the call journal: the function's name, then its arguments as name=value, in the
// order the function takes them. Buffers show their bytes as the call leaves them.
class JournalLine {
  public:
    explicit JournalLine(Function function);

    JournalLine& number(std::string_view name, int32_t value);
    // "null" when the caller passed no address.
    JournalLine& number(std::string_view name, const int32_t* value);
    // [9C 02 ...], or "-" when the camera did not read the buffer because its size was refused.
    JournalLine& bytes(std::string_view name, const void* data, std::size_t size);
    JournalLine& unread(std::string_view name);
    // A zero-terminated text of at most `limit` bytes, quoted, odd bytes as \xHH.
    JournalLine& text(std::string_view name, const char* text, std::size_t limit);

    const std::string& str() const { return line_; }

  private:
    JournalLine& field(std::string_view name, std::string_view value);

    std::string line_;
};

}  // namespace k47
