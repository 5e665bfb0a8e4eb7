#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "append_file.h"

namespace cli {

// One camera of a provisioning run, as its report row gives it.
struct ReportRow {
    std::string time;
    std::string serialNumber;
    // The identity given to the camera; empty when none was.
    std::string deviceId;
    std::string officerId;
    // "ok", "differs" or "failed: why".
    std::string result;
    std::vector<std::string> differing;
};

// The CSV report of a provisioning run: a header, then one row per camera, each on the disk
// before the next camera, so that a run killed at any moment leaves whole rows, and a run started
// again with the same report knows the identities given already.
class ProvisionReport {
  public:
    // Opens the report, making it when missing; the reason when it cannot be used.
    std::string open(const std::filesystem::path& file);
    // The device IDs the report's rows have given to cameras.
    const std::set<std::string>& givenDeviceIds() const { return given_; }
    // The reason when the row could not be written.
    std::string append(const ReportRow& row);

  private:
    platform::AppendFile file_;
    std::set<std::string> given_;
};

}  // namespace cli
