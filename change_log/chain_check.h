#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace change_log {

inline constexpr std::string_view kCrLfReason =
    "it ends in CR LF where the log's lines end in LF alone, as a copy through a tool that "
    "changes line ends leaves them; with its line ends changed back the chain can be verified";

struct Verification {
    std::size_t entries = 0;
    // The first line that breaks the chain, counted from 1 in its file; 0 when every line holds,
    // or when the chain breaks at a file rather than a line.
    std::size_t brokenLine = 0;
    // Why the chain breaks; empty when it holds.
    std::string reason{};
    // The SHA-256 of the last line, when every line holds.
    std::string lastLineHash{};
    // Of a log of several files: the one the chain breaks in, or at.
    std::filesystem::path file{};
    // A file that could not be read at all (a named pipe in its place), named by `file`: then
    // nothing is said of the chain.
    std::string problem{};

    bool holds() const { return reason.empty() && problem.empty(); }
};

// How a line ends in its file.
enum class LineEnd {
    ended,
    // The file ends within it.
    unended,
    // Longer than any line the log writes: only its start is given, and the rest left out.
    cut,
};

// Checks a chain a line at a time, across the files a log was set aside in: each file's start
// line, then each entry's own hash and the hash of the line before it.
class ChainCheck {
  public:
    // Names a file by its number, in the reasons given.
    using FileName = std::function<std::string(std::uint64_t number)>;
    ChainCheck() = default;
    explicit ChainCheck(FileName fileName) : fileName_(std::move(fileName)) {}

    // The next file begins: the number it must have in the log, counted from 1; 0 for a file
    // checked on its own, whose start line names any place.
    void beginFile(std::uint64_t number, std::filesystem::path file = {});
    // Its next line, without its end. False once the chain is broken.
    bool line(std::string_view line, LineEnd end);
    // The file that was due next is missing.
    void missing(std::filesystem::path file);

    // The SHA-256 of the last line taken, and its place in its file, counted from 1.
    const std::string& lastLineHash() const { return lastLineHash_; }
    std::size_t lineInFile() const { return lineInFile_; }
    Verification result() const;

  private:
    bool breaks(std::string reason);
    // Why the line does not start the file that is due; empty when it does.
    std::string startBreak(std::string_view line) const;

    FileName fileName_;
    Verification result_;
    std::uint64_t number_ = 0;
    std::filesystem::path file_;
    std::size_t lineInFile_ = 0;
    std::string lastLineHash_;
};

}  // namespace change_log
