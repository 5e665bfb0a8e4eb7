#include "edition_records.h"

namespace editions {

Edition spanishEdition() {
    return {
        .index = kSpanish,
        .language = "Spanish",
        .loginWindowClass = "login_span",
        .loginLayout = 151,
        .settingsWindowClass = "Qumat_main_en_span",
        .settingsLayout = 150,
        .bannerResource = ":/banners/spanish.bmp",
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
    };
}

}  // namespace editions
