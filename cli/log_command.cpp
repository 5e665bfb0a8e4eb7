#include <fstream>
#include <sstream>

#include "change_log.h"
#include "commands.h"
#include "profile_file.h"

namespace cli {
namespace {

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
        output << entry.time << "  " << escapedText(entry.user) << "  " << escapedText(camera)
               << "  " << entry.setting << ": " << escapedText(entry.oldValue) << " -> "
               << escapedText(entry.newValue) << "  " << entry.outcome << '\n';
    }
}

void printJson(const std::vector<change_log::ChangeEntry>& entries, const Options& options,
               std::ostream& output) {
    output << '[';
    const char* separator = "\n  ";
    for (const auto& entry : entries) {
        if (chosen(entry, options)) {
            output << separator << change_log::toLine(entry);
            separator = ",\n  ";
        }
    }
    output << "\n]\n";
}

}  // namespace

int runLog(const Options& options, Console& console) {
    const auto file = change_log::logFile();
    if (!file) {
        console.errors << "qumat_pro: the change log is off (QUMAT_CHANGE_LOG=off)\n";
        return kUsageError;
    }
    std::ifstream in(*file, std::ios::binary);
    if (!in && std::filesystem::exists(*file)) {
        console.errors << "qumat_pro: " << escapedText(file->string()) << " cannot be read\n";
        return kCameraFailed;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    if (options.verify) {
        const auto verification = change_log::verify(contents.str());
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
    const auto entries = change_log::entriesOf(contents.str());
    if (options.json) {
        printJson(entries, options, console.output);
    } else {
        printTable(entries, options, console.output);
    }
    return kDone;
}

}  // namespace cli
