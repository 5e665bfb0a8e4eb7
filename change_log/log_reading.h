#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chain_check.h"
#include "change_entry.h"

namespace change_log {

// No line the log writes is longer: an entry holds a few hundred bytes.
inline constexpr std::size_t kLongestLine = 64 * 1024;

// The name under which the log's file numbered `number` is set aside: "changes.log.3".
std::filesystem::path setAsideName(const std::filesystem::path& log, std::uint64_t number);
// The highest number of a file set aside beside the log; 0 when there is none.
std::uint64_t lastSetAside(const std::filesystem::path& log);

using LineTaker = std::function<bool(std::string_view line, LineEnd end)>;
// Each line of the contents in turn, without its end, until `take` returns false.
void forEachLine(std::string_view contents, const LineTaker& take);

// A file that could not be read, and why.
struct FileProblem {
    std::filesystem::path file;
    std::string problem;
};

// Each line of a file, as forEachLine gives them, holding no more than a line at a time; what
// kept the file from being read. A missing file has no lines.
std::optional<FileProblem> readLines(const std::filesystem::path& file, const LineTaker& take);

// A log's chain and the files set aside before it, checked in order, from the first file set
// aside to the log itself, holding a line at a time. Each of `expected`, a hash with no place,
// is given the place of the line with that SHA-256, when it is a line of the chain before any
// break.
struct HashPlace {
    std::string hash;
    std::filesystem::path file{};
    // 0 when no line has it.
    std::size_t line = 0;
};
Verification verifyLog(const std::filesystem::path& log, std::vector<HashPlace>& expected);

// Each entry of a log's chain to `take`, oldest first, from the first file set aside to the log
// itself; lines that are not entries are left out. What could not be read, each file named: a
// file set aside that is missing, a named pipe in the log's place.
std::vector<FileProblem> readEntries(const std::filesystem::path& log,
                                     const std::function<void(ChangeEntry entry)>& take);

}  // namespace change_log
