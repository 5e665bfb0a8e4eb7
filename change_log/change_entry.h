#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace change_log {

// What became of a change the camera was asked for.
inline constexpr std::string_view kWritten = "written";
// A later entry for a change that was written: the camera's next read shows another value.
inline constexpr std::string_view kDiffers = "differs";
// The camera answered with a failure flag.
inline constexpr std::string_view kRefused = "refused";
// A call whose flag the camera leaves unset: it was sent, and nothing more is known.
inline constexpr std::string_view kSent = "sent";
// An entry written before the camera is called: what is about to change. Its outcome follows in
// an entry of its own that names it by `intent`; one that none names has no known outcome (the
// program was killed, or the log failed, while the camera had the change).
inline constexpr std::string_view kIntended = "intended";
// What the log shows for such an entry.
inline constexpr std::string_view kOutcomeUnknown = "outcome unknown";
// What a secret's old and new values are logged as.
inline constexpr std::string_view kChanged = "changed";

// One line of the change log.
struct ChangeEntry {
    // UTC, ISO 8601, and the computer's offset from it then ("+01:00").
    std::string time{};
    std::string utcOffset{};
    std::string user{};
    std::string host{};
    // "window" or "command line", and the edition's language or the camera model.
    std::string frontEnd{};
    std::string edition{};
    std::string model{};
    // The camera as last read: empty where it was not.
    std::string deviceId{};
    std::string serialNumber{};
    // A catalogue key, or an action: "set_time", "factory_defaults", "mass_storage",
    // "card_format", "password".
    std::string setting{};
    std::string oldValue{};
    std::string newValue{};
    std::string outcome{};
    // Why the camera refused it; empty otherwise, and in entries of older logs.
    std::string reason{};
    // In the entry of an outcome: the hash of the entry written before the call. Empty otherwise.
    std::string intent{};
    // The SHA-256 of the line before it, and of this line without this field.
    std::string previous{};
    std::string hash{};
};

// The line the entry is written as, without its line end; `reason`, `intent` and `hash` are left
// out when empty, so that lines of older logs read and hash as they were written.
std::string toLine(const ChangeEntry& entry);
// The entry of a line written by toLine, or nothing when it is not one.
std::optional<ChangeEntry> fromLine(std::string_view line);

// The line that starts a log's file: when it was made and, in a file that follows one set aside,
// its number in the log and the SHA-256 of the last line of the file before it. The first file
// has neither, as every file had before logs were set aside.
struct StartLine {
    std::string created{};
    // 0 in the first file.
    std::uint64_t number = 0;
    std::string previous{};
};
std::string toLine(const StartLine& start);
// The start line of a line written by toLine, or nothing when it is not one.
std::optional<StartLine> startLineOf(std::string_view line);

}  // namespace change_log
