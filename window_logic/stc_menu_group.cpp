#include "stc_menu_group.h"

#include <algorithm>

#include "stc_menu_texts.h"

namespace window_logic {

Control StcMenuGroup::listAt(int index) const {
    const auto& catalogue = edition_.model.catalogue;
    return &*std::ranges::find_if(catalogue, [index](const camera::CatalogueRow& setting) {
        return setting.isList() && setting.slot == index;
    });
}

void StcMenuGroup::fillLists() {
    const auto lists = editions::stcMenuLists();
    for (std::size_t index = 0; index < lists.size(); ++index) {
        controls_.setEntries(listAt(static_cast<int>(index)), lists[index].entries);
    }
}

void StcMenuGroup::readAtSetUp() {
    read();
}

bool StcMenuGroup::read() {
    const auto changes = menu_.read();
    if (!changes) {
        return false;
    }
    for (const auto& change : *changes) {
        const Control list = listAt(change.list);
        // Disabled for the window's life, whatever a later read gives.
        if (change.disable) {
            controls_.disable(list);
        }
        if (change.position) {
            controls_.select(list, *change.position);
        }
        if (change.list == camera::kStcWifiList) {
            lastRead().wifiPosition = change.position.value_or(-1);
        }
    }
    return true;
}

void StcMenuGroup::get() {
    // A successful read shows its values and no box; a failed one says so.
    if (!read()) {
        report(false);
    }
}

void StcMenuGroup::set() {
    writeMenu(
        menu_, [this](int index) { return controls_.selection(listAt(index)); },
        listAt(camera::kStcEncryptionList));
}

}  // namespace window_logic
