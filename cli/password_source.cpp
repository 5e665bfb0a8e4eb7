#include "password_source.h"

#include "environment.h"
#include "limited_read.h"
#include "profile_file.h"
#include "utf8.h"

namespace cli {
namespace {

constexpr std::size_t kPasswordLength = 6;
// Room for any password with blanks around it; a longer first line is no password file.
constexpr std::size_t kLineLimit = 1024;

}  // namespace

std::optional<std::u16string> loginPassword(const std::optional<std::string>& passwordFile,
                                            Console& console) {
    std::optional<std::string> password;
    if (passwordFile) {
        const auto file =
            platform::readLimited(platform::pathFromUtf8(*passwordFile), kLineLimit, true);
        if (file.error) {
            console.error() << "cannot read the password file " << escapedText(*passwordFile)
                            << ": " << *file.error << '\n';
            return std::nullopt;
        }
        password = file.bytes;
    } else if (console.passwordVariable) {
        password = console.passwordVariable;
    } else {
        password = console.askHidden("Password: ");
        if (!password) {
            console.error() << "no password: give --password-file FILE or set "
                               "QUMAT_PASSWORD, or run it on a terminal\n";
            return std::nullopt;
        }
    }
    const auto text = platform::fromUtf8(*password);
    if (!text || text->size() != kPasswordLength) {
        console.error() << "the camera's password has six characters\n";
        return std::nullopt;
    }
    return text;
}

}  // namespace cli
