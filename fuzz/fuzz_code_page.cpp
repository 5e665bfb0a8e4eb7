// Decodes arbitrary bytes and encodes arbitrary UTF-16 in the code pages the tool may run under.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "code_page.h"

namespace {

constexpr std::array kCodePages{1251, 1252, 936, 932, 1258};

bool isSingleByte(platform::CodePage codePage) {
    return codePage == platform::CodePage::cyrillic || codePage == platform::CodePage::western;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const platform::CodePage codePage{kCodePages[data[0] % kCodePages.size()]};
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);

    const std::u16string decoded = platform::decodeAnsi(bytes, codePage);
    const std::size_t textBytes = std::strlen(std::string(bytes.begin(), bytes.end()).c_str());
    // No text is lost whole, whatever bytes it holds.
    if (decoded.size() > textBytes || decoded.empty() != (textBytes == 0) ||
        decoded.find(u'\0') != std::u16string::npos) {
        __builtin_trap();
    }
    // The two single-byte code pages map every byte to one character and back.
    if (isSingleByte(codePage) &&
        platform::encodeAnsi(decoded, codePage) !=
            std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(textBytes))) {
        __builtin_trap();
    }

    std::u16string text(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
    const std::string encoded = platform::encodeAnsi(text, codePage);
    // One byte per code unit: what the code page lacks is replaced, never dropped.
    if (isSingleByte(codePage) && encoded.size() != text.size()) {
        __builtin_trap();
    }
    return 0;
}
