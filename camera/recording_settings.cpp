#include "recording_settings.h"

namespace camera {
namespace {

using enum MenuField;

constexpr MenuField kButtonFields[] = {power_button, photo_button, record_button};

// Applied after the three capability lists are built and before the photo size, in this order.
constexpr MenuField kFirstValueFields[] = {resolution,  quality,    coding_format, split_time,
                                           loop_record, pre_record, motion_detect, auto_record,
                                           post_record, infrared,   gps,           rec_warning,
                                           cellular_4g, wifi_mode,  time_zone,     volume};
constexpr MenuField kLastValueFields[] = {live_resolution, live_coding_format, g_sensor, eis,
                                          aes_encryption};

// At set-up the marker disables a list and selects nothing; any other byte selects its position.
ListChange valueAtSetUp(const MenuRecord& record, MenuField field) {
    return {
        .field = field, .position = record.position(field), .disable = !record.isSupported(field)};
}

ListChange built(MenuField field, MaskBits bits) {
    return {.field = field, .position = -1, .disable = false, .maskBits = std::move(bits)};
}

}  // namespace

std::vector<MenuField> exchangedMenuFields(ExtraMenuBytes extra) {
    std::vector<MenuField> fields;
    for (std::size_t byte = 0; byte <= static_cast<std::size_t>(eis); ++byte) {
        fields.push_back(static_cast<MenuField>(byte));
    }
    fields.push_back(aes_encryption);
    if (extra.buttons) {
        fields.insert(fields.end(), std::begin(kButtonFields), std::end(kButtonFields));
    }
    return fields;
}

RecordingSettings::RecordingSettings(CameraLibrary& camera, Session& session, LastRead& lastRead,
                                     ExtraMenuBytes extra)
    : camera_(camera),
      session_(session),
      lastRead_(lastRead),
      extra_(extra),
      exchangedFields_(exchangedMenuFields(extra)) {}

std::optional<MenuRecord> RecordingSettings::readRecord() {
    MenuRecord record;
    int32_t flag = 0;
    camera_.Qumat_GetMenuConfig(record.data(), MenuRecord::kSize, &flag);
    if (flag == 0) {
        return std::nullopt;
    }
    lastRecord_ = record;
    lastRead_.encryptionOption = record.position(aes_encryption);
    return record;
}

bool RecordingSettings::writeRecord(const MenuRecord& record) {
    int32_t flag = 0;
    camera_.Qumat_SetMenuConfig(record.data(), MenuRecord::kSize, &flag);
    return flag != 0;
}

std::optional<std::vector<ListChange>> RecordingSettings::readAtSetUp() {
    const auto record = readRecord();
    if (!record) {
        return std::nullopt;
    }
    std::vector<ListChange> changes;
    if (extra_.buttons) {
        for (const MenuField field : kButtonFields) {
            changes.push_back(valueAtSetUp(*record, field));
        }
    }
    changes.push_back(built(resolution, resolutionBits(*record)));
    changes.push_back(built(post_record, postRecordBits(*record)));
    changes.push_back(built(split_time, splitTimeBits(*record)));
    if (extra_.videoStamp) {
        changes.push_back(valueAtSetUp(*record, video_stamp));
    }
    for (const MenuField field : kFirstValueFields) {
        changes.push_back(valueAtSetUp(*record, field));
    }
    if (record->isSupported(photo_size)) {
        changes.push_back(built(photo_size, photoSizeBits(*record)));
        changes.push_back({.field = photo_size, .position = record->photoSizePositionAtSetUp()});
    } else {
        changes.push_back({.field = photo_size, .position = -1, .disable = true});
    }
    for (const MenuField field : kLastValueFields) {
        changes.push_back(valueAtSetUp(*record, field));
    }
    return changes;
}

std::optional<std::vector<ListChange>> RecordingSettings::read() {
    const auto record = readRecord();
    if (!record) {
        return std::nullopt;
    }
    std::vector<ListChange> changes;
    for (const MenuField field : exchangedFields_) {
        changes.push_back({.field = field, .position = record->position(field)});
    }
    return changes;
}

MenuWrite RecordingSettings::write(const std::function<std::optional<int>(MenuField)>& selection) {
    pendingWrite_.reset();
    // The bytes no list fills must come from the camera: without a read nothing is written.
    if (!lastRecord_) {
        return {};
    }
    MenuRecord record = *lastRecord_;
    bool encryptionChosen = false;
    for (const MenuField field : exchangedFields_) {
        if (const auto selected = selection(field)) {
            record.select(field, *selected);
            encryptionChosen = encryptionChosen || field == aes_encryption;
        }
    }
    const int known = lastRead_.encryptionOption;
    const bool written = writeRecord(record);
    if (known == -1) {
        return {.written = written};
    }
    if (!written) {
        // Nothing reached the camera: no question, no format, and the list shows what it keeps.
        return {.written = false, .encryptionPosition = known};
    }
    pendingChoice_ = record.position(aes_encryption);
    pendingWrite_ = record;
    // A list without a selection changes nothing: its byte goes as it went the first time.
    const bool chosen = encryptionChosen && pendingChoice_ >= 0;
    if (chosen && pendingChoice_ != known) {
        return {.written = true, .needsConfirmation = true};
    }
    if (chosen) {
        pendingWrite_->select(aes_encryption, pendingChoice_ == 1 ? 1 : 0);
    }
    return {.written = true, .encryptionPosition = pendingWrite_->position(aes_encryption)};
}

int RecordingSettings::confirm(bool formatCard) {
    const int on = pendingChoice_ == 1 ? 1 : 0;
    if (formatCard) {
        formatMemoryCard(camera_, session_);
        lastRead_.encryptionOption = pendingChoice_;
        pendingWrite_->select(aes_encryption, on);
    } else {
        // The first write already changed the option: the second puts the previous one back.
        pendingWrite_->select(aes_encryption, 1 - on);
    }
    return pendingWrite_->position(aes_encryption);
}

void RecordingSettings::completeWrite() {
    if (pendingWrite_) {
        writeRecord(*pendingWrite_);
        pendingWrite_.reset();
    }
}

}  // namespace camera
