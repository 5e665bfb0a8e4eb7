#pragma once

#include <cstddef>
#include <filesystem>
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

// An append-only log of changes, each line chained to the one before it by its SHA-256, so that
// an edited, removed or reordered line breaks the chain.
class ChangeLog {
  public:
    explicit ChangeLog(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& file() const { return file_; }

    // Opens the file, making it when missing; the reason when it cannot be written.
    std::optional<std::string> open();
    // Appends the entry chained to the line before it, on the disk before this returns; the
    // reason when it could not be.
    std::optional<std::string> append(ChangeEntry entry);

  private:
    std::filesystem::path file_;
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

// The entries of a log, oldest first; lines that are not entries are left out.
std::vector<ChangeEntry> entriesOf(std::string_view contents);

}  // namespace change_log
