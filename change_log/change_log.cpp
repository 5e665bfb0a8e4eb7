#include "change_log.h"

#include <map>

#include "environment.h"
#include "limited_read.h"
#include "sha256.h"
#include "system_log.h"
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

// The entry's line, its own hash filled in.
std::string hashedLine(ChangeEntry& entry) {
    entry.hash.clear();
    entry.hash = sha256Hex(toLine(entry));
    return toLine(entry);
}

std::string withOwnHash(ChangeEntry entry) {
    return hashedLine(entry);
}

// The last line of a log's tail, whole or cut short.
std::string_view lastLineOf(std::string_view tail) {
    if (tail.ends_with('\n')) {
        tail.remove_suffix(1);
    }
    const auto lastLineStart = tail.rfind('\n');
    return lastLineStart == std::string_view::npos ? tail : tail.substr(lastLineStart + 1);
}

constexpr std::string_view kCrLfReason =
    "it ends in CR LF where the log's lines end in LF alone, as a copy through a tool that "
    "changes line ends leaves them; with its line ends changed back the chain can be verified";

std::string_view withoutCr(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

// Whether the line is an entry as the log writes it, its own hash whole.
bool isWholeEntry(std::string_view line) {
    const auto entry = fromLine(line);
    return entry && withOwnHash(*entry) == line;
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
    if (platform::environmentText("QUMAT_SYSTEM_LOG") == "off") {
        return {};
    }
    return platform::writeSystemLog;
}

std::optional<std::string> ChangeLog::open() {
    if (open_) {
        return std::nullopt;
    }
    if (const auto error = out_.open(file_)) {
        return reasonOf(error);
    }
    // A file named by mistake is left as it was, never taken for a log and cut.
    const auto head = platform::readLimited(file_, kTailLimit, true);
    if (head.error) {
        return *head.error;
    }
    if (!head.bytes.empty() && !isStartLine(head.bytes)) {
        return "it is not a change log: its first line is not a log's start line";
    }
    open_ = true;
    return std::nullopt;
}

std::optional<std::string> ChangeLog::append(std::vector<ChangeEntry>& entries) {
    if (const auto reason = open()) {
        return reason;
    }
    const auto place = file_.u8string();
    const std::string prefix = "change log " + std::string(place.begin(), place.end()) + ": ";
    std::vector<std::string> anchored;
    std::error_code dropError;
    std::optional<std::string> refusal;
    const auto error = out_.append(kTailLimit, [&](std::string_view tail) {
        anchored.clear();
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
        std::string previous;
        if (tail.empty()) {
            previous = startLine(platform::now().utc);
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
        return bytes;
    });
    if (error || dropError) {
        return reasonOf(error ? error : dropError);
    }
    if (refusal) {
        return refusal;
    }
    if (anchor_) {
        for (const auto& message : anchored) {
            anchor_(message);
        }
    }
    return std::nullopt;
}

Verification verify(std::string_view contents) {
    Verification result;
    const auto lines = linesOf(contents);
    if (lines.empty()) {
        return result;
    }
    if (!isStartLine(withoutCr(lines.front()))) {
        return {
            .entries = 0, .brokenLine = 1, .reason = "the log does not start with its start line"};
    }
    // A copy through a tool that changed the line ends changes every line's hash.
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (lines[at].ends_with('\r')) {
            return {.entries = at == 0 ? 0 : at - 1,
                    .brokenLine = at + 1,
                    .reason = std::string(kCrLfReason)};
        }
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

std::size_t lineWithHash(std::string_view contents, std::string_view lineHash) {
    const auto lines = linesOf(contents);
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (sha256Hex(lines[at]) == lineHash) {
            return at + 1;
        }
    }
    return 0;
}

std::vector<ChangeEntry> entriesOf(std::string_view contents) {
    std::vector<ChangeEntry> entries;
    // A log whose line ends a copy changed to CR LF still lists.
    for (const auto line : linesOf(contents)) {
        if (auto entry = fromLine(withoutCr(line))) {
            entries.push_back(std::move(*entry));
        }
    }
    return entries;
}

std::vector<ChangeEntry> changesOf(std::string_view contents) {
    std::vector<ChangeEntry> changes;
    // Entries written before a call whose outcome has not come yet, by their hash.
    std::map<std::string, std::size_t, std::less<>> awaiting;
    // Those whose outcome has come: a later read may still show that the camera differs.
    std::map<std::string, std::size_t, std::less<>> settled;
    for (auto& entry : entriesOf(contents)) {
        if (const auto intent = awaiting.find(entry.intent); intent != awaiting.end()) {
            changes[intent->second].outcome = entry.outcome;
            changes[intent->second].reason = entry.reason;
            settled.insert(awaiting.extract(intent));
            continue;
        }
        if (const auto intent = settled.find(entry.intent); intent != settled.end()) {
            changes[intent->second].outcome = entry.outcome;
            changes[intent->second].reason = entry.reason;
            continue;
        }
        if (entry.outcome == kIntended) {
            awaiting.emplace(entry.hash, changes.size());
            entry.outcome = kOutcomeUnknown;
        }
        changes.push_back(std::move(entry));
    }
    return changes;
}

}  // namespace change_log
