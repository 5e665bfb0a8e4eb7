#include "change_log.h"

#include <charconv>
#include <limits>
#include <memory>

#include "change_join.h"
#include "environment.h"
#include "log_reading.h"
#include "sha256.h"
#include "system_log.h"
#include "who_and_when.h"

namespace change_log {
namespace {

// An entry holds a few hundred bytes; its line is found in the file's last stretch.
constexpr std::size_t kTailLimit = kLongestLine;
constexpr std::uint64_t kSetAsideSize = 16 * 1024 * 1024;

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

// The entry's line, its own hash filled in.
std::string hashedLine(ChangeEntry& entry) {
    entry.hash.clear();
    entry.hash = sha256Hex(toLine(entry));
    return toLine(entry);
}

// The last line of a log's tail, whole or cut short.
std::string_view lastLineOf(std::string_view tail) {
    if (tail.ends_with('\n')) {
        tail.remove_suffix(1);
    }
    const auto lastLineStart = tail.rfind('\n');
    return lastLineStart == std::string_view::npos ? tail : tail.substr(lastLineStart + 1);
}

std::string_view withoutCr(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

std::string_view firstLineOf(std::string_view head) {
    return withoutCr(head.substr(0, head.find('\n')));
}

// Whether the line is an entry as the log writes it, its own hash whole.
bool isWholeEntry(std::string_view line) {
    auto entry = fromLine(line);
    return entry && hashedLine(*entry) == line;
}

// The size past which the log is set aside; nothing when the variable holds no size.
std::optional<std::uint64_t> setAsideSize() {
    const auto text = platform::environmentText("QUMAT_CHANGE_LOG_SIZE");
    if (!text) {
        return kSetAsideSize;
    }
    std::uint64_t size = 0;
    const char* end = text->data() + text->size();
    const auto [stop, problem] = std::from_chars(text->data(), end, size);
    if (problem != std::errc() || stop != end || size == 0) {
        return std::nullopt;
    }
    return size;
}

}  // namespace

std::optional<std::filesystem::path> logFile() {
    if (const auto named = platform::environmentText("QUMAT_CHANGE_LOG");
        named && !named->empty()) {
        if (*named == "off") {
            return std::nullopt;
        }
        return platform::pathFromUtf8(*named);
    }
    return platform::userStateFolder() / "qumat_pro" / "changes.log";
}

Anchor systemLogAnchor() {
    const auto mode = platform::environmentText("QUMAT_SYSTEM_LOG");
    if (mode == "off") {
        return {};
    }
    // One connection for all the lines of a command, and one patience.
    auto systemLog = std::make_shared<platform::SystemLog>();
    return {.send = [systemLog](std::string_view message) { return systemLog->write(message); },
            .required = mode == "required"};
}

std::optional<std::string> ChangeLog::open() {
    if (open_) {
        return std::nullopt;
    }
    const auto size = setAsideSize();
    if (!size) {
        return "QUMAT_CHANGE_LOG_SIZE is not a size in bytes";
    }
    setAsideSize_ = *size;
    if (const auto error = out_.open(file_)) {
        return reasonOf(error);
    }
    // Its owner could rewrite the entries of whoever appends to it, as root's too.
    if (const auto owner = out_.foreignOwner(); !owner.empty()) {
        return "it belongs to " + owner +
               ", who could rewrite what is appended to it; a log takes the changes of its "
               "owner and of the administrator only";
    }
    // A file named by mistake is left as it was, never taken for a log and cut.
    std::string head;
    if (const auto error = out_.readHead(kTailLimit, head)) {
        return reasonOf(error);
    }
    if (!head.empty() && !startLineOf(firstLineOf(head))) {
        return "it is not a change log: its first line is not a log's start line";
    }
    open_ = true;
    return std::nullopt;
}

std::optional<std::string> ChangeLog::startLine(std::string& line) const {
    StartLine start{.created = platform::now().utc};
    // A log set aside and then emptied by a process killed between the two, or removed by hand,
    // goes on from the last file set aside.
    if (const auto last = lastSetAside(file_); last != 0) {
        std::string lastLine;
        const auto problem =
            readLines(setAsideName(file_, last), [&lastLine](std::string_view each, LineEnd) {
                lastLine = each;
                return true;
            });
        if (problem) {
            return "the file set aside before it, " + problem->file.filename().string() +
                   ", cannot be read: " + problem->problem;
        }
        start.number = last + 1;
        start.previous = sha256Hex(lastLine);
    }
    line = toLine(start);
    return std::nullopt;
}

std::uint64_t ChangeLog::setAsideWhenFull() {
    std::uint64_t size = 0;
    std::string head;
    if (out_.size(size) || size < setAsideSize_ || out_.readHead(kTailLimit, head)) {
        return 0;
    }
    const auto start = startLineOf(firstLineOf(head));
    const std::uint64_t number = start && start->number != 0 ? start->number : 1;
    // A file that cannot be set aside takes the entries all the same: the log has no wall.
    if (out_.copyTo(setAsideName(file_, number)) || out_.dropLast(size)) {
        return 0;
    }
    return number;
}

std::optional<std::string> ChangeLog::anchor(const std::vector<std::string>& messages) {
    if (!anchor_.send) {
        return std::nullopt;
    }
    for (const auto& message : messages) {
        const auto notTaken = anchor_.send(message);
        if (!notTaken) {
            continue;
        }
        if (anchor_.required) {
            return "its lines could not be anchored in the system log, which "
                   "QUMAT_SYSTEM_LOG=required asks for: " +
                   *notTaken;
        }
        if (unanchored_.empty()) {
            unanchored_ = *notTaken;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ChangeLog::append(std::vector<ChangeEntry>& entries) {
    if (const auto reason = open()) {
        return reason;
    }
    const auto place = file_.u8string();
    const std::string prefix = "change log " + std::string(place.begin(), place.end()) + ": ";
    std::error_code dropError;
    std::optional<std::string> refusal;
    const auto error = out_.append(kTailLimit, [&](std::string_view tail) {
        std::string bytes;
        // An entry chained to a line that ends in CR would not verify once the line ends are
        // changed back.
        if (tail.find("\r\n") != std::string_view::npos) {
            refusal = std::string(kCrLfReason);
            return std::string();
        }
        // A writer killed in the middle of its write leaves part of a line, which Linux may write
        // when the write crosses a page: an entry written ahead of a call that never came, taken
        // off so that the chain goes on from the last whole line. A whole entry that lacks only
        // its line end stays, and so does a longer line than the tail holds: what follows starts
        // on a line of its own.
        if (!tail.empty() && !tail.ends_with('\n')) {
            const std::size_t lineStart = tail.rfind('\n') + 1;
            if ((lineStart == 0 && tail.size() >= kTailLimit) ||
                isWholeEntry(tail.substr(lineStart))) {
                bytes = "\n";
            } else if ((dropError = out_.dropLast(tail.size() - lineStart))) {
                return std::string();
            } else {
                tail = tail.substr(0, lineStart);
            }
        }
        std::vector<std::string> anchored;
        std::string previous;
        if (const auto number = bytes.empty() && !tail.empty() ? setAsideWhenFull() : 0) {
            previous = toLine(StartLine{.created = platform::now().utc,
                                        .number = number + 1,
                                        .previous = sha256Hex(lastLineOf(tail))});
            bytes = previous + "\n";
            anchored.push_back(prefix + "started after " +
                               setAsideName(file_, number).filename().string() + ", line SHA-256 " +
                               sha256Hex(previous));
        } else if (tail.empty()) {
            if ((refusal = startLine(previous))) {
                return std::string();
            }
            bytes = previous + "\n";
            anchored.push_back(prefix + "started, line SHA-256 " + sha256Hex(previous));
        } else {
            previous = lastLineOf(tail);
        }
        for (auto& entry : entries) {
            entry.previous = sha256Hex(previous);
            previous = hashedLine(entry);
            bytes += previous + "\n";
            anchored.push_back(prefix + entry.setting + " " + entry.outcome + ", line SHA-256 " +
                               sha256Hex(previous));
        }
        // Each hash goes out before its line is written: a process killed between the two
        // leaves a hash whose line was never written, never a line whose hash went nowhere.
        refusal = anchor(anchored);
        if (refusal) {
            return std::string();
        }
        return bytes;
    });
    if (error || dropError) {
        return reasonOf(error ? error : dropError);
    }
    return refusal;
}

Verification verify(std::string_view contents) {
    ChainCheck check;
    check.beginFile(0);
    forEachLine(contents,
                [&check](std::string_view line, LineEnd end) { return check.line(line, end); });
    return check.result();
}

std::size_t lineWithHash(std::string_view contents, std::string_view lineHash) {
    std::size_t at = 0;
    std::size_t found = 0;
    forEachLine(contents, [&](std::string_view line, LineEnd) {
        ++at;
        found = sha256Hex(line) == lineHash ? at : 0;
        return found == 0;
    });
    return found;
}

std::vector<ChangeEntry> entriesOf(std::string_view contents) {
    std::vector<ChangeEntry> entries;
    // A log whose line ends a copy changed to CR LF still lists.
    forEachLine(contents, [&entries](std::string_view line, LineEnd) {
        if (auto entry = fromLine(withoutCr(line))) {
            entries.push_back(std::move(*entry));
        }
        return true;
    });
    return entries;
}

std::vector<ChangeEntry> changesOf(std::string_view contents) {
    std::vector<ChangeEntry> changes;
    ChangeJoin join([&changes](ChangeEntry change) { changes.push_back(std::move(change)); },
                    std::numeric_limits<std::size_t>::max());
    for (auto& entry : entriesOf(contents)) {
        join.add(std::move(entry));
    }
    join.finish();
    return changes;
}

}  // namespace change_log
