#include "identity_list.h"

#include <algorithm>
#include <array>
#include <map>

#include "change_check.h"
#include "code_page.h"
#include "csv_text.h"
#include "setting_keys.h"
#include "setting_table.h"
#include "utf8.h"

namespace cli {
namespace {

constexpr std::array<std::string_view, 3> kColumns{
    camera::keys::kDeviceId, camera::keys::kOfficerId, camera::keys::kSerialNumber};

std::string lineOf(std::size_t line) {
    return "line " + std::to_string(line) + ": ";
}

// Why `value` cannot stand in the row's field; empty when it can.
std::string valueProblem(const camera::CatalogueRow& row, std::string_view value) {
    // A camera text ends at its first zero byte: the rest would be lost.
    if (value.find('\0') != std::string_view::npos) {
        return "holds a NUL byte, which would cut it short";
    }
    const auto text = platform::fromUtf8(value);
    if (!text) {
        return "is not UTF-8 text";
    }
    if (text->empty()) {
        return "is empty";
    }
    if (const auto control = camera::controlCharacterIn(*text)) {
        return camera::controlCharacterRefusal(*control);
    }
    // The device kind is not known yet: the longer of its limits.
    const auto limit = static_cast<std::size_t>(std::max(row.limitFor(0), row.limitFor(1)));
    if (text->size() > limit) {
        return "has " + std::to_string(text->size()) + " characters, more than " +
               std::to_string(limit);
    }
    const auto codePage = platform::ansiCodePage();
    if (!platform::encodeAnsiExactly(*text, codePage)) {
        return "has characters that code page " + std::to_string(static_cast<int>(codePage)) +
               " lacks";
    }
    return {};
}

}  // namespace

std::variant<IdentityList, std::vector<std::string>> readIdentities(
    std::string_view text, const camera::CameraModel& model) {
    const auto csv = readCsv(text);
    if (!csv.error.empty()) {
        return std::vector<std::string>{csv.error};
    }
    if (csv.records.empty()) {
        return std::vector<std::string>{"holds no header"};
    }
    std::vector<std::string> refusals;
    const auto& header = csv.records.front();
    // Each column's key, by its place.
    std::vector<std::string_view> keys;
    for (const auto& name : header.fields) {
        const auto known = std::ranges::find_if(
            kColumns, [&](std::string_view key) { return name == settingName(*model.row(key)); });
        if (known == kColumns.end()) {
            refusals.push_back(lineOf(header.line) + "unknown column '" + name +
                               "'; the columns are identity.device_id, identity.officer_id and "
                               "identity.serial_number");
        } else if (std::ranges::find(keys, *known) != keys.end()) {
            refusals.push_back(lineOf(header.line) + "column " + name + " given twice");
        }
        keys.push_back(known == kColumns.end() ? std::string_view() : *known);
    }
    for (const auto key : {camera::keys::kDeviceId, camera::keys::kOfficerId}) {
        if (std::ranges::find(keys, key) == keys.end()) {
            refusals.push_back(lineOf(header.line) + "no column " + settingName(*model.row(key)));
        }
    }
    if (!refusals.empty()) {
        return refusals;
    }
    IdentityList list{
        .rows = {}, .bySerial = std::ranges::find(keys, camera::keys::kSerialNumber) != keys.end()};
    // Where each value was first seen, by column.
    std::map<std::pair<std::string_view, std::string>, std::size_t> seen;
    for (auto record = csv.records.begin() + 1; record != csv.records.end(); ++record) {
        if (record->fields.size() != keys.size()) {
            refusals.push_back(lineOf(record->line) + "has " +
                               std::to_string(record->fields.size()) + " fields, the header " +
                               std::to_string(keys.size()));
            continue;
        }
        IdentityRow row{.line = record->line, .deviceId = {}, .officerId = {}, .serialNumber = {}};
        for (std::size_t at = 0; at < keys.size(); ++at) {
            const auto& value = record->fields[at];
            const auto& catalogueRow = *model.row(keys[at]);
            const std::string name = settingName(catalogueRow);
            if (const auto problem = valueProblem(catalogueRow, value); !problem.empty()) {
                refusals.push_back(lineOf(record->line) + name + " " + problem);
                continue;
            }
            const auto [first, added] = seen.try_emplace({keys[at], value}, record->line);
            if (!added) {
                refusals.push_back(lineOf(record->line) + name + " " + value + " is also on line " +
                                   std::to_string(first->second));
            }
            (keys[at] == camera::keys::kDeviceId    ? row.deviceId
             : keys[at] == camera::keys::kOfficerId ? row.officerId
                                                    : row.serialNumber) = value;
        }
        list.rows.push_back(std::move(row));
    }
    if (refusals.empty() && list.rows.empty()) {
        refusals.push_back("holds no identities");
    }
    if (!refusals.empty()) {
        return refusals;
    }
    return list;
}

}  // namespace cli
