#include "edition_records.h"

namespace editions {

namespace {

const Language& portugueseLanguage() {
    using T = SettingsText;
    static const Language kLanguage{
        .name = "Portuguese",
        .loginSize = {383, 205},
        .bannerResource = ":/banners/portuguese.bmp",
        .hasLanguageList = false,
        .keepsUserType = true,
        .ownsVideoStampList = false,
        .login =
            {
                .caption = "Atenção !",
                .connectFail = "Sem Conexão ",
                .connectDeviceFirst = "Conecte já o dispositivo",
                .wrongPasswordLength = "Senha incorreta",
                .loginSuccessful = "Acesso permitido",
                .wrongPassword = "Senha incorreta",
                .userTypeLabel = "Perfil de Acesso :",
                .passwordLabel = "Senha :",
                .connectButton = "Conectar",
                .connectedButton = "Conectado",
                .loginButton = "Acesso",
                .userTypes = {"Administrador", "Usuario"},
                // No language row: this edition is reached only through the language file.
                .languageLabel = {},
                .languages = {},
            },
        .layoutTexts =
            {
                {T::identityFrame, "Identificação"},
                {T::deviceIdLabel, "Placa / Serial :"},
                {T::officerIdLabel, "Equipe / RE :"},
                {T::get, "Consultar"},
                {T::set, "Gravar"},
                {T::passwordFrame, "Senha"},
                {T::oldPasswordLabel, "Senha atual :"},
                {T::newPasswordLabel, "Nova senha :"},
                {T::modify, "Gravar"},
                {T::cameraFrame, "Câmera"},
                {T::cardLabel, "Armazenamento :"},
                {T::firmwareLabel, "Versão do FW:"},
                {T::serialNumberLabel, "SN:"},
                {T::serialNumberSet, "Cambiar"},
                {T::serialNumberGet, "Obtener"},
                {T::setDefault, "Configurações padrão"},
                {T::setTime, "Acerte o horário"},
                {T::enterUDisk, "Acesse os arquivos"},
                {T::networkFrame, "Redes"},
                {T::modeLabel, "Mode:"},
                {T::wifiFrame, "Ajustes Wifi"},
                {T::ssidLabel, "SSID:"},
                {T::wifiPasswordLabel, "Senha :"},
                {T::cellularFrame, "Ajustes Rede Celular"},
                {T::apnLabel, "APN Addr:"},
                {T::pinLabel, "4G PIN:"},
                {T::apnUserLabel, "APN Usuário :"},
                {T::apnPasswordLabel, "APN Senha :"},
                {T::serverFrame, "Ajustes Servidor Live Streaming"},
                {T::serverIpLabel, "Endereço IP :"},
                {T::serverPortLabel, "Porta :"},
                {T::cameraConfigFrame, "Ajustes do Menu da Câmera"},
                {T::liveStreamFrame, "Resolução LiveStreaming"},
            },
        .settings =
            {
                .caption = "Atenção !",
                .success = "OK",
                .failure = "incorreta",
                .idLengthWrong = "ID incorreta",
                .encryptionQuestion =
                    "Mudar a codificação causará a perda de todos os dados. Confirma a mudança?",
            },
    };
    return kLanguage;
}

}  // namespace

Edition portugueseEdition() {
    return {
        .index = kPortuguese,
        .loginWindowClass = "login_stc",
        .loginLayout = 153,
        .settingsWindowClass = "Qumat_main_en_stc",
        .settingsLayout = 154,
        .title = "KORVATEN 4.0",
        .language = portugueseLanguage(),
        .model = camera::stcModel(),
    };
}

}  // namespace editions
