#include "record_values.h"

#include <algorithm>
#include <cstring>

#include "identity_record.h"
#include "menu_record.h"
#include "network_record.h"
#include "option_lists.h"
#include "setting_keys.h"
#include "setting_value.h"
#include "stc_menu.h"
#include "utf8.h"

namespace change_log {
namespace {

using camera::CatalogueRow;
using camera::EntrySource;
using camera::MenuField;

template <typename Record>
Record recordOf(std::span<const std::uint8_t> bytes) {
    Record record;
    std::memcpy(record.data(), bytes.data(), std::min(bytes.size(), sizeof(record)));
    return record;
}

// The list a common-model row offers in this record, by value name.
std::vector<std::string_view> offered(const CatalogueRow& row, const camera::MenuRecord& record) {
    switch (row.entries) {
        case EntrySource::resolutionMask:
            return camera::entriesOf(camera::resolutionBits(record), row.values);
        case EntrySource::photoSizeMask:
            return camera::entriesOf(camera::photoSizeBits(record), row.values);
        case EntrySource::postRecordMask:
            return camera::entriesOf(camera::postRecordBits(record), row.values);
        case EntrySource::splitTimeMask:
            return camera::entriesOf(camera::splitTimeBits(record), row.values);
        case EntrySource::fixed:
            break;
    }
    return {row.values.begin(), row.values.end()};
}

}  // namespace

Values identityValues(const camera::CameraModel& model, std::span<const std::uint8_t> record) {
    const auto identity = recordOf<camera::IdentityRecord>(record);
    return {{std::string(camera::keys::kDeviceId), platform::toUtf8(identity.deviceId())},
            {std::string(camera::keys::kOfficerId),
             platform::toUtf8(identity.officerId(model.officerIdWidth))}};
}

Values networkValues(const camera::CameraModel& model, std::span<const std::uint8_t> record) {
    const auto network = recordOf<camera::NetworkRecord>(record);
    Values values;
    for (const auto& row : model.catalogue) {
        if (row.group == camera::SettingGroup::network && row.slot >= 0) {
            values[std::string(row.key)] =
                platform::toUtf8(network.text(static_cast<camera::NetworkText>(row.slot)));
        }
    }
    return values;
}

Values menuValues(const camera::CameraModel& model, std::span<const std::uint8_t> record) {
    Values values;
    if (model.usesLongMenuRecord()) {
        const auto menu = recordOf<camera::StcMenuRecord>(record);
        for (const auto& row : model.catalogue) {
            if (row.isList()) {
                values[std::string(row.key)] =
                    camera::listValue(row.values, menu.position(row.slot),
                                      menu.isSupported(row.slot))
                        .text;
            }
        }
        return values;
    }
    const auto menu = recordOf<camera::MenuRecord>(record);
    for (const auto& row : model.catalogue) {
        if (!row.isList()) {
            continue;
        }
        const MenuField field = camera::menuField(row);
        // The photo size goes without its top bit, as the window takes it.
        const int position =
            field == MenuField::photo_size ? menu.photoSizePositionAtSetUp() : menu.position(field);
        values[std::string(row.key)] =
            camera::listValue(offered(row, menu), position, menu.isSupported(field)).text;
    }
    return values;
}

}  // namespace change_log
