#include "call_journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace k47 {

CallJournal::CallJournal(std::filesystem::path path) : path_(std::move(path)) {}

void CallJournal::append(const JournalLine& line) {
    if (path_.empty()) {
        return;
    }
    // One write of the whole line in append mode, so that lines of several processes never mix.
    // Opened without waiting, so that a pipe with no reader cannot hang the camera.
    const std::string text = line.str() + "\n";
    const int descriptor =
        ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
    int error = errno;
    bool written = false;
    if (descriptor >= 0) {
        const ssize_t count = ::write(descriptor, text.data(), text.size());
        written = count == static_cast<ssize_t>(text.size());
        // A short write sets no error of its own: the disk or the file-size limit stopped it.
        error = count < 0 ? errno : ENOSPC;
    }
    if (descriptor >= 0) {
        ::close(descriptor);
    }
    if (!written && !failureReported_) {
        std::fprintf(stderr, "k47_4g_pc: cannot append to the call journal %s: %s\n", path_.c_str(),
                     std::strerror(error));
        failureReported_ = true;
    }
}

}  // namespace k47
