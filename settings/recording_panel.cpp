#include "recording_panel.h"

#include <algorithm>

#include "recording_lists.h"

namespace settings {

using camera::MenuField;

RecordingPanel::RecordingPanel(QDialog& window, const Controls& controls,
                               const editions::Edition& edition, ui::Context& context)
    : GroupPanel(window, controls, edition, context),
      recording_(context.camera, context.session, edition.index,
                 {.videoStamp = edition.language.ownsVideoStampList,
                  .buttons = edition.language.ownsButtonLists}) {
    for (const auto& row : edition.model.catalogue) {
        if (row.isList()) {
            lists_[static_cast<std::size_t>(row.slot)] = &controls.list(row);
        }
    }
    using editions::WindowField;
    for (const auto& [field, hidden] : {std::pair{MenuField::video_stamp, WindowField::videoStamp},
                                        {MenuField::power_button, WindowField::powerButton},
                                        {MenuField::photo_button, WindowField::photoButton},
                                        {MenuField::record_button, WindowField::recordButton}}) {
        lists_[static_cast<std::size_t>(field)] = controls.list(hidden);
    }
    onClicked(editions::Button::menuGet, &RecordingPanel::get);
    onClicked(editions::Button::menuSet, &RecordingPanel::set);
}

QComboBox* RecordingPanel::listFor(MenuField field) const {
    return lists_[static_cast<std::size_t>(field)];
}

// The edition's words for a list the capability masks build, by mask bit.
std::span<const std::string_view> RecordingPanel::wordsByBit(MenuField field) const {
    const auto lists = editions::recordingLists(edition_);
    return std::ranges::find(lists, field, &editions::RecordingList::field)->entries;
}

void RecordingPanel::fillFixedLists() {
    // The lists the capability masks build wait for the camera's record.
    for (const auto& recordingList : editions::recordingLists(edition_)) {
        if (!recordingList.builtFromMasks) {
            fillList(listFor(recordingList.field), recordingList.entries);
        }
    }
}

void RecordingPanel::readAtSetUp() {
    if (const auto changes = recording_.readAtSetUp()) {
        apply(*changes);
    }
}

void RecordingPanel::apply(const std::vector<camera::ListChange>& changes) {
    for (const auto& change : changes) {
        QComboBox* list = listFor(change.field);
        if (change.maskBits) {
            fillList(list, camera::entriesOf(*change.maskBits, wordsByBit(change.field)));
        }
        if (change.disable) {
            list->setEnabled(false);
        }
        list->setCurrentIndex(change.position);
    }
}

void RecordingPanel::get() {
    const auto changes = recording_.read();
    if (changes) {
        apply(*changes);
    }
    report(changes.has_value());
}

void RecordingPanel::set() {
    writeMenu(
        recording_, [this](MenuField field) { return listFor(field)->currentIndex(); },
        *listFor(MenuField::aes_encryption));
}

}  // namespace settings
