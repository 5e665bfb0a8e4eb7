#pragma once

#include "menu_write_driver.h"

namespace cli {

// Answers the storage-encryption question with --format-card, which the command has already
// required for such a change, and keeps what the menu write reported.
class CardFormatAnswer final : public camera::MenuWriteDriver {
  public:
    explicit CardFormatAnswer(bool formatCard) : formatCard_(formatCard) {}

    bool confirmEncryptionChange() override {
        asked_ = true;
        return formatCard_;
    }
    void reportWrite(bool succeeded) override { written_ = succeeded; }
    // Nothing shows the list; a later show reads the option back from the camera.
    void showEncryption(int) override {}

    bool written() const { return written_; }
    bool cardFormatted() const { return asked_ && formatCard_; }

  private:
    bool formatCard_;
    bool asked_ = false;
    bool written_ = false;
};

}  // namespace cli
