#include <windows.h>

#include <iostream>

#include "console_input_buffer_windows.h"
#include "console_output_buffer_windows.h"
#include "console_streams.h"

namespace platform {
namespace {

// A handle is a console when the console takes it; a redirected stream (a file, a pipe, NUL) is
// none.
HANDLE consoleOf(DWORD standardHandle) {
    const HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)
               ? handle
               : nullptr;
}

}  // namespace

ConsoleStreams::ConsoleStreams() {
    const auto replace = [this](std::ios& stream, std::unique_ptr<std::streambuf> console) {
        std::streambuf* original = stream.rdbuf(console.get());
        replaced_.push_back({&stream, original, std::move(console)});
    };
    if (const HANDLE input = consoleOf(STD_INPUT_HANDLE)) {
        replace(std::cin, std::make_unique<ConsoleInputBuffer>(input));
    }
    if (const HANDLE output = consoleOf(STD_OUTPUT_HANDLE)) {
        replace(std::cout, std::make_unique<ConsoleOutputBuffer>(output));
    }
    if (const HANDLE errors = consoleOf(STD_ERROR_HANDLE)) {
        replace(std::cerr, std::make_unique<ConsoleOutputBuffer>(errors));
    }
}

ConsoleStreams::~ConsoleStreams() {
    for (auto& replaced : replaced_) {
        replaced.console->pubsync();
        replaced.stream->rdbuf(replaced.original);
    }
}

}  // namespace platform
