#pragma once

#include <array>
#include <string_view>

#include "catalogue.h"
#include "settings_texts.h"

namespace editions {

// A window size in dialog units.
struct DialogSize {
    int width;
    int height;
};

// Pixels per four dialog units across and per eight down: the average width of the Latin letters
// and the height of the font a window draws with, so that a window grows with its font.
struct DialogBaseUnits {
    int horizontal;
    int vertical;

    // From the width of the 52 letters "A" to "Z" and "a" to "z" written out, rounded to whole
    // pixels as the desktop platform's dialogs do.
    static constexpr DialogBaseUnits ofFont(int lettersWidth, int height) {
        return {(lettersWidth / 26 + 1) / 2, height};
    }
};

// The 8-point dialog font at 96 dpi, for which the window sizes were drawn: 1.5 pixels across
// and 1.625 down per dialog unit.
inline constexpr DialogBaseUnits kEightPointDialogFont{6, 13};

// Rounded to the nearest pixel.
constexpr int horizontalPixels(int dialogUnits, DialogBaseUnits base = kEightPointDialogFont) {
    return (dialogUnits * base.horizontal + 2) / 4;
}
constexpr int verticalPixels(int dialogUnits, DialogBaseUnits base = kEightPointDialogFont) {
    return (dialogUnits * base.vertical + 4) / 8;
}

// The dialog units that hold `pixels`, rounded up.
constexpr int unitsAcross(int pixels, DialogBaseUnits base = kEightPointDialogFont) {
    return (pixels * 4 + base.horizontal - 1) / base.horizontal;
}
constexpr int unitsDown(int pixels, DialogBaseUnits base = kEightPointDialogFont) {
    return (pixels * 8 + base.vertical - 1) / base.vertical;
}

// The texts of the login window and of its message boxes.
struct LoginTexts {
    std::string_view caption;
    std::string_view connectFail;
    std::string_view connectDeviceFirst;
    std::string_view wrongPasswordLength;
    std::string_view loginSuccessful;
    std::string_view wrongPassword;
    std::string_view userTypeLabel;
    std::string_view passwordLabel;
    std::string_view connectButton;
    std::string_view connectedButton;
    std::string_view loginButton;
    std::array<std::string_view, 2> userTypes;
    std::string_view languageLabel;
    std::array<std::string_view, 4> languages;
};

// Shown in English by every edition.
inline constexpr std::string_view kProtocolNotRight = "Protocol Not Right!";

// The entry a login window appends to its system menu, where the window system has one.
inline constexpr std::string_view kAboutMenuItem = "关于 qumat_pro(&A)...";

// One language of the windows: every text, the sizes its texts need, and the few places its
// windows differ from the other languages' windows. Code asks these switches, never an index.
struct Language {
    std::string_view name;
    DialogSize loginSize{383, 203};
    DialogSize settingsSize{712, 321};
    // The login window's banner, a Qt resource path.
    std::string_view bannerResource;

    bool relabelsConnectFailBox = true;
    bool hasLanguageList = true;
    // The password calls pass the user type chosen at login, not the administrator's.
    bool keepsUserType = false;
    // A common-model settings window's hidden lists: the video stamp, or the three button lists.
    bool ownsVideoStampList = true;
    bool ownsButtonLists = false;
    // Network Get also selects the WIFI list's entry from the network record.
    bool networkGetSelectsWifi = false;
    // The APN password's label starts hidden while its field shows.
    bool hidesApnPasswordLabel = false;

    LoginTexts login;
    SettingsTexts layoutTexts{};
    SettingsMessages settings{};
    RecordingListTexts recordingLists{};
};

// An edition: a language paired with the camera model its windows serve, under the window names
// and title the edition goes by.
struct Edition {
    int index;
    std::string_view loginWindowClass;
    int loginLayout;
    std::string_view settingsWindowClass;
    int settingsLayout;
    std::string_view title = "Corvane 4.1";
    const Language& language;
    const camera::CameraModel& model;
};

inline constexpr int kEnglish = 0;
inline constexpr int kRussian = 1;
inline constexpr int kFrench = 2;
inline constexpr int kSpanish = 3;
inline constexpr int kPortuguese = 4;
inline constexpr std::size_t kEditionCount = 5;

const std::array<Edition, kEditionCount>& allEditions();

// The edition with that index; the index must be 0 to 4.
const Edition& edition(int index);

}  // namespace editions
