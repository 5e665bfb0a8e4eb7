
#include "change_log.h"
#include "commands.h"
#include "json_text.h"
#include "limited_read.h"
#include "profile_file.h"
#include "whole_file.h"

namespace cli {
namespace {

// Some hundred thousand entries.
constexpr std::size_t kLogLimit = 64 * 1024 * 1024;

bool chosen(const change_log::ChangeEntry& entry, const Options& options) {
    return (!options.since || entry.time >= *options.since) &&
           (!options.camera || entry.deviceId == *options.camera);
}

// One line per change, with the outcome its later entry gives, or "outcome unknown" when the
// program stopped between the call and its answer.
void printTable(const std::vector<change_log::ChangeEntry>& changes, const Options& options,
                std::ostream& output) {
    for (const auto& entry : changes) {
        if (!chosen(entry, options)) {
            continue;
        }
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
}

// JSON Lines: one entry per line, each an object of its own.
void printJson(const std::vector<change_log::ChangeEntry>& entries, const Options& options,
               std::ostream& output) {
    for (const auto& entry : entries) {
        if (chosen(entry, options)) {
            // The log escapes C0 controls only, and its lines must stay as they were hashed.
            output << withControlCharactersEscaped(change_log::toLine(entry)) << '\n';
        }
    }
}

// Checks the chain, then that each hash saved earlier (from the system log, or an earlier
// --verify) is still the SHA-256 of one of the lines that hold.
int verify(const std::string& file, std::string_view contents, const Options& options,
           std::ostream& output) {
    const auto verification = change_log::verify(contents);
    bool holds = verification.brokenLine == 0;
    if (!holds) {
        output << file << ": line " << verification.brokenLine << " breaks the chain ("
               << verification.reason << "); the " << verification.entries
               << " entries before it hold\n";
    } else {
        output << file << ": " << verification.entries
               << (verification.entries == 1 ? " entry holds" : " entries hold");
        if (!verification.lastLineHash.empty()) {
            // Kept elsewhere, it shows whether entries were later cut off the end.
            output << "; the last line's SHA-256 is " << verification.lastLineHash;
        }
        output << '\n';
    }
    for (const auto& hash : options.expected) {
        const auto line = change_log::lineWithHash(contents, hash);
        if (line != 0 && (verification.brokenLine == 0 || line < verification.brokenLine)) {
            output << file << ": " << hash << " is line " << line << " of the chain\n";
        } else {
            output << file << ": " << hash
                   << " is not in the chain: the line it was taken from is gone or was rewritten\n";
            holds = false;
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
    // A log that does not exist yet holds no entry; what is not a log file is refused, a named
    // pipe too, which would keep the reader waiting for a writer.
    auto read = platform::readWholeFile(*file, kLogLimit);
    const std::string problem =
        read.text.size() > kLogLimit ? platform::tooLarge(kLogLimit, false) : read.problem;
    if (read.kind == platform::WholeFile::Kind::unusable || !problem.empty()) {
        console.error() << escapedText(file->string()) << ": " << problem << '\n';
        return kCameraFailed;
    }
    const std::string contents = std::move(read.text);
    if (options.verify) {
        return verify(escapedText(file->string()), contents, options, console.output);
    }
    if (options.json) {
        printJson(change_log::entriesOf(contents), options, console.output);
    } else {
        printTable(change_log::changesOf(contents), options, console.output);
    }
    return kDone;
}

}  // namespace cli
