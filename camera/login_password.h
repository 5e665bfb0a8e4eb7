#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "code_page.h"
#include "session.h"

namespace camera {

// The password as a login sends it: its text in the code page, with room for six characters of
// two bytes each and the zero byte.
class LoginPassword {
  public:
    static constexpr std::size_t kLength = 6;

    explicit LoginPassword(std::u16string_view text) {
        const std::string converted = platform::encodeAnsi(text);
        std::copy_n(converted.begin(), std::min(converted.size(), bytes_.size() - 1),
                    bytes_.begin());
    }

    const char* data() const { return bytes_.data(); }

    // The session keeps the first six bytes for the later calls that take the password.
    void keepIn(Session& session) const {
        session.loginPassword.fill('\0');
        std::copy_n(bytes_.begin(), kLength, session.loginPassword.begin());
    }

  private:
    std::array<char, (kLength + 1) * 2> bytes_{};
};

}  // namespace camera
