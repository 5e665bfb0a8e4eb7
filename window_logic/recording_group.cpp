#include "recording_group.h"

#include <algorithm>

#include "recording_lists.h"

namespace window_logic {

using camera::MenuField;

RecordingGroup::RecordingGroup(const editions::Edition& edition, Services& services,
                               WindowControls& controls)
    : GroupLogic(edition, services, controls),
      recording_(services.camera, services.session, lastRead(),
                 {.videoStamp = edition.language.ownsVideoStampList,
                  .buttons = edition.language.ownsButtonLists}) {
    for (const auto& setting : edition.model.catalogue) {
        if (setting.isList()) {
            lists_[static_cast<std::size_t>(setting.slot)] = &setting;
        }
    }
    using editions::WindowField;
    for (const auto& [field, hidden] : {std::pair{MenuField::video_stamp, WindowField::videoStamp},
                                        {MenuField::power_button, WindowField::powerButton},
                                        {MenuField::photo_button, WindowField::photoButton},
                                        {MenuField::record_button, WindowField::recordButton}}) {
        if (controls.has(hidden)) {
            lists_[static_cast<std::size_t>(field)] = hidden;
        }
    }
}

Control RecordingGroup::listFor(MenuField field) const {
    return *lists_[static_cast<std::size_t>(field)];
}

void RecordingGroup::fillFixedLists() {
    // The lists the capability masks build wait for the camera's record.
    for (const auto& list : editions::recordingLists(edition_)) {
        if (!list.builtFromMasks) {
            controls_.setEntries(listFor(list.field), list.entries);
            filled_[static_cast<std::size_t>(list.field)] = true;
        }
    }
}

void RecordingGroup::readAtSetUp() {
    if (const auto changes = recording_.readAtSetUp()) {
        apply(*changes);
    }
}

void RecordingGroup::apply(const std::vector<camera::ListChange>& changes) {
    const auto lists = editions::recordingLists(edition_);
    for (const auto& change : changes) {
        const Control list = listFor(change.field);
        if (change.maskBits) {
            // The edition's words for a list the masks build, by mask bit.
            const auto words =
                std::ranges::find(lists, change.field, &editions::RecordingList::field)->entries;
            controls_.setEntries(list, camera::entriesOf(*change.maskBits, words));
            filled_[static_cast<std::size_t>(change.field)] = true;
        }
        if (change.disable) {
            controls_.disable(list);
        }
        controls_.select(list, change.position);
        if (change.field == MenuField::wifi_mode) {
            lastRead().wifiPosition = change.position;
        }
    }
}

void RecordingGroup::get() {
    const auto changes = recording_.read();
    if (changes) {
        apply(*changes);
    }
    report(changes.has_value());
}

void RecordingGroup::set() {
    writeMenu(
        recording_,
        [this](MenuField field) {
            // A list the masks never built (its read failed as the window opened) shows
            // nothing a user could choose: its byte goes back as read.
            return filled_[static_cast<std::size_t>(field)]
                       ? std::optional(controls_.selection(listFor(field)))
                       : std::nullopt;
        },
        listFor(MenuField::aes_encryption));
}

}  // namespace window_logic
