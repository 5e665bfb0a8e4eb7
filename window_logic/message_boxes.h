#pragma once

#include <string_view>

namespace window_logic {

enum class MessageBoxStyle { WarningOk = 48, WarningYesNo = 52 };

enum class MessageBoxButton { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// Every outcome reaches the user through one modal box with a warning icon and no owner window.
// Texts are UTF-8.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;

    virtual MessageBoxButton show(std::string_view text, std::string_view caption,
                                  MessageBoxStyle style) = 0;

    // The next box shown gets the captions "YES", "NO", "ОК" (Cyrillic) and "CANCEL" on the
    // buttons it has; later boxes show the standard captions again.
    virtual void relabelNextBox() = 0;
};

}  // namespace window_logic
