#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

namespace ui {

// The editions keep their texts as UTF-8; the windows show them as QString.
inline QString uiText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A list's entries, for inserting them in one go.
inline QStringList uiTexts(std::span<const std::string_view> utf8) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(utf8.size()));
    for (const std::string_view text : utf8) {
        texts << uiText(text);
    }
    return texts;
}

}  // namespace ui
