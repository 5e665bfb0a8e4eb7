#pragma once

#include <QString>
#include <string_view>

namespace app {

// The editions keep their texts as UTF-8; the windows show them as QString.
inline QString uiText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace app
