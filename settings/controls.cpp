#include "controls.h"

#include <stdexcept>

namespace settings {

void Controls::disableFor(int deviceKind) const {
    if (deviceKind <= 0) {
        return;
    }
    const unsigned kind = 1u << (deviceKind - 1);
    for (const auto& [widget, kinds] : restricted_) {
        if ((kinds & kind) != 0) {
            widget->setEnabled(false);
        }
    }
}

QWidget* Controls::setting(const camera::CatalogueRow& row) const {
    const auto found = bySetting_.find(&row);
    return found == bySetting_.end() ? nullptr : found->second;
}

void Controls::missing() {
    throw std::logic_error("the settings layout has no such control");
}

}  // namespace settings
