#include "chain_check.h"

#include <algorithm>

#include "change_entry.h"
#include "sha256.h"

namespace change_log {
namespace {

// Whether the entry's hash is that of its line without it. The line is the entry as the log
// writes it, its hash the last field: the field is cut off rather than the line written again.
bool holdsItsOwnHash(std::string_view line, const ChangeEntry& entry) {
    constexpr std::string_view kField = ",\"hash\":\"";
    const bool plain = std::ranges::all_of(entry.hash, [](char c) {
        return c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20 && c != 0x7F;
    });
    const std::size_t field = kField.size() + entry.hash.size() + 2;
    if (entry.hash.empty() || !plain || line.size() < field ||
        !line.substr(line.size() - field).starts_with(kField)) {
        return false;
    }
    std::string hashed(line.substr(0, line.size() - field));
    hashed += '}';
    return sha256Hex(hashed) == entry.hash;
}

}  // namespace

void ChainCheck::beginFile(std::uint64_t number, std::filesystem::path file) {
    number_ = number;
    file_ = std::move(file);
    lineInFile_ = 0;
}

void ChainCheck::missing(std::filesystem::path file) {
    if (result_.holds()) {
        result_.file = std::move(file);
        result_.reason = "the file is missing";
    }
}

bool ChainCheck::line(std::string_view line, LineEnd end) {
    if (!result_.holds()) {
        return false;
    }
    ++lineInFile_;
    // A copy through a tool that changed the line ends changes every line's hash.
    if (line.ends_with('\r')) {
        return breaks(std::string(kCrLfReason));
    }
    if (end == LineEnd::unended) {
        return breaks("the last line is cut short");
    }
    if (end == LineEnd::cut) {
        return breaks("it is longer than any line the log writes");
    }
    if (lineInFile_ == 1) {
        if (auto reason = startBreak(line); !reason.empty()) {
            return breaks(std::move(reason));
        }
    } else {
        const auto entry = fromLine(line);
        if (!entry || toLine(*entry) != line) {
            return breaks("not an entry as the log writes them");
        }
        if (entry->previous != lastLineHash_) {
            return breaks("the line before it is not the one it follows");
        }
        if (!holdsItsOwnHash(line, *entry)) {
            return breaks("its content was changed");
        }
        ++result_.entries;
    }
    lastLineHash_ = sha256Hex(line);
    return true;
}

std::string ChainCheck::startBreak(std::string_view line) const {
    const auto start = startLineOf(line);
    if (!start) {
        return number_ <= 1 ? "the log does not start with its start line"
                            : "the file does not start with a log's start line";
    }
    if (number_ == 0) {
        return {};
    }
    // The first file's start line names no place: every file had such a line before logs were
    // set aside.
    const std::uint64_t own = start->number == 0 ? 1 : start->number;
    if (own != number_) {
        return "it starts file " + std::to_string(own) + " of the log where file " +
               std::to_string(number_) + " was due";
    }
    if (number_ > 1 && start->previous != lastLineHash_) {
        return "its start line does not follow the last line of " + fileName_(number_ - 1);
    }
    return {};
}

bool ChainCheck::breaks(std::string reason) {
    result_.brokenLine = lineInFile_;
    result_.reason = std::move(reason);
    result_.file = file_;
    return false;
}

Verification ChainCheck::result() const {
    auto result = result_;
    if (result.holds()) {
        result.lastLineHash = lastLineHash_;
    }
    return result;
}

}  // namespace change_log
