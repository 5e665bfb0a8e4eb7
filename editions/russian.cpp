#include "edition_records.h"

namespace editions {

namespace {

const Language& russianLanguage() {
    using T = SettingsText;
    static const Language kLanguage{
        .name = "Russian",
        .bannerResource = ":/banners/russian.bmp",
        .ownsVideoStampList = false,
        .ownsButtonLists = true,
        .networkGetSelectsWifi = true,
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
                .languageLabel = "Выбор языка :",
                .languages = {"английский", " Русский", " Франция", " испанский язык"},
            },
        .layoutTexts =
            {
                {T::identityFrame, "ID информация"},
                {T::deviceIdLabel, "ID устройства:"},
                {T::officerIdLabel, "ID сотрудника:"},
                {T::get, "Получить"},
                {T::set, "Сохранить"},
                {T::passwordFrame, "Пароль"},
                {T::oldPasswordLabel, "Текущий пароль:"},
                {T::newPasswordLabel, "Новый пароль:"},
                {T::modify, "Сохранить"},
                {T::cameraFrame, "ПВР"},
                {T::cardLabel, "Объем карты :"},
                {T::firmwareLabel, "Версия ПО:"},
                {T::serialNumberLabel, "SN:"},
                {T::serialNumberSet, "Сохранить"},
                {T::serialNumberGet, "Получить"},
                {T::setDefault, "По умолчанию"},
                {T::setTime, "Дата/время"},
                {T::enterUDisk, "USB Диск"},
                {T::networkFrame, "Сеть"},
                {T::wifiFrame, "Настройка Wi-Fi"},
                {T::ssidLabel, "SSID:"},
                {T::wifiPasswordLabel, "Пароль :"},
                {T::cellularFrame, "4G инфо"},
                {T::apnLabel, "Точка доступа (APN):"},
                {T::pinLabel, "4G PIN:"},
                {T::apnUserLabel, "Имя пользователя:"},
                {T::apnPasswordLabel, "Пароль :"},
                {T::serverFrame, "Настройка сервера"},
                {T::serverIpLabel, "IP :"},
                {T::serverPortLabel, "Порт:"},
                {T::cameraConfigFrame, "Настройки  ПВР"},
                {T::resolutionLabel, "Разрешение:"},
                {T::qualityLabel, "Качество:"},
                {T::codingFormatLabel, "Кодек:"},
                {T::splitTimeLabel, "Интервал:"},
                {T::loopRecordLabel, "Цикл. запись:"},
                {T::preRecordLabel, "Пред запись:"},
                {T::infraredLabel, "Подсветка:"},
                {T::timeZoneLabel, "Часовой пояс:"},
                {T::volumeLabel, "Громкость:"},
                {T::gpsLabel, "GPS:"},
                {T::recWarningLabel, "Оповещения:"},
                {T::gSensorLabel, "G-сенсор:"},
                {T::cellularLabel, "4G:"},
                {T::wifiLabel, "WIFI:"},
                {T::postRecordLabel, "Пост.запись:"},
                {T::autoRecordLabel, "Авто запись:"},
                {T::motionDetectLabel, "Датчик  движения:"},
                {T::photoSizeLabel, "Размер фото:"},
                {T::eisLabel, "EIS :"},
                {T::aesEncryptionLabel, "Шифрование AES :"},
                {T::liveStreamFrame, "Удаленный просмотр"},
                {T::liveResolutionLabel, "Разрешение:"},
                {T::liveCodingFormatLabel, "Кодек:"},
                {T::powerButtonLabel, "Kнопк питан:"},
                {T::recordButtonLabel, "Kнопк запись:"},
                {T::photoButtonLabel, "Kнопк фото:"},
            },
        .settings =
            {
                .caption = "Внимание",
                .success = "Успешно",
                .failure = "неудача",
                .idLengthWrong = "ID длина ошибиться",
                .encryptionQuestion =
                    "Изменение AES приведет к потере всех  данных.Подтвердите изменение?",
            },
        .recordingLists =
            {
                .capabilities = {.postRecord = kPostRecordInMinutes,
                                 .splitTime = kSplitTimeInMinutes},
                .infrared = {"MANUAL", "AUTO"},
                .buttons = {"Выкл", "Bкл"},
            },
    };
    return kLanguage;
}

}  // namespace

Edition russianEdition() {
    return {
        .index = kRussian,
        .loginWindowClass = "CqumatproDlg_Rus",
        .loginLayout = 147,
        .settingsWindowClass = "Qumat_main_en_rus",
        .settingsLayout = 146,
        .language = russianLanguage(),
        .model = camera::commonModel(),
    };
}

}  // namespace editions
