#include "edition_records.h"

namespace editions {

Edition russianEdition() {
    return {
        .index = kRussian,
        .language = "Russian",
        .loginWindowClass = "CqumatproDlg_Rus",
        .loginLayout = 147,
        .settingsWindowClass = "Qumat_main_en_rus",
        .settingsLayout = 146,
        .bannerResource = ":/banners/russian.bmp",
        .login =
            {
                .caption = "Внимание!",
                .connectFail = "Ошибка подключения",
                .connectDeviceFirst = "Подключите устройство",
                .wrongPasswordLength = "Ошибка пароля",
                .loginSuccessful = "Успешно",
                .wrongPassword = "Ошибка пароля ",
                .userTypeLabel = "Тип пользователя:",
                .passwordLabel = "Пароль :",
                .connectButton = "Подключение",
                .connectedButton = "Подключено",
                .loginButton = "Логин",
                .userTypes = {"Администратор", "Сотрудник"},
                .languageLabel = "Выбор языка :",
                .languages = {"английский", " Русский", " Франция", " испанский язык"},
            },
    };
}

}  // namespace editions
