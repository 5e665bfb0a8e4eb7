#include "change_join.h"
#include "change_log.h"
#include "commands.h"
#include "json_text.h"
#include "log_reading.h"
#include "profile_file.h"

namespace cli {
namespace {

// Changes wait this many others for their outcomes before they are printed: a run logs an
// outcome a few lines after its change, and the listing holds no more than these.
constexpr std::size_t kChangesHeld = 1024;

bool chosen(const change_log::ChangeEntry& entry, const Options& options) {
    return (!options.since || entry.time >= *options.since) &&
           (!options.camera || entry.deviceId == *options.camera);
}

// One line per change, with the outcome its later entry gives, or "outcome unknown" when the
// program stopped between the call and its answer.
void printChange(const change_log::ChangeEntry& entry, std::ostream& output) {
    const std::string camera = entry.deviceId.empty() ? "-" : entry.deviceId;
    // Every field as a profile would quote it: a log may have been edited.
    output << escapedText(entry.time) << "  " << escapedText(entry.user) << "  "
           << escapedText(camera) << "  " << escapedText(entry.setting) << ": ";
    // A secret's old value is never logged, and an action has none: the new value alone.
    if (!entry.oldValue.empty()) {
        output << escapedText(entry.oldValue) << " -> ";
    }
    output << escapedText(entry.newValue) << "  " << escapedText(entry.outcome);
    if (!entry.reason.empty()) {
        output << " (" << escapedText(entry.reason) << ')';
    }
    output << '\n';
}

std::string named(const std::filesystem::path& file) {
    return escapedText(file.string());
}

// Checks the chain across the log's files, then that each hash saved earlier (from the system
// log, or an earlier --verify) is still the SHA-256 of one of the lines that hold.
int verify(const std::filesystem::path& file, const Options& options, Console& console) {
    std::vector<change_log::HashPlace> expected;
    for (const auto& hash : options.expected) {
        expected.push_back({.hash = hash});
    }
    const auto verification = change_log::verifyLog(file, expected);
    if (!verification.problem.empty()) {
        console.error() << named(verification.file) << ": " << verification.problem << '\n';
        return kCameraFailed;
    }
    auto& output = console.output;
    bool holds = verification.holds();
    if (!holds) {
        output << named(verification.file) << ": ";
        if (verification.brokenLine != 0) {
            output << "line " << verification.brokenLine << " breaks the chain";
        } else {
            output << "the chain breaks here";
        }
        output << " (" << verification.reason << "); the " << verification.entries
               << " entries before it hold\n";
    } else {
        output << named(file) << ": " << verification.entries
               << (verification.entries == 1 ? " entry holds" : " entries hold");
        if (!verification.lastLineHash.empty()) {
            // Kept elsewhere, it shows whether entries were later cut off the end.
            output << "; the last line's SHA-256 is " << verification.lastLineHash;
        }
        output << '\n';
    }
    for (const auto& place : expected) {
        output << named(file) << ": " << place.hash;
        if (place.line == 0) {
            output << " is not in the chain: the line it was taken from is gone or was rewritten\n";
            holds = false;
        } else if (place.file == file) {
            output << " is line " << place.line << " of the chain\n";
        } else {
            output << " is line " << place.line << " of " << named(place.file)
                   << ", in the chain\n";
        }
    }
    return holds ? kDone : kCameraFailed;
}

}  // namespace

int runLog(const Options& options, Console& console) {
    const auto file = change_log::logFile();
    if (!file) {
        console.error() << "the change log is off (QUMAT_CHANGE_LOG=off)\n";
        return kUsageError;
    }
    if (options.verify) {
        return verify(*file, options, console);
    }
    // A log that does not exist yet holds no entry; what is not a log file is refused, a named
    // pipe too, which would keep the reader waiting for a writer.
    change_log::ChangeJoin changes(
        [&](const change_log::ChangeEntry& change) {
            if (chosen(change, options)) {
                printChange(change, console.output);
            }
        },
        kChangesHeld);
    const auto problems = change_log::readEntries(*file, [&](change_log::ChangeEntry entry) {
        if (!options.json) {
            changes.add(std::move(entry));
        } else if (chosen(entry, options)) {
            // JSON Lines: one entry per line, each an object of its own. The log escapes C0
            // controls only, and its lines must stay as they were hashed.
            console.output << withControlCharactersEscaped(change_log::toLine(entry)) << '\n';
        }
    });
    changes.finish();
    for (const auto& problem : problems) {
        console.error() << named(problem.file) << ": " << problem.problem << '\n';
    }
    return problems.empty() ? kDone : kCameraFailed;
}

}  // namespace cli
