#pragma once

#include <ios>
#include <memory>
#include <streambuf>
#include <vector>

namespace platform {

// While it lives, standard input, output and error carry UTF-8 text, whatever they are. A Windows
// console shows bytes in a code page of its own (437, 866), where UTF-8 is mojibake: there a
// stream that is a console goes through the console's UTF-16 functions, while a file or a pipe
// still gets the UTF-8 bytes. Terminals on Linux take UTF-8 as it is: nothing changes there.
// Made after std::ios::sync_with_stdio(false), which gives the streams buffers of their own.
class ConsoleStreams {
  public:
    ConsoleStreams();
    ~ConsoleStreams();
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;

  private:
    struct Replaced {
        std::ios* stream;
        std::streambuf* original;
        std::unique_ptr<std::streambuf> console;
    };
    std::vector<Replaced> replaced_;
};

}  // namespace platform
