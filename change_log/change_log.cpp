#include "change_log.h"

#include <cstdlib>

#include "sha256.h"
#include "who_and_when.h"

namespace change_log {
namespace {

// An entry holds a few hundred bytes; its line is found in the file's last stretch.
constexpr std::size_t kTailLimit = 64 * 1024;

std::string reasonOf(const std::error_code& error) {
    // A pipe or a device in the log's place.
    if (error == std::errc::invalid_argument) {
        return "it is not a regular file";
    }
    if (error == std::errc::too_many_symbolic_link_levels) {
        return "it is a symbolic link, which the log never follows";
    }
    return error.message();
}

std::string withOwnHash(ChangeEntry entry) {
    entry.hash.clear();
    entry.hash = sha256Hex(toLine(entry));
    return toLine(entry);
}

std::vector<std::string_view> linesOf(std::string_view contents) {
    std::vector<std::string_view> lines;
    while (!contents.empty()) {
        const auto end = contents.find('\n');
        lines.push_back(contents.substr(0, end));
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    }
    return lines;
}

}  // namespace

std::optional<std::filesystem::path> logFile() {
    if (const char* named = std::getenv("QUMAT_CHANGE_LOG"); named != nullptr && *named != '\0') {
        if (std::string_view(named) == "off") {
            return std::nullopt;
        }
        return std::filesystem::path(named);
    }
    return platform::userStateFolder() / "qumat_pro" / "changes.log";
}

std::optional<std::string> ChangeLog::open() {
    if (open_) {
        return std::nullopt;
    }
    if (const auto error = out_.open(file_)) {
        return reasonOf(error);
    }
    open_ = true;
    return std::nullopt;
}

std::optional<std::string> ChangeLog::append(ChangeEntry entry) {
    if (const auto reason = open()) {
        return reason;
    }
    const auto error = out_.append(kTailLimit, [&entry](std::string_view tail) {
        std::string bytes;
        if (tail.empty()) {
            bytes = startLine(platform::now().utc) + "\n";
            tail = bytes;
        } else if (!tail.ends_with('\n')) {
            // A line cut short stays as it is, and breaks the chain there; what follows starts on
            // a line of its own.
            bytes = "\n";
        }
        if (tail.ends_with('\n')) {
            tail.remove_suffix(1);
        }
        const auto lastLineStart = tail.rfind('\n');
        entry.previous = sha256Hex(
            lastLineStart == std::string_view::npos ? tail : tail.substr(lastLineStart + 1));
        return bytes + withOwnHash(std::move(entry)) + "\n";
    });
    return error ? std::optional(reasonOf(error)) : std::nullopt;
}

Verification verify(std::string_view contents) {
    Verification result;
    const auto lines = linesOf(contents);
    if (lines.empty()) {
        return result;
    }
    if (!isStartLine(lines.front())) {
        return {
            .entries = 0, .brokenLine = 1, .reason = "the log does not start with its start line"};
    }
    if (!contents.ends_with('\n')) {
        return {.entries = lines.size() - 1,
                .brokenLine = lines.size(),
                .reason = "the last line is cut short"};
    }
    for (std::size_t at = 1; at < lines.size(); ++at) {
        const auto broken = [&](std::string reason) {
            return Verification{
                .entries = at - 1, .brokenLine = at + 1, .reason = std::move(reason)};
        };
        const auto entry = fromLine(lines[at]);
        if (!entry || toLine(*entry) != lines[at]) {
            return broken("not an entry as the log writes them");
        }
        if (entry->previous != sha256Hex(lines[at - 1])) {
            return broken("the line before it is not the one it follows");
        }
        if (withOwnHash(*entry) != lines[at]) {
            return broken("its content was changed");
        }
        ++result.entries;
    }
    result.lastLineHash = sha256Hex(lines.back());
    return result;
}

std::vector<ChangeEntry> entriesOf(std::string_view contents) {
    std::vector<ChangeEntry> entries;
    for (const auto line : linesOf(contents)) {
        if (auto entry = fromLine(line)) {
            entries.push_back(std::move(*entry));
        }
    }
    return entries;
}

}  // namespace change_log
