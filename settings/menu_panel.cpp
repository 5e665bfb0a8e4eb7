#include "menu_panel.h"

namespace settings {

bool MenuPanel::confirmEncryptionChange() {
    return ask(edition_.language.settings.encryptionQuestion);
}

void MenuPanel::reportWrite(bool succeeded) {
    report(succeeded);
}

void MenuPanel::showEncryption(int position) {
    encryptionList()->setCurrentIndex(position);
}

}  // namespace settings
