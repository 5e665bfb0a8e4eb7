#pragma once

#include <span>
#include <string>
#include <string_view>

#include "catalogue.h"

namespace cli {

// One setting of the camera model as the command line names it: "group.key", from its
// catalogue row.
struct Setting {
    std::string name;
    const camera::CatalogueRow* row = nullptr;

    camera::SettingGroup group() const { return row->group; }
    std::string_view key() const { return row->key; }
    bool isList() const { return row->isList(); }
    bool readOnly() const { return row->kind == camera::SettingKind::status; }
    // A list's every value name; a camera offers them all, or those its capability masks choose.
    std::span<const std::string_view> values() const { return row->values; }
};

}  // namespace cli
