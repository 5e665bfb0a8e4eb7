#pragma once

#include <windows.h>

#include <streambuf>
#include <string>

namespace platform {

// What is typed into a Windows console, read as UTF-16 with ReadConsoleW and handed on as UTF-8,
// so that the console's code page loses no character. A line that starts with Ctrl-Z ends the
// input, as it does for the platform's own programs; a failed read is an error of the stream.
class ConsoleInputBuffer : public std::streambuf {
  public:
    explicit ConsoleInputBuffer(HANDLE console);

  protected:
    int_type underflow() override;

  private:
    HANDLE console_;
    std::string text_;
    // The first half of a surrogate pair that the last read ended with.
    std::u16string pending_;
    bool atLineStart_ = true;
    bool ended_ = false;
};

}  // namespace platform
