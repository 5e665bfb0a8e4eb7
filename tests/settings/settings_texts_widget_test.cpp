// Every text of the ten settings windows' layouts and lists, byte for byte: double blanks,
// missing accents and mixed scripts are part of them.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <array>
#include <set>

#include "edition.h"
#include "settings_fixture.h"

namespace {

constexpr const char* kTimeZones =
    "- 12|- 11|- 10|- 9|- 8|- 7|- 6|- 5|- 4|- 3|- 2|- 1|0|+ 1|+ 2|+ 3|+ 4|+ 5|+ 6|+ 7|+ 8|+ 9|+ "
    "10|+ 11|+ 12";

// A control's text in each edition, in index order; nullptr where the edition has no such
// control. A list's entries are joined with "|".
struct WindowText {
    const char* name;
    std::array<const char*, 5> byEdition;
};

const WindowText kTexts[] = {
    {"identityFrame",
     {"ID Information", "ID информация", "ID information", "ID información", "Identificação"}},
    {"deviceIdLabel",
     {"Device ID :", "ID устройства:", "ID Camera:", "ID Dispositivo:", "Placa / Serial :"}},
    {"officerIdLabel",
     {"Officer ID :", "ID сотрудника:", "ID Officier:", "ID Oficial :", "Equipe / RE :"}},
    {"identityGetButton", {"Get", "Получить", "Obtenir", "Obtener", "Consultar"}},
    {"passwordGetButton", {"Get", "Получить", "Obtenir", "Obtener", "Consultar"}},
    {"networkGetButton", {"Get", "Получить", "Obtenir", "Obtener", "Consultar"}},
    {"menuGetButton", {"Get", "Получить", "Obtenir", "Obtener", "Consultar"}},
    {"identitySetButton", {"Set", "Сохранить", "Regler", "Cambiar", "Gravar"}},
    {"networkSetButton", {"Set", "Сохранить", "Regler", "Cambiar", "Gravar"}},
    {"menuSetButton", {"Set", "Сохранить", "Regler", "Cambiar", "Gravar"}},
    {"passwordFrame", {"Password", "Пароль", "Mot de passe", "Contraseña", "Senha"}},
    {"oldPasswordLabel",
     {"Old Password :", "Текущий пароль:", "Ancien MDP :", "Anterior Contraseña :",
      "Senha atual :"}},
    {"newPasswordLabel",
     {"New Password:", "Новый пароль:", "Nouveau MDP:", "Nueva Contraseña :", "Nova senha :"}},
    {"passwordModifyButton", {"Modify", "Сохранить", "Modifier", "Modificar", "Gravar"}},
    {"cameraFrame", {"Camera", "ПВР", "Camera", "Camara", "Câmera"}},
    {"cardLabel", {"TF :", "Объем карты :", "TF :", "TF :", "Armazenamento :"}},
    {"firmwareLabel",
     {"FW Version:", "Версия ПО:", "Version FW:", "Version Firmware:", "Versão do FW:"}},
    {"serialNumberLabel", {"SN:", "SN:", "SN:", "SN:", "SN:"}},
    {"serialNumberSetButton", {"Set", "Сохранить", "Regler", "Cambiar", "Cambiar"}},
    {"serialNumberGetButton", {"Get", "Получить", "Obtenir", "Obtener", "Obtener"}},
    {"setDefaultButton",
     {"Set Default", "По умолчанию", "Reglages par défaut", "Predeterminado",
      "Configurações padrão"}},
    {"setTimeButton",
     {"Set Time", "Дата/время", "Reglages Heure", "Fijar tiempo", "Acerte o horário"}},
    {"enterUDiskButton",
     {"Enter U Disk", "USB Диск", "Creer disque amovible", "Disk USB", "Acesse os arquivos"}},
    {"networkFrame", {"Network", "Сеть", "Reseau", "Red", "Redes"}},
    {"modeLabel", {"Mode:", nullptr, "Mode:", "Mode:", "Mode:"}},
    {"wifiFrame",
     {"WIFI Information", "Настройка Wi-Fi", "WIFI information", "Información WIFI",
      "Ajustes Wifi"}},
    {"ssidLabel", {"SSID:", "SSID:", "SSID:", "SSID:", "SSID:"}},
    {"wifiPasswordLabel", {"Password :", "Пароль :", "Mot de passe:", "Contraseña:", "Senha :"}},
    {"cellularFrame",
     {"4G Information", "4G инфо", "4G information", "4G Información", "Ajustes Rede Celular"}},
    {"apnLabel", {"APN Addr:", "Точка доступа (APN):", "APN Addr:", "APN Addr:", "APN Addr:"}},
    {"pinLabel", {"4G PIN:", "4G PIN:", "4G PIN:", "4G PIN:", "4G PIN:"}},
    {"apnUserLabel",
     {"APN User:", "Имя пользователя:", "Utilisateur APN:", "Usuario APN:", "APN Usuário :"}},
    {"apnPasswordLabel", {"Password:", "Пароль :", "Mot de passe:", "Contraseña:", "APN Senha :"}},
    {"serverFrame",
     {"Server Information", "Настройка сервера", "Information Serveur", "Información Servidor",
      "Ajustes Servidor Live Streaming"}},
    {"serverIpLabel", {"IP :", "IP :", "IP :", "IP :", "Endereço IP :"}},
    {"serverPortLabel", {"Port :", "Порт:", "Port :", "Puerto :", "Porta :"}},
    {"cameraConfigFrame",
     {"Camera Config", "Настройки  ПВР", "Config camera", "Configuración de Camara",
      "Ajustes do Menu da Câmera"}},
    {"resolutionLabel", {"Resolution:", "Разрешение:", "Resolution:", "Resolucion:", nullptr}},
    {"qualityLabel", {"Quality:", "Качество:", "Qualite:", "Calidad:", "Qualidade:"}},
    {"codingFormatLabel", {"Coding Format:", "Кодек:", "Format code:", "Codec:", nullptr}},
    {"splitTimeLabel",
     {"Split Time:", "Интервал:", "Fractionnement fichier:", "Division Tiempo:", "Split Time:"}},
    {"loopRecordLabel",
     {"Loop Record:", "Цикл. запись:", "Enreg boucle:", "Sobreescribir memoria:", "Loop Rec:"}},
    {"preRecordLabel", {"Pre-Record:", "Пред запись:", "Pre-enreg:", "Pre-Grabacion:", nullptr}},
    {"infraredLabel", {"Infrared:", "Подсветка:", "Infrarouge:", "Infrarrojo:", "InfraRed:"}},
    {"timeZoneLabel",
     {"Time Zone:", "Часовой пояс:", "Fuseau horaire:", "Zona horaria:", "Fuso Horario:"}},
    {"volumeLabel", {"Volume:", "Громкость:", "Volume:", "Volumen:", nullptr}},
    {"gpsLabel", {"GPS:", "GPS:", "GPS:", "GPS:", "Mapa GPS:"}},
    {"recWarningLabel",
     {"Rec Warning:", "Оповещения:", "Bips enreg:", "Advertencia de grabación:", nullptr}},
    {"gSensorLabel", {"G-Sensor:", "G-сенсор:", "G-Sensor:", "G-Sensor:", "G-Sensor:"}},
    {"cellular4gLabel", {"4G:", "4G:", "4G:", "4G:", "4G:"}},
    {"wifiModeLabel", {"WIFI:", "WIFI:", "WIFI:", "WIFI:", "WIFI :"}},
    {"postRecordLabel",
     {"Post Record:", "Пост.запись:", "Post-enreg:", "Post-Grabacion:", nullptr}},
    {"autoRecordLabel",
     {"Auto Record:", "Авто запись:", "Enreg AUTO:", "Auto Grabacion:", nullptr}},
    {"motionDetectLabel",
     {"Motion Detect:", "Датчик  движения:", "Detection mvt:", "Deteccion de Movimiento:",
      nullptr}},
    {"photoSizeLabel", {"Photo Size:", "Размер фото:", "Taille image:", "Tamaño Foto:", nullptr}},
    {"eisLabel", {"EIS :", "EIS :", "EIS :", "EIS :", nullptr}},
    {"aesEncryptionLabel",
     {"AES Encryption :", "Шифрование AES :", "Cryptage AES :", "AES Encryption :", nullptr}},
    {"liveStreamFrame",
     {"Live Stream", "Удаленный просмотр", "Streaming", "Transmision en Vivo",
      "Resolução LiveStreaming"}},
    {"liveResolutionLabel",
     {"Resolution:", "Разрешение:", "Resolution:", "Resolucion:", "Resolução:"}},
    {"liveCodingFormatLabel", {"Coding Format:", "Кодек:", "Format code:", "Codec:", nullptr}},
    {"videoStampLabel", {"Video Stamp:", nullptr, "Video Stamp:", "Video Stamp:", nullptr}},
    {"powerButtonLabel", {nullptr, "Kнопк питан:", nullptr, nullptr, nullptr}},
    {"recordButtonLabel", {nullptr, "Kнопк запись:", nullptr, nullptr, nullptr}},
    {"photoButtonLabel", {nullptr, "Kнопк фото:", nullptr, nullptr, "Botão Foto:"}},
    {"cardValue", {"58.65 GB", "58.65 GB", "58.65 GB", "58.65 GB", "58.65 GB"}},
    {"firmwareValue",
     {"FW_VERSION_20190808", "FW_VERSION_20190808", "FW_VERSION_20190808", "FW_VERSION_20190808",
      "FW_VERSION_20190808"}},
    {"qualityList",
     {"S.Fine|Fine|Normal", "S.Fine|Fine|Normal", "Tres fin|Fin|Normal", "S.Fine|Fine|Normal",
      "S.Fine|Fine|Normal|Low|S.Low"}},
    {"codingFormatList", {"H.264|H.265", "H.264|H.265", "H.264|H.265", "H.264|H.265", nullptr}},
    {"loopRecordList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", "Desl.|Ligado"}},
    {"preRecordList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", nullptr}},
    {"motionDetectList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", nullptr}},
    {"autoRecordList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", nullptr}},
    {"infraredList",
     {"Manual|Auto", "MANUAL|AUTO", "MANUEL|AUTO", "MANUAL|AUTO", "Desl.|Manual|Auto"}},
    {"gpsList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", "Desl.|Ligado"}},
    {"recWarningList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", nullptr}},
    {"cellular4gList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", "Desl.|Ligado"}},
    {"wifiModeList",
     {"OFF|STA ON|AP ON", "OFF|STA ON|AP ON", "OFF|STA ON|AP ON", "Apagado|STA ON|AP ON",
      "Desl.|STA|AP"}},
    {"timeZoneList", {kTimeZones, kTimeZones, kTimeZones, kTimeZones, kTimeZones}},
    {"volumeList", {"0|3|6|9|12", "0|3|6|9|12", "0|3|6|9|12", "0|3|6|9|12", nullptr}},
    {"liveResolutionList",
     {"1280X720 30P|1280X720 15P|848x480 30P|848x480 15P",
      "1280X720 30P|1280X720 15P|848x480 30P|848x480 15P",
      "1280X720 30P|1280X720 15P|848x480 30P|848x480 15P",
      "1280X720 30P|1280X720 15P|848x480 30P|848x480 15P",
      "1280x720 30p|1280x720 15p|848x480 30p|848x480 15P"}},
    {"liveCodingFormatList", {"H.264|H.265", "H.264|H.265", "H.264|H.265", "H.264|H.265", nullptr}},
    {"gSensorList",
     {"OFF|Sensitivity High|Sensitivity Middle|Sensitivity Low",
      "OFF|Sensitivity High|Sensitivity Middle|Sensitivity Low",
      "OFF|Sensibilite haute|Sensibilite mediane|sensibilite basse",
      "Apagado|Sensibilidad alta|Sensibilidad media|Sensibilidad baja", "Desl.|Ligado"}},
    {"eisList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", nullptr}},
    {"aesEncryptionList", {"OFF|ON", "OFF|ON", "OFF|ON", "Apagado|Encendido", nullptr}},
    {"videoStampList", {"OFF|ON", nullptr, "OFF|ON", "Apagado|Encendido", nullptr}},
    {"resolutionList",
     {"2688x1512 30P|2560x1440 30P|2304x1296 30P|1920x1080 60P|1920x1080 30P|1440x1080 "
      "30P|1280x720 60P|1280x720 30P|848x480 60P|848x480 30P|720x480 30P",
      "2688x1512 30P|2560x1440 30P|2304x1296 30P|1920x1080 60P|1920x1080 30P|1440x1080 "
      "30P|1280x720 60P|1280x720 30P|848x480 60P|848x480 30P|720x480 30P",
      "2688x1512 30P|2560x1440 30P|2304x1296 30P|1920x1080 60P|1920x1080 30P|1440x1080 "
      "30P|1280x720 60P|1280x720 30P|848x480 60P|848x480 30P|720x480 30P",
      "2688x1512 30P|2560x1440 30P|2304x1296 30P|1920x1080 60P|1920x1080 30P|1440x1080 "
      "30P|1280x720 60P|1280x720 30P|848x480 60P|848x480 30P|720x480 30P",
      nullptr}},
    {"postRecordList",
     {"OFF|5 Sec|1 Min|10 Mins|20 Mins|35 Mins", "OFF|5 Sec|1 Min|10 Min|20 Min|35 Min",
      "OFF|5 Sec|1 Min|10 Min|20 Min|35 Min", "Apagado|5 Sec|1 Min|10 Min|20 Min|35 Min", nullptr}},
    {"splitTimeList",
     {"1 Min|3 Mins|5 Mins|10 Mins|15 Mins|30 Mins|45 Mins",
      "1 Min|3 Min|5 Min|10 Min|15 Min|30 Min|45 Min",
      "1 Min|3 Min|5 Min|10 Min|15 Min|30 Min|45 Min",
      "1 Min|3 Min|5 Min|10 Min|15 Min|30 Min|45 Min",
      "1 Min|3 Min|5 Min|10 Min|15 Min|30 Min|45 Min"}},
    {"photoSizeList",
     {"5M|8M|10M|12M|16M|20M|21M|23M|25M|28M|30M|32M|36M|40M|50M|64M",
      "5M|8M|10M|12M|16M|20M|21M|23M|25M|28M|30M|32M|36M|40M|50M|64M",
      "5M|8M|10M|12M|16M|20M|21M|23M|25M|28M|30M|32M|36M|40M|50M|64M",
      "5M|8M|10M|12M|16M|20M|21M|23M|25M|28M|30M|32M|36M|40M|50M|64M", nullptr}},
    {"modeList", {"AP|STA", nullptr, "AP|STA", "AP|STA", "AP|STA"}},
    {"powerButtonList", {nullptr, "Выкл|Bкл", nullptr, nullptr, nullptr}},
    {"recordButtonList", {nullptr, "Выкл|Bкл", nullptr, nullptr, nullptr}},
    {"photoButtonList", {nullptr, "Выкл|Bкл", nullptr, nullptr, "Desl.|Ligado"}},
    {"frontCameraResolutionLabel", {nullptr, nullptr, nullptr, nullptr, "Frontal Camera Res:"}},
    {"frontCameraResolutionList",
     {nullptr, nullptr, nullptr, nullptr,
      "2688x1512|2560x1440|2304x1296|1920x1080|1280x720|864x480"}},
    {"frontCameraFrameRateLabel", {nullptr, nullptr, nullptr, nullptr, "Frontal Camera Frame:"}},
    {"frontCameraFrameRateList", {nullptr, nullptr, nullptr, nullptr, "30 FPS|15 FPS"}},
    {"externalCameraResolutionLabel", {nullptr, nullptr, nullptr, nullptr, "Camera Externa Res:"}},
    {"externalCameraResolutionList", {nullptr, nullptr, nullptr, nullptr, "720p|480p"}},
    {"videoCodecLabel", {nullptr, nullptr, nullptr, nullptr, "Codificação de Vídeo:"}},
    {"videoCodecList", {nullptr, nullptr, nullptr, nullptr, "H.264|H.265"}},
    {"recordingNoticeKindLabel", {nullptr, nullptr, nullptr, nullptr, "Tipo de Aviso Grav:"}},
    {"recordingNoticeKindList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Audio|Chime|Vibração"}},
    {"recordingNoticeIntervalLabel", {nullptr, nullptr, nullptr, nullptr, "Tempo de Aviso Grav:"}},
    {"recordingNoticeIntervalList",
     {nullptr, nullptr, nullptr, nullptr, "1 min|2 min|5 min|10 min"}},
    {"vehicleModeLabel", {nullptr, nullptr, nullptr, nullptr, "Modo Viatura:"}},
    {"vehicleModeList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"stabiliserLabel", {nullptr, nullptr, nullptr, nullptr, "Estabilizador:"}},
    {"stabiliserList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"recordingNoticeLabel", {nullptr, nullptr, nullptr, nullptr, "Aviso Grav:"}},
    {"recordingNoticeList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"encryptedLabel", {nullptr, nullptr, nullptr, nullptr, "Encriptado:"}},
    {"encryptedList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"muteAudioLabel", {nullptr, nullptr, nullptr, nullptr, "Sem Audio:"}},
    {"muteAudioList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"storageEncryptionLabel", {nullptr, nullptr, nullptr, nullptr, "Codificação:"}},
    {"storageEncryptionList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"speedLabel", {nullptr, nullptr, nullptr, nullptr, "Velocidade:"}},
    {"speedList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"recordingCameraLabel", {nullptr, nullptr, nullptr, nullptr, "Gravar:"}},
    {"recordingCameraList", {nullptr, nullptr, nullptr, nullptr, "Frontal|Externa|Ambas"}},
    {"audioButtonLabel", {nullptr, nullptr, nullptr, nullptr, "Botão Audio:"}},
    {"audioButtonList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"functionButtonLabel", {nullptr, nullptr, nullptr, nullptr, "Botão Fn :"}},
    {"functionButtonList", {nullptr, nullptr, nullptr, nullptr, "Desl.|Ligado"}},
    {"liveCodecLabel", {nullptr, nullptr, nullptr, nullptr, "Codec:"}},
    {"liveCodecList", {nullptr, nullptr, nullptr, nullptr, "H.264|H.265"}},
};

// The text a control shows: a frame's title, a label's or button's text, a list's entries.
std::string shownText(const QWidget* widget) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title().toStdString();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().toStdString();
    }
    QStringList entries;
    const auto* list = qobject_cast<const QComboBox*>(widget);
    for (int index = 0; index < list->count(); ++index) {
        entries << list->itemText(index);
    }
    return entries.join('|').toStdString();
}

class SettingsTextsTest : public testing::TestWithParam<int> {};

TEST_P(SettingsTextsTest, AreByteExactAndNoneIsLeftOut) {
    const int edition = GetParam();
    testing_support::SettingsFixture fixture;
    fixture.useModelOf(edition);
    // Every capability on offer, and the status reads failing so that their layout texts stay.
    fixture.changeCamera([](k47::CameraState& state) {
        if (state.model == k47::Model::common) {
            for (const std::size_t mask : {21, 22, 23, 24, 25, 26}) {
                state.menuRecord[mask] = 0xFF;
            }
        }
        state.faults.failing = {k47::Function::Qumat_GetFwVersion, k47::Function::Qumat_GetTFVol};
    });
    const auto& window = fixture.open(edition);

    std::set<QString> checked;
    for (const auto& [name, byEdition] : kTexts) {
        const auto* widget = window.findChild<QWidget*>(name);
        const char* expected = byEdition[static_cast<std::size_t>(edition)];
        if (expected == nullptr) {
            EXPECT_EQ(widget, nullptr) << name;
            continue;
        }
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(shownText(widget), expected) << name;
        checked.insert(name);
    }
    // A screen reader names every field and list by its label.
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            EXPECT_EQ(label->buddy()->accessibleName(), label->text())
                << label->objectName().toStdString();
        }
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const bool needsName =
            qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget);
        EXPECT_TRUE(!needsName || !widget->accessibleName().isEmpty())
            << widget->objectName().toStdString();
        const bool hasText =
            qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget) ||
            qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget);
        if (hasText && !widget->objectName().isEmpty()) {
            EXPECT_TRUE(checked.contains(widget->objectName()))
                << widget->objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, SettingsTextsTest, testing::Range(0, 5));

}  // namespace
