#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The groups in the order show prints them.
enum class Group { identity, network, recording, status };

inline std::string_view groupName(Group group) {
    constexpr std::string_view kNames[] = {"identity", "network", "recording", "status"};
    return kNames[static_cast<std::size_t>(group)];
}

// What an exported profile leaves out unless asked to keep it.
enum class Privacy { shared, perCamera, secret };

// One setting as the command line names it: "group.key".
struct Setting {
    std::string name;
    Group group = Group::status;
    // A text's limit in characters, as the window's field has it; 0 for a list.
    std::size_t limit = 0;
    // A list's every entry; a camera offers them all, or those its capability masks choose.
    std::vector<std::string_view> entries{};
    bool readOnly = false;
    Privacy privacy = Privacy::shared;
    // The window's control: when the window disables it for the camera's device kind, the
    // setting cannot be changed.
    std::string control{};
    // Changing it makes the camera lose the recordings on its memory card.
    bool destroysRecordings = false;

    bool isList() const { return !entries.empty(); }
    std::string_view key() const { return std::string_view(name).substr(name.find('.') + 1); }
};

}  // namespace cli
