#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "append_file.h"
#include "change_entry.h"

namespace change_log {

// The file changes are logged to: QUMAT_CHANGE_LOG names it ("off": none, nothing is logged),
// else $XDG_STATE_HOME/qumat_pro/changes.log, else ~/.local/state/qumat_pro/changes.log.
std::optional<std::filesystem::path> logFile();

// Where a line about each line appended also goes, outside the file: someone who rewrites the
// file cannot take back what was sent there.
using Anchor = std::function<void(std::string_view message)>;

// The system log, or nothing when QUMAT_SYSTEM_LOG is "off" (as the tests have it).
Anchor systemLogAnchor();

// An append-only log of changes, each line chained to the one before it by its SHA-256, so that
// an edited, removed or reordered line breaks the chain.
class ChangeLog {
  public:
    explicit ChangeLog(std::filesystem::path file, Anchor anchor = systemLogAnchor())
        : file_(std::move(file)), anchor_(std::move(anchor)) {}

    const std::filesystem::path& file() const { return file_; }

    // Opens the file, making it when missing; the reason when it cannot be written.
    std::optional<std::string> open();
    // Appends the entries, each chained to the line before it, in one write that is on the disk
    // before this returns, and fills in their `previous` and `hash`; then tells the anchor each
    // new line's SHA-256. The reason when they could not be appended: then none was.
    std::optional<std::string> append(std::vector<ChangeEntry>& entries);

  private:
    std::filesystem::path file_;
    Anchor anchor_;
    platform::AppendFile out_;
    bool open_ = false;
};

struct Verification {
    std::size_t entries = 0;
    // The first line that breaks the chain, counted from 1; 0 when every line holds.
    std::size_t brokenLine = 0;
    std::string reason{};
    // The SHA-256 of the last line, when every line holds.
    std::string lastLineHash{};
};

// Checks a log's chain: the start line, then each entry's own hash and the hash of the line
// before it.
Verification verify(std::string_view contents);

// The line, counted from 1, whose SHA-256 is `lineHash` (as `verify` gives the last one and the
// system log each one); 0 when no line has it.
std::size_t lineWithHash(std::string_view contents, std::string_view lineHash);

// The entries of a log, oldest first; lines that are not entries are left out.
std::vector<ChangeEntry> entriesOf(std::string_view contents);

// The changes a log holds, in the order the camera was asked: each entry written before a call
// with the outcome (and reason) of the entry that names it, or kOutcomeUnknown when none does;
// an entry of an older log, which holds its own outcome, as it is.
std::vector<ChangeEntry> changesOf(std::string_view contents);

}  // namespace change_log
