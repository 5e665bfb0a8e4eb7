#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "append_file.h"
#include "chain_check.h"
#include "change_entry.h"

namespace change_log {

// The file changes are logged to: QUMAT_CHANGE_LOG names it ("off": none, nothing is logged),
// else $XDG_STATE_HOME/qumat_pro/changes.log, else ~/.local/state/qumat_pro/changes.log.
std::optional<std::filesystem::path> logFile();

// Where a line about each line appended also goes, outside the file: someone who rewrites the
// file cannot take back what was sent there.
struct Anchor {
    // Sends a line; why it was not taken, when it was not. Empty: nothing is sent.
    std::function<std::optional<std::string>(std::string_view message)> send{};
    // Whether a line it does not take keeps its entries out of the log, and so their change
    // from the camera.
    bool required = false;
};

// The system log, as QUMAT_SYSTEM_LOG asks: "off" sends nothing (as the tests have it),
// "required" refuses entries whose line it does not take, and anything else sends what it can.
Anchor systemLogAnchor();

// An append-only log of changes, each line chained to the one before it by its SHA-256, so that
// an edited, removed or reordered line breaks the chain. Past QUMAT_CHANGE_LOG_SIZE bytes (16 MiB
// when unset) the file is set aside under its number ("changes.log.3") and a new one started,
// whose start line carries the last line's SHA-256: the chain goes on across the files.
class ChangeLog {
  public:
    explicit ChangeLog(std::filesystem::path file, Anchor anchor = systemLogAnchor())
        : file_(std::move(file)), anchor_(std::move(anchor)) {}

    const std::filesystem::path& file() const { return file_; }

    // Opens the file, making it when missing; the reason when it cannot be written.
    std::optional<std::string> open();
    // Appends the entries, each chained to the line before it, in one write that is on the disk
    // before this returns, and fills in their `previous` and `hash`; each new line's SHA-256 is
    // sent to the anchor before the line is written. The reason when they could not be
    // appended: then none was.
    std::optional<std::string> append(std::vector<ChangeEntry>& entries);

    // Why a line appended reached no anchor, the first time one did not; empty while all did.
    const std::string& unanchored() const { return unanchored_; }

  private:
    // The start line of a file that follows the last one set aside, if any.
    std::optional<std::string> startLine(std::string& line) const;
    // Sets the file aside when it has grown past its size: the number it was set aside under;
    // 0 when it was not.
    std::uint64_t setAsideWhenFull();
    // Sends each message to the anchor; why the entries must not be written, when they must not.
    std::optional<std::string> anchor(const std::vector<std::string>& messages);

    std::filesystem::path file_;
    Anchor anchor_;
    std::uint64_t setAsideSize_ = 0;
    platform::AppendFile out_;
    bool open_ = false;
    std::string unanchored_;
};

// Checks the chain of a log's contents: the start line, then each entry's own hash and the hash
// of the line before it.
Verification verify(std::string_view contents);

// The line, counted from 1, whose SHA-256 is `lineHash` (as `verify` gives the last one and the
// system log each one); 0 when no line has it.
std::size_t lineWithHash(std::string_view contents, std::string_view lineHash);

// The entries of a log, oldest first; lines that are not entries are left out.
std::vector<ChangeEntry> entriesOf(std::string_view contents);

// The changes a log holds, in the order the camera was asked, as ChangeJoin gives them.
std::vector<ChangeEntry> changesOf(std::string_view contents);

}  // namespace change_log
