#include "password_source.h"

#include <fstream>

#include "utf8.h"

namespace cli {
namespace {

constexpr std::size_t kPasswordLength = 6;

std::optional<std::string> firstLineOf(const std::string& file) {
    std::ifstream stream(file, std::ios::binary);
    std::string line;
    if (!stream || (!std::getline(stream, line) && !stream.eof())) {
        return std::nullopt;
    }
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    return line;
}

}  // namespace

std::optional<std::u16string> loginPassword(const std::optional<std::string>& passwordFile,
                                            Console& console) {
    std::optional<std::string> password;
    if (passwordFile) {
        password = firstLineOf(*passwordFile);
        if (!password) {
            console.errors << "qumat_pro: cannot read the password file " << *passwordFile << '\n';
            return std::nullopt;
        }
    } else if (console.passwordVariable) {
        password = console.passwordVariable;
    } else {
        password = console.askPassword();
        if (!password) {
            console.errors << "qumat_pro: no password: give --password-file FILE or set "
                              "QUMAT_PASSWORD, or run it on a terminal\n";
            return std::nullopt;
        }
    }
    const auto text = platform::fromUtf8(*password);
    if (!text || text->size() != kPasswordLength) {
        console.errors << "qumat_pro: the camera's password has six characters\n";
        return std::nullopt;
    }
    return text;
}

}  // namespace cli
