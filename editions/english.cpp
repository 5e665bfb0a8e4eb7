#include "edition_records.h"

namespace editions {

Edition englishEdition() {
    return {
        .index = kEnglish,
        .language = "English",
        .loginWindowClass = "CqumatproDlg",
        .loginLayout = 141,
        .settingsWindowClass = "Qumat_main_en",
        .settingsLayout = 143,
        .loginSize = {383, 205},
        .bannerResource = ":/banners/english.bmp",
        .relabelsConnectFailBox = false,
        .login =
            {
                .caption = "Attention!",
                .connectFail = "Connect Fail",
                .connectDeviceFirst = "Connect Device First",
                .wrongPasswordLength = "Wrong password number",
                .loginSuccessful = "Login Successfully",
                .wrongPassword = "Wrong password ",
                .userTypeLabel = "User Type :",
                .passwordLabel = "Password :",
                .connectButton = "Connect",
                .connectedButton = "Connected",
                .loginButton = "Login",
                .userTypes = {"Administrator", "User"},
                .languageLabel = "Language :",
                .languages = {"English", "Russian", "French", "Spanish"},
            },
    };
}

}  // namespace editions
