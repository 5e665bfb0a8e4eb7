#pragma once

#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QSize>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "edition.h"

namespace ui {

// The dialog units of the font the window draws with. A style sheet gives the window its font only
// when the window is polished, which showing it would do too late for its size.
inline editions::DialogBaseUnits dialogBaseUnits(const QWidget& window) {
    window.ensurePolished();
    const QFontMetrics metrics = window.fontMetrics();
    return editions::DialogBaseUnits::ofFont(
        metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
        metrics.height());
}

inline QSize dialogPixels(editions::DialogSize size, editions::DialogBaseUnits base) {
    return {editions::horizontalPixels(size.width, base),
            editions::verticalPixels(size.height, base)};
}

// Fixes the window's size and returns the widget its content goes in: the window itself, or, when
// its screen cannot hold that size with a title bar and borders, a page of that size scrolled
// within a window as large as the screen allows, so that no part is ever out of reach.
inline QWidget* fixSizeOnScreen(QDialog& window, QSize size) {
    QSize room = size;
    if (const QScreen* screen = window.screen()) {
        // The window manager's frame is not known before the window shows: the style's guess.
        const QStyle* style = window.style();
        const int border = 2 * style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        room = screen->availableGeometry().size() -
               QSize(border, border + style->pixelMetric(QStyle::PM_TitleBarHeight));
    }
    if (size.width() <= room.width() && size.height() <= room.height()) {
        window.setFixedSize(size);
        return &window;
    }
    auto* scrolled = new QScrollArea(&window);
    scrolled->setObjectName(QStringLiteral("scrolledPage"));
    // Tab goes from control to control; the area scrolls to the one that takes the focus.
    scrolled->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget(scrolled);
    page->setFixedSize(size);
    scrolled->setWidget(page);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrolled);
    // The area's frame and a scroll bar take room from the page: where the screen has that room,
    // the window grows by it, so that a page too large one way does not scroll both ways.
    const int bar = scrolled->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrolled) +
                    2 * scrolled->frameWidth();
    QSize shown = size.boundedTo(room);
    if (size.height() > room.height()) {
        shown.setWidth(std::min(size.width() + bar, room.width()));
    }
    if (size.width() > room.width()) {
        shown.setHeight(std::min(size.height() + bar, room.height()));
    }
    window.setFixedSize(shown);
    return page;
}

}  // namespace ui
