#include "stc_menu_texts.h"

#include <array>

#include "english_lists.h"
#include "stc_menu.h"

namespace editions {
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

constexpr std::array<StcMenuList, camera::StcMenuRecord::kListCount> kLists{{
    {"Frontal Camera Res:", kFrontResolution},
    {"Frontal Camera Frame:", kFrontFrameRate},
    {"Camera Externa Res:", kExternalResolution},
    {"Codificação de Vídeo:", kCodec},
    {"Tipo de Aviso Grav:", kNoticeKind},
    {"Tempo de Aviso Grav:", kNoticeInterval},
    {"Modo Viatura:", kOffOn},
    {"Fuso Horario:", english::kTimeZone},
    {"Estabilizador:", kOffOn},
    {"InfraRed:", kInfrared},
    {"Loop Rec:", kOffOn},
    {"Split Time:", kSplitTime},
    {"Mapa GPS:", kOffOn},
    {"Aviso Grav:", kOffOn},
    {"Encriptado:", kOffOn},
    {"Sem Audio:", kOffOn},
    {"Codificação:", kOffOn},
    {"WIFI :", kWifiMode},
    {"Velocidade:", kOffOn},
    {"Gravar:", kRecordingCamera},
    {"Qualidade:", kQuality},
    {"G-Sensor:", kOffOn},
    {"Botão Audio:", kOffOn},
    {"Botão Foto:", kOffOn},
    {"Botão Fn :", kOffOn},
    {"4G:", kOffOn},
    {"Resolução:", kLiveResolution},
    {"Codec:", kCodec},
}};

}  // namespace

std::span<const StcMenuList> stcMenuLists() {
    return kLists;
}

}  // namespace editions
