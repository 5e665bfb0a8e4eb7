#include "recording_panel.h"

#include "recording_lists.h"

namespace settings {

using camera::MenuField;

RecordingPanel::RecordingPanel(QDialog& window, const Controls& controls,
                               const editions::Edition& edition, app::Context& context)
    : GroupPanel(window, controls, edition, context),
      recording_(context.camera, context.session, edition.index,
                 {.videoStamp = edition.ownsVideoStampList, .buttons = edition.ownsButtonLists}) {
    onClicked("menuGetButton", &RecordingPanel::get);
    onClicked("menuSetButton", &RecordingPanel::set);
}

QComboBox* RecordingPanel::wifiList() const {
    return listFor(MenuField::wifi_mode);
}

QComboBox* RecordingPanel::listFor(MenuField field) const {
    return list(editions::recordingListControl(field));
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
    if (const auto changes = recording_.readAtSetUp(edition_.recordingLists.capabilities)) {
        apply(*changes);
    }
}

void RecordingPanel::apply(const std::vector<camera::ListChange>& changes) {
    for (const auto& change : changes) {
        QComboBox* list = listFor(change.field);
        if (change.entries) {
            fillList(list, *change.entries);
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
    auto written =
        recording_.write([this](MenuField field) { return listFor(field)->currentIndex(); });
    if (written.needsConfirmation) {
        written.encryptionPosition = recording_.confirm(ask(edition_.settings.encryptionQuestion));
    }
    report(written.written);
    if (written.encryptionPosition) {
        listFor(MenuField::aes_encryption)->setCurrentIndex(*written.encryptionPosition);
    }
    recording_.completeWrite();
}

}  // namespace settings
