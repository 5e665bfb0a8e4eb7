#include "edition_records.h"

namespace editions {

Edition frenchEdition() {
    return {
        .index = kFrench,
        .language = "French",
        .loginWindowClass = "login_fran",
        .loginLayout = 148,
        .settingsWindowClass = "Qumat_main_en_fran",
        .settingsLayout = 149,
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
    };
}

}  // namespace editions
