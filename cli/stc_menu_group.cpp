#include "stc_menu_group.h"

#include <cctype>

#include "card_format_answer.h"

namespace cli {
namespace {

std::string nameOf(int list) {
    return "recording." +
           StcMenuGroup::snakeCase(camera::stcMenuLists()[static_cast<std::size_t>(list)].role);
}

}  // namespace

std::string StcMenuGroup::snakeCase(std::string_view role) {
    std::string name;
    for (std::size_t i = 0; i < role.size(); ++i) {
        const auto c = static_cast<unsigned char>(role[i]);
        const bool startsWord =
            std::isupper(c) ||
            (std::isdigit(c) && i > 0 && !std::isdigit(static_cast<unsigned char>(role[i - 1])));
        if (startsWord && i > 0) {
            name.push_back('_');
        }
        name.push_back(static_cast<char>(std::tolower(c)));
    }
    return name;
}

std::vector<Setting> StcMenuGroup::settings() {
    std::vector<Setting> settings;
    const auto lists = camera::stcMenuLists();
    for (std::size_t list = 0; list < lists.size(); ++list) {
        settings.push_back({.name = nameOf(static_cast<int>(list)),
                            .group = Group::recording,
                            .entries = {lists[list].entries.begin(), lists[list].entries.end()},
                            .control = std::string(lists[list].role) + "List",
                            .destroysRecordings = list == camera::kStcEncryptionList});
    }
    return settings;
}

bool StcMenuGroup::read(Values& values) {
    const auto changes = menu_.read();
    if (!changes) {
        return false;
    }
    for (const auto& change : *changes) {
        const auto entries = camera::stcMenuLists()[static_cast<std::size_t>(change.list)].entries;
        values[nameOf(change.list)] =
            listValue(entries, change.position.value_or(-1), !change.disable);
    }
    return true;
}

GroupWrite StcMenuGroup::write(const WriteRequest& request) {
    CardFormatAnswer answer(request.formatCard);
    menu_.write([&](int list) { return request.position(nameOf(list)); }, answer);
    return {.written = answer.written(), .cardFormatted = answer.cardFormatted()};
}

}  // namespace cli
