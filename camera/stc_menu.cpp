#include "stc_menu.h"

namespace camera {

StcMenuSettings::StcMenuSettings(CameraLibrary& camera, Session& session)
    : camera_(camera), session_(session) {}

std::optional<StcMenuRecord> StcMenuSettings::readRecord() {
    StcMenuRecord record;
    int32_t flag = 0;
    camera_.Qumat_GetMenuConfig(record.data(), StcMenuRecord::kSize, &flag);
    if (flag == 0) {
        return std::nullopt;
    }
    return record;
}

bool StcMenuSettings::writeRecord(const StcMenuRecord& record) {
    int32_t flag = 0;
    camera_.Qumat_SetMenuConfig(record.data(), StcMenuRecord::kSize, &flag);
    return flag != 0;
}

std::optional<std::vector<StcListChange>> StcMenuSettings::read() {
    const auto record = readRecord();
    if (!record) {
        return std::nullopt;
    }
    std::vector<StcListChange> changes;
    for (int list = 0; list < StcMenuRecord::kListCount; ++list) {
        const bool offered = record->isSupported(list);
        offeredAtLastRead_[static_cast<std::size_t>(list)] = offered;
        if (offered) {
            changes.push_back({.list = list, .position = record->position(list)});
        } else {
            changes.push_back({.list = list, .position = std::nullopt, .disable = true});
        }
    }
    return changes;
}

MenuWrite StcMenuSettings::write(const std::function<int(int list)>& selection) {
    pendingWrite_.reset();
    // The unread bytes must come from the camera: without a read nothing is written.
    auto record = readRecord();
    if (!record) {
        return {};
    }
    const std::uint8_t kept = record->byte(kStcEncryptionList);
    for (int list = 0; list < StcMenuRecord::kListCount; ++list) {
        if (!offeredAtLastRead_[static_cast<std::size_t>(list)]) {
            record->setByte(list, kNotSupported);
        } else if (const int selected = selection(list); selected >= 0) {
            record->select(list, selected);
        }
        // A list with no selection keeps the byte just read: nothing the camera did not give.
    }
    if (record->byte(kStcEncryptionList) == kept) {
        return {.written = writeRecord(*record)};
    }
    if (!writeRecord(*record)) {
        // Nothing reached the camera: no question, no format, and the list shows what it keeps.
        return {.written = false, .encryptionPosition = decodeValueByte(kept)};
    }
    pendingWrite_ = record;
    keptEncryption_ = kept;
    return {.written = true, .needsConfirmation = true};
}

int StcMenuSettings::confirm(bool formatCard) {
    if (formatCard) {
        formatMemoryCard(camera_, session_);
    } else {
        // The first write already changed the option: the second puts the previous one back.
        pendingWrite_->setByte(kStcEncryptionList, keptEncryption_);
    }
    return pendingWrite_->position(kStcEncryptionList);
}

void StcMenuSettings::completeWrite() {
    if (pendingWrite_) {
        writeRecord(*pendingWrite_);
        pendingWrite_.reset();
    }
}

}  // namespace camera
