#include "stc_menu_panel.h"

#include "stc_menu_texts.h"

namespace settings {

StcMenuPanel::StcMenuPanel(QDialog& window, const Controls& controls,
                           const editions::Edition& edition, ui::Context& context)
    : GroupPanel(window, controls, edition, context), menu_(context.camera, context.session) {
    for (const auto& row : edition.model.catalogue) {
        if (row.isList()) {
            lists_[static_cast<std::size_t>(row.slot)] = &controls.list(row);
        }
    }
    onClicked(editions::Button::menuGet, &StcMenuPanel::get);
    onClicked(editions::Button::menuSet, &StcMenuPanel::set);
}

QComboBox* StcMenuPanel::listAt(int index) const {
    return lists_[static_cast<std::size_t>(index)];
}

void StcMenuPanel::fillLists() {
    const auto lists = editions::stcMenuLists();
    for (std::size_t index = 0; index < lists.size(); ++index) {
        fillList(listAt(static_cast<int>(index)), lists[index].entries);
    }
}

void StcMenuPanel::readAtSetUp() {
    read();
}

bool StcMenuPanel::read() {
    const auto changes = menu_.read();
    if (!changes) {
        return false;
    }
    for (const auto& change : *changes) {
        QComboBox* list = listAt(change.list);
        // Disabled for the window's life, whatever a later read gives.
        if (change.disable) {
            list->setEnabled(false);
        }
        if (change.position) {
            list->setCurrentIndex(*change.position);
        }
    }
    return true;
}

void StcMenuPanel::get() {
    // A successful read shows its values and no box; a failed one says so.
    if (!read()) {
        report(false);
    }
}

void StcMenuPanel::set() {
    writeMenu(
        menu_, [this](int index) { return listAt(index)->currentIndex(); },
        *listAt(camera::kStcEncryptionList));
}

}  // namespace settings
