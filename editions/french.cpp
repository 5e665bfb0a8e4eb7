#include "edition_records.h"

namespace editions {

namespace {

const Language& frenchLanguage() {
    using T = SettingsText;
    static const Language kLanguage{
        .name = "French",
        .bannerResource = ":/banners/french.bmp",
        .login =
            {
                .caption = "Attention !",
                .connectFail = "Echec connexion",
                .connectDeviceFirst = "Connecter camera",
                .wrongPasswordLength = "Mauvais MDP",
                .loginSuccessful = "Identification reussie",
                .wrongPassword = "Mauvais MDP",
                .userTypeLabel = "Utilisateur :",
                .passwordLabel = "Mot de passe :",
                .connectButton = "Connecter",
                .connectedButton = "Connecté",
                .loginButton = "Valider",
                .userTypes = {"Administrateur", "Utilisateur"},
                .languageLabel = "Reglage Langage :",
                .languages = {"anglais", "russe", "français", "espagnol"},
            },
        .layoutTexts =
            {
                {T::identityFrame, "ID information"},
                {T::deviceIdLabel, "ID Camera:"},
                {T::officerIdLabel, "ID Officier:"},
                {T::get, "Obtenir"},
                {T::set, "Regler"},
                {T::passwordFrame, "Mot de passe"},
                {T::oldPasswordLabel, "Ancien MDP :"},
                {T::newPasswordLabel, "Nouveau MDP:"},
                {T::modify, "Modifier"},
                {T::cameraFrame, "Camera"},
                {T::cardLabel, "TF :"},
                {T::firmwareLabel, "Version FW:"},
                {T::serialNumberLabel, "SN:"},
                {T::serialNumberSet, "Regler"},
                {T::serialNumberGet, "Obtenir"},
                {T::setDefault, "Reglages par défaut"},
                {T::setTime, "Reglages Heure"},
                {T::enterUDisk, "Creer disque amovible"},
                {T::networkFrame, "Reseau"},
                {T::modeLabel, "Mode:"},
                {T::wifiFrame, "WIFI information"},
                {T::ssidLabel, "SSID:"},
                {T::wifiPasswordLabel, "Mot de passe:"},
                {T::cellularFrame, "4G information"},
                {T::apnLabel, "APN Addr:"},
                {T::pinLabel, "4G PIN:"},
                {T::apnUserLabel, "Utilisateur APN:"},
                {T::apnPasswordLabel, "Mot de passe:"},
                {T::serverFrame, "Information Serveur"},
                {T::serverIpLabel, "IP :"},
                {T::serverPortLabel, "Port :"},
                {T::cameraConfigFrame, "Config camera"},
                {T::resolutionLabel, "Resolution:"},
                {T::qualityLabel, "Qualite:"},
                {T::codingFormatLabel, "Format code:"},
                {T::splitTimeLabel, "Fractionnement fichier:"},
                {T::loopRecordLabel, "Enreg boucle:"},
                {T::preRecordLabel, "Pre-enreg:"},
                {T::infraredLabel, "Infrarouge:"},
                {T::timeZoneLabel, "Fuseau horaire:"},
                {T::volumeLabel, "Volume:"},
                {T::gpsLabel, "GPS:"},
                {T::recWarningLabel, "Bips enreg:"},
                {T::gSensorLabel, "G-Sensor:"},
                {T::cellularLabel, "4G:"},
                {T::wifiLabel, "WIFI:"},
                {T::postRecordLabel, "Post-enreg:"},
                {T::autoRecordLabel, "Enreg AUTO:"},
                {T::motionDetectLabel, "Detection mvt:"},
                {T::photoSizeLabel, "Taille image:"},
                {T::eisLabel, "EIS :"},
                {T::aesEncryptionLabel, "Cryptage AES :"},
                {T::liveStreamFrame, "Streaming"},
                {T::liveResolutionLabel, "Resolution:"},
                {T::liveCodingFormatLabel, "Format code:"},
                {T::videoStampLabel, "Video Stamp:"},
            },
        .settings =
            {
                .caption = "Attention !",
                .success = "reussie",
                .failure = "Echec",
                .idLengthWrong = "ID Length Wrong",
                .encryptionQuestion = "Modif AES fera perdre les donnees?",
            },
        .recordingLists =
            {
                .capabilities = {.postRecord = kPostRecordInMinutes,
                                 .splitTime = kSplitTimeInMinutes},
                .quality = {"Tres fin", "Fin", "Normal"},
                .infrared = {"MANUEL", "AUTO"},
                .gSensor = {"OFF", "Sensibilite haute", "Sensibilite mediane", "sensibilite basse"},
            },
    };
    return kLanguage;
}

}  // namespace

Edition frenchEdition() {
    return {
        .index = kFrench,
        .loginWindowClass = "login_fran",
        .loginLayout = 148,
        .settingsWindowClass = "Qumat_main_en_fran",
        .settingsLayout = 149,
        .language = frenchLanguage(),
        .model = camera::commonModel(),
    };
}

}  // namespace editions
