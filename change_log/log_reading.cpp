#include "log_reading.h"

#include <algorithm>
#include <charconv>

#include "whole_file.h"

namespace change_log {
namespace {

// Lines out of stretches of bytes: a line that lies whole in a stretch is given where it lies,
// and only one that spans stretches is gathered, up to kLongestLine bytes.
class LineSplitter {
  public:
    explicit LineSplitter(const LineTaker& take) : take_(take) {}

    bool feed(std::string_view bytes) {
        while (going_ && !bytes.empty()) {
            const auto end = bytes.find('\n');
            const auto part = bytes.substr(0, end);
            if (end != std::string_view::npos && gathered_.empty() && !cut_ &&
                part.size() <= kLongestLine) {
                going_ = take_(part, LineEnd::ended);
            } else {
                gather(part);
                if (end == std::string_view::npos) {
                    return true;
                }
                going_ = take_(gathered_, cut_ ? LineEnd::cut : LineEnd::ended);
                gathered_.clear();
                cut_ = false;
            }
            bytes.remove_prefix(end + 1);
        }
        return going_;
    }

    void finish() {
        if (going_ && (!gathered_.empty() || cut_)) {
            take_(gathered_, cut_ ? LineEnd::cut : LineEnd::unended);
        }
    }

  private:
    void gather(std::string_view part) {
        const std::size_t room = kLongestLine - gathered_.size();
        cut_ = cut_ || part.size() > room;
        gathered_.append(part.substr(0, room));
    }

    const LineTaker& take_;
    std::string gathered_;
    bool cut_ = false;
    bool going_ = true;
};

// Missing for certain: a folder that cannot be looked into says nothing.
bool isMissing(const std::filesystem::path& file) {
    std::error_code error;
    return !std::filesystem::exists(file, error) && !error;
}

}  // namespace

std::filesystem::path setAsideName(const std::filesystem::path& log, std::uint64_t number) {
    auto name = log;
    name += ".";
    name += std::to_string(number);
    return name;
}

std::uint64_t lastSetAside(const std::filesystem::path& log) {
    const auto folder = log.has_parent_path() ? log.parent_path() : std::filesystem::path(".");
    const std::string prefix = log.filename().string() + ".";
    std::uint64_t last = 0;
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix) || name.size() == prefix.size() ||
            name[prefix.size()] == '0') {
            continue;
        }
        std::uint64_t number = 0;
        const auto* end = name.data() + name.size();
        if (const auto [stop, problem] = std::from_chars(name.data() + prefix.size(), end, number);
            problem == std::errc() && stop == end) {
            last = std::max(last, number);
        }
    }
    return last;
}

void forEachLine(std::string_view contents, const LineTaker& take) {
    LineSplitter lines(take);
    lines.feed(contents);
    lines.finish();
}

std::optional<FileProblem> readLines(const std::filesystem::path& file, const LineTaker& take) {
    LineSplitter lines(take);
    const auto read = platform::readInChunks(
        file, [&lines](std::string_view chunk) { return lines.feed(chunk); });
    if (read.kind == platform::WholeFile::Kind::unusable) {
        return FileProblem{file, read.problem};
    }
    lines.finish();
    return std::nullopt;
}

Verification verifyLog(const std::filesystem::path& log, std::vector<HashPlace>& expected) {
    // A file set aside while the files were read shows as one missing: read them again.
    constexpr int kReadings = 3;
    for (int reading = 1;; ++reading) {
        const std::uint64_t last = lastSetAside(log);
        ChainCheck check(
            [&log](std::uint64_t number) { return setAsideName(log, number).filename().string(); });
        for (auto& place : expected) {
            place.file.clear();
            place.line = 0;
        }
        for (std::uint64_t number = 1; number <= last + 1 && check.result().holds(); ++number) {
            const auto file = number <= last ? setAsideName(log, number) : log;
            check.beginFile(number, file);
            if (number <= last && isMissing(file)) {
                check.missing(file);
                break;
            }
            const auto problem = readLines(file, [&](std::string_view line, LineEnd end) {
                if (!check.line(line, end)) {
                    return false;
                }
                for (auto& place : expected) {
                    if (place.line == 0 && place.hash == check.lastLineHash()) {
                        place.file = file;
                        place.line = check.lineInFile();
                    }
                }
                return true;
            });
            if (problem) {
                return {.file = problem->file, .problem = problem->problem};
            }
        }
        if (reading == kReadings || lastSetAside(log) == last) {
            return check.result();
        }
    }
}

std::vector<FileProblem> readEntries(const std::filesystem::path& log,
                                     const std::function<void(ChangeEntry entry)>& take) {
    std::vector<FileProblem> problems;
    const std::uint64_t last = lastSetAside(log);
    for (std::uint64_t number = 1; number <= last + 1; ++number) {
        const auto file = number <= last ? setAsideName(log, number) : log;
        if (number <= last && isMissing(file)) {
            problems.push_back({file, "the file is missing"});
            continue;
        }
        bool first = true;
        // The file's number in the log, as its start line gives it.
        std::uint64_t own = 0;
        const auto problem = readLines(file, [&](std::string_view line, LineEnd end) {
            if (end == LineEnd::cut) {
                return true;
            }
            // A log whose line ends a copy changed to CR LF still lists.
            line = line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
            if (auto entry = fromLine(line)) {
                take(std::move(*entry));
            } else if (const auto start = first ? startLineOf(line) : std::nullopt) {
                own = std::max<std::uint64_t>(start->number, 1);
            }
            first = false;
            return true;
        });
        if (problem) {
            problems.push_back(*problem);
        } else if (own != 0 && own != number) {
            problems.push_back({file, "it starts file " + std::to_string(own) +
                                          " of the log where file " + std::to_string(number) +
                                          " was due"});
        }
    }
    return problems;
}

}  // namespace change_log
