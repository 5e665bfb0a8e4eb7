#include "edition_records.h"

namespace editions {

namespace {

const Language& spanishLanguage() {
    using T = SettingsText;
    static const Language kLanguage{
        .name = "Spanish",
        .bannerResource = ":/banners/spanish.bmp",
        .hidesApnPasswordLabel = true,
        .login =
            {
                .caption = "Atención !",
                .connectFail = "Conexión Fallida",
                .connectDeviceFirst = "Conecte el dispositivo primero",
                .wrongPasswordLength = "Contraseña Incorrecta",
                .loginSuccessful = "Inicio de Sesión Correcto",
                .wrongPassword = "Contraseña Incorrecta",
                .userTypeLabel = "Usuario :",
                .passwordLabel = "Contraseña :",
                .connectButton = "Conectar",
                .connectedButton = "Conectado",
                .loginButton = "Acceso",
                .userTypes = {"Administrador", "Usuario"},
                .languageLabel = "Configuración de idioma:",
                .languages = {"inglés", "ruso", "francés", "español"},
            },
        .layoutTexts =
            {
                {T::identityFrame, "ID información"},
                {T::deviceIdLabel, "ID Dispositivo:"},
                {T::officerIdLabel, "ID Oficial :"},
                {T::get, "Obtener"},
                {T::set, "Cambiar"},
                {T::passwordFrame, "Contraseña"},
                {T::oldPasswordLabel, "Anterior Contraseña :"},
                {T::newPasswordLabel, "Nueva Contraseña :"},
                {T::modify, "Modificar"},
                {T::cameraFrame, "Camara"},
                {T::cardLabel, "TF :"},
                {T::firmwareLabel, "Version Firmware:"},
                {T::serialNumberLabel, "SN:"},
                {T::serialNumberSet, "Cambiar"},
                {T::serialNumberGet, "Obtener"},
                {T::setDefault, "Predeterminado"},
                {T::setTime, "Fijar tiempo"},
                {T::enterUDisk, "Disk USB"},
                {T::networkFrame, "Red"},
                {T::modeLabel, "Mode:"},
                {T::wifiFrame, "Información WIFI"},
                {T::ssidLabel, "SSID:"},
                {T::wifiPasswordLabel, "Contraseña:"},
                {T::cellularFrame, "4G Información"},
                {T::apnLabel, "APN Addr:"},
                {T::pinLabel, "4G PIN:"},
                {T::apnUserLabel, "Usuario APN:"},
                {T::apnPasswordLabel, "Contraseña:"},
                {T::serverFrame, "Información Servidor"},
                {T::serverIpLabel, "IP :"},
                {T::serverPortLabel, "Puerto :"},
                {T::cameraConfigFrame, "Configuración de Camara"},
                {T::resolutionLabel, "Resolucion:"},
                {T::qualityLabel, "Calidad:"},
                {T::codingFormatLabel, "Codec:"},
                {T::splitTimeLabel, "Division Tiempo:"},
                {T::loopRecordLabel, "Sobreescribir memoria:"},
                {T::preRecordLabel, "Pre-Grabacion:"},
                {T::infraredLabel, "Infrarrojo:"},
                {T::timeZoneLabel, "Zona horaria:"},
                {T::volumeLabel, "Volumen:"},
                {T::gpsLabel, "GPS:"},
                {T::recWarningLabel, "Advertencia de grabación:"},
                {T::gSensorLabel, "G-Sensor:"},
                {T::cellularLabel, "4G:"},
                {T::wifiLabel, "WIFI:"},
                {T::postRecordLabel, "Post-Grabacion:"},
                {T::autoRecordLabel, "Auto Grabacion:"},
                {T::motionDetectLabel, "Deteccion de Movimiento:"},
                {T::photoSizeLabel, "Tamaño Foto:"},
                {T::eisLabel, "EIS :"},
                {T::aesEncryptionLabel, "AES Encryption :"},
                {T::liveStreamFrame, "Transmision en Vivo"},
                {T::liveResolutionLabel, "Resolucion:"},
                {T::liveCodingFormatLabel, "Codec:"},
                {T::videoStampLabel, "Video Stamp:"},
            },
        .settings =
            {
                .caption = "Atención !",
                .success = "Con éxito",
                .failure = "Fallida",
                .idLengthWrong = "ID Length Wrong",
                .encryptionQuestion = "Cambiar la opción AES hará que la cámara pierda todos los "
                                      "datos. Confirmar para cambiar?",
            },
        .recordingLists =
            {
                .capabilities = {.postRecord = {"Apagado", "5 Sec", "1 Min", "10 Min", "20 Min",
                                                "35 Min"},
                                 .splitTime = kSplitTimeInMinutes},
                .offOn = {"Apagado", "Encendido"},
                .infrared = {"MANUAL", "AUTO"},
                .wifi = {"Apagado", "STA ON", "AP ON"},
                .gSensor = {"Apagado", "Sensibilidad alta", "Sensibilidad media",
                            "Sensibilidad baja"},
            },
    };
    return kLanguage;
}

}  // namespace

Edition spanishEdition() {
    return {
        .index = kSpanish,
        .loginWindowClass = "login_span",
        .loginLayout = 151,
        .settingsWindowClass = "Qumat_main_en_span",
        .settingsLayout = 150,
        .language = spanishLanguage(),
        .model = camera::commonModel(),
    };
}

}  // namespace editions
