#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "settings_layout.h"

namespace settings {

// A window's controls as the layout makes them, reached by the setting, window field or button
// they stand for. A lookup the layout did not make throws, so a window that misses a control fails
// when it is built, not when a button is clicked.
class Controls {
  public:
    void addSetting(const camera::CatalogueRow& row, QWidget* control) {
        bySetting_[&row] = control;
    }
    void addWindowField(editions::WindowField field, QWidget* control) {
        byWindowField_[static_cast<std::size_t>(field)] = control;
    }
    void addButton(editions::Button role, QPushButton* button) {
        buttons_[static_cast<std::size_t>(role)] = button;
    }
    // A control the device kinds take away.
    void addRestricted(QWidget* widget, unsigned disabledByKinds) {
        if (disabledByKinds != 0) {
            restricted_.emplace_back(widget, disabledByKinds);
        }
    }

    QLineEdit& edit(const camera::CatalogueRow& row) const { return as<QLineEdit>(setting(row)); }
    QComboBox& list(const camera::CatalogueRow& row) const { return as<QComboBox>(setting(row)); }
    QLabel& value(const camera::CatalogueRow& row) const { return as<QLabel>(setting(row)); }
    QLineEdit& edit(editions::WindowField field) const {
        return as<QLineEdit>(byWindowField_[static_cast<std::size_t>(field)]);
    }
    // Null for a hidden list the edition does not have.
    QComboBox* list(editions::WindowField field) const {
        return qobject_cast<QComboBox*>(byWindowField_[static_cast<std::size_t>(field)]);
    }
    QPushButton& button(editions::Button role) const {
        return as<QPushButton>(buttons_[static_cast<std::size_t>(role)]);
    }

    // Disables what a camera of this device kind (0, 1 or 2) cannot use.
    void disableFor(int deviceKind) const;

  private:
    QWidget* setting(const camera::CatalogueRow& row) const;

    template <typename Widget>
    static Widget& as(QWidget* widget) {
        auto* control = qobject_cast<Widget*>(widget);
        if (control == nullptr) {
            missing();
        }
        return *control;
    }
    [[noreturn]] static void missing();

    std::unordered_map<const camera::CatalogueRow*, QWidget*> bySetting_;
    std::array<QWidget*, editions::kWindowFieldCount> byWindowField_{};
    std::array<QWidget*, editions::kButtonCount> buttons_{};
    std::vector<std::pair<QWidget*, unsigned>> restricted_;
};

}  // namespace settings
