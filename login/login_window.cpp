#include "login_window.h"

#include <QComboBox>
#include <QPixmap>
#include <QPushButton>
#include <QtMath>

#include "dialog_widgets.h"
#include "ui_text.h"

namespace login {

using window_logic::LoginControl;

LoginWindow::LoginWindow(const editions::Edition& edition, ui::Context& context, QWidget* parent)
    : QDialog(parent), controls_(*this) {
    setObjectName(ui::uiText(edition.loginWindowClass));
    setWindowTitle(ui::uiText(edition.title));
    const auto measures = context.fontMeasures.of(*this);
    const QString picture = ui::uiText(edition.language.bannerResource);
    // A screen of higher density shows the banner drawn at twice its size (NAME@2x.png beside
    // it), which Qt reads as two pixels to the unit.
    QPixmap banner;
    if (devicePixelRatioF() <= 1 || !banner.load(QString(picture).replace(".bmp", "@2x.png"))) {
        banner.load(picture);
    }
    // A small font makes a window narrower than the picture, which then shrinks to the window.
    if (const int width =
            editions::horizontalPixels(edition.language.loginSize.width, measures.units);
        banner.deviceIndependentSize().width() > width) {
        const qreal ratio = banner.devicePixelRatio();
        banner = banner.scaledToWidth(qRound(width * ratio), Qt::SmoothTransformation);
        banner.setDevicePixelRatio(ratio);
    }
    // The banner's height in whole dialog units, which hold all of it.
    const int bannerHeight =
        editions::unitsDown(qCeil(banner.deviceIndependentSize().height()), measures.units);
    ui::buildDialog(
        *this,
        window_logic::loginDialog(edition, measures.textWidth, bannerHeight, measures.metrics),
        measures.units, controls_, banner);
    logic_.emplace(edition, context, controls_);

    // `activated` follows the user's choices only, the entry already selected included.
    connect(&controls_.as<QComboBox>(LoginControl::languageList), &QComboBox::activated, this,
            [this](int position) { logic_->chooseLanguage(position); });
    for (const auto& [control, button] : controls_.buttons()) {
        connect(button, &QPushButton::clicked, this,
                [this, connects = control == window_logic::Control(LoginControl::connectButton)] {
                    connects ? logic_->connect() : logic_->logIn();
                });
    }
}

}  // namespace login
