#include "stc_menu.h"

#include "option_labels.h"

namespace camera {
namespace {

using Entries2 = std::array<std::string_view, 2>;
using Entries3 = std::array<std::string_view, 3>;
using Entries4 = std::array<std::string_view, 4>;

constexpr Entries2 kOffOn{"Desl.", "Ligado"};
// The recording and live-stream codecs.
constexpr Entries2 kCodec{"H.264", "H.265"};

constexpr std::array<std::string_view, 6> kFrontResolution{"2688x1512", "2560x1440", "2304x1296",
                                                           "1920x1080", "1280x720",  "864x480"};
constexpr Entries2 kFrontFrameRate{"30 FPS", "15 FPS"};
constexpr Entries2 kExternalResolution{"720p", "480p"};
constexpr Entries4 kNoticeKind{"Desl.", "Audio", "Chime", "Vibração"};
constexpr Entries4 kNoticeInterval{"1 min", "2 min", "5 min", "10 min"};
constexpr Entries3 kInfrared{"Desl.", "Manual", "Auto"};
constexpr std::array<std::string_view, 7> kSplitTime{"1 Min",  "3 Min",  "5 Min", "10 Min",
                                                     "15 Min", "30 Min", "45 Min"};
constexpr Entries3 kWifiMode{"Desl.", "STA", "AP"};
constexpr Entries3 kRecordingCamera{"Frontal", "Externa", "Ambas"};
constexpr std::array<std::string_view, 5> kQuality{"S.Fine", "Fine", "Normal", "Low", "S.Low"};
constexpr Entries4 kLiveResolution{"1280x720 30p", "1280x720 15p", "848x480 30p", "848x480 15P"};

constexpr std::array<StcMenuList, StcMenuRecord::kListCount> kLists{{
    {"frontCameraResolution", "Frontal Camera Res:", kFrontResolution},
    {"frontCameraFrameRate", "Frontal Camera Frame:", kFrontFrameRate},
    {"externalCameraResolution", "Camera Externa Res:", kExternalResolution},
    {"videoCodec", "Codificação de Vídeo:", kCodec},
    {"recordingNoticeKind", "Tipo de Aviso Grav:", kNoticeKind},
    {"recordingNoticeInterval", "Tempo de Aviso Grav:", kNoticeInterval},
    {"vehicleMode", "Modo Viatura:", kOffOn},
    {"timeZone", "Fuso Horario:", english::kTimeZone},
    {"stabiliser", "Estabilizador:", kOffOn},
    {"infrared", "InfraRed:", kInfrared},
    {"loopRecord", "Loop Rec:", kOffOn},
    {"splitTime", "Split Time:", kSplitTime},
    {"gps", "Mapa GPS:", kOffOn},
    {"recordingNotice", "Aviso Grav:", kOffOn},
    {"encrypted", "Encriptado:", kOffOn},
    {"muteAudio", "Sem Audio:", kOffOn},
    {"storageEncryption", "Codificação:", kOffOn},
    {"wifiMode", "WIFI :", kWifiMode},
    {"speed", "Velocidade:", kOffOn},
    {"recordingCamera", "Gravar:", kRecordingCamera},
    {"quality", "Qualidade:", kQuality},
    {"gSensor", "G-Sensor:", kOffOn},
    {"audioButton", "Botão Audio:", kOffOn},
    {"photoButton", "Botão Foto:", kOffOn},
    {"functionButton", "Botão Fn :", kOffOn},
    {"cellular4g", "4G:", kOffOn},
    {"liveResolution", "Resolução:", kLiveResolution},
    {"liveCodec", "Codec:", kCodec},
}};

static_assert(kLists[kStcEncryptionList].role == "storageEncryption");
static_assert(kLists[kStcWifiList].role == "wifiMode");
static_assert(kLists[kStcCellular4gList].role == "cellular4g");
static_assert(kLists[kStcLiveResolutionList].role == "liveResolution");
static_assert(kLists[kStcLiveCodecList].role == "liveCodec");

}  // namespace

std::span<const StcMenuList> stcMenuLists() {
    return kLists;
}

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
