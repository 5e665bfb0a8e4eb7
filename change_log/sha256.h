#pragma once

#include <string>
#include <string_view>

namespace change_log {

// The SHA-256 of the bytes, as 64 lower-case hexadecimal digits. Our own, so that the command
// line starts without loading a cryptography library for the few entries it hashes.
std::string sha256Hex(std::string_view bytes);

}  // namespace change_log
