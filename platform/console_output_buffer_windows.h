#pragma once

#include <windows.h>

#include <array>
#include <streambuf>

namespace platform {

// UTF-8 text to a Windows console, written as UTF-16 with WriteConsoleW, so that the console shows
// every character whatever its code page. A character split between two writes waits for its
// other bytes; bytes that are not UTF-8 show as U+FFFD.
class ConsoleOutputBuffer : public std::streambuf {
  public:
    explicit ConsoleOutputBuffer(HANDLE console);
    ~ConsoleOutputBuffer() override;
    ConsoleOutputBuffer(const ConsoleOutputBuffer&) = delete;
    ConsoleOutputBuffer& operator=(const ConsoleOutputBuffer&) = delete;

  protected:
    int_type overflow(int_type character) override;
    int sync() override;

  private:
    // Writes the buffered characters, all of them or those that are whole; false when the console
    // takes them not.
    bool write(bool whole);

    HANDLE console_;
    std::array<char, 4096> buffer_{};
};

}  // namespace platform
