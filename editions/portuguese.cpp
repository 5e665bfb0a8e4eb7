#include "edition_records.h"

namespace editions {

Edition portugueseEdition() {
    return {
        .index = kPortuguese,
        .language = "Portuguese",
        .loginWindowClass = "login_stc",
        .loginLayout = 153,
        .settingsWindowClass = "Qumat_main_en_stc",
        .settingsLayout = 154,
        .title = "KORVATEN 4.0",
        .loginSize = {383, 205},
        .bannerResource = ":/banners/portuguese.bmp",
        .hasLanguageList = false,
        .keepsUserType = true,
        .exchangesLongMenuRecord = true,
        .readsSerialNumber = false,
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
    };
}

}  // namespace editions
