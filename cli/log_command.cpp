
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

void printTable(const std::vector<change_log::ChangeEntry>& entries, const Options& options,
                std::ostream& output) {
    for (const auto& entry : entries) {
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
        output << escapedText(entry.newValue) << "  " << escapedText(entry.outcome) << '\n';
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
        const auto verification = change_log::verify(contents);
        if (verification.brokenLine != 0) {
            console.output << escapedText(file->string()) << ": line " << verification.brokenLine
                           << " breaks the chain (" << verification.reason << "); the "
                           << verification.entries << " entries before it hold\n";
            return kCameraFailed;
        }
        console.output << escapedText(file->string()) << ": " << verification.entries
                       << (verification.entries == 1 ? " entry holds" : " entries hold");
        if (!verification.lastLineHash.empty()) {
            // Kept elsewhere, it shows whether entries were later cut off the end.
            console.output << "; the last line's SHA-256 is " << verification.lastLineHash;
        }
        console.output << '\n';
        return kDone;
    }
    const auto entries = change_log::entriesOf(contents);
    if (options.json) {
        printJson(entries, options, console.output);
    } else {
        printTable(entries, options, console.output);
    }
    return kDone;
}

}  // namespace cli
