#include "identity_record.h"

#include <algorithm>

#include "code_page.h"
#include "text_field.h"

namespace camera {
namespace {

constexpr std::size_t kDeviceIdWidth = 8;
// The camera ends its device ID with a zero byte, so the ID itself is at most 7 bytes; an eighth
// would run into the officer ID once written back.
constexpr std::size_t kDeviceIdMaxLength = kDeviceIdWidth - 1;
constexpr std::size_t kOfficerIdOffset = 8;

std::size_t bytesWritten(OfficerIdWidth width) {
    return width == OfficerIdWidth::sevenBytes ? 7 : 6;
}

}  // namespace

std::u16string IdentityRecord::deviceId() const {
    return platform::decodeAnsi(bytes().first<kDeviceIdMaxLength>());
}

std::size_t IdentityRecord::deviceIdLength() const {
    return textLength(bytes().first<kDeviceIdMaxLength>());
}

std::u16string IdentityRecord::officerId(OfficerIdWidth width) const {
    const auto field = bytes().subspan<kOfficerIdOffset>();
    return platform::decodeAnsi(width == OfficerIdWidth::sevenBytes ? field.first(7) : field);
}

void IdentityRecord::writeDeviceId(std::u16string_view text, std::size_t length) {
    writeTextField(bytes().first<kDeviceIdWidth>(), text, std::min(length, kDeviceIdMaxLength));
}

void IdentityRecord::writeOfficerId(std::u16string_view text, OfficerIdWidth width) {
    // Clearing to the record's end sends zeros after the officer ID, whatever the last read left.
    writeTextField(bytes().subspan<kOfficerIdOffset>(), text, bytesWritten(width));
}

void IdentityRecord::copyDeviceId(const IdentityRecord& from) {
    std::ranges::copy(from.bytes().first<kDeviceIdMaxLength>(), bytes_.begin());
}

void IdentityRecord::copyOfficerId(const IdentityRecord& from, OfficerIdWidth width) {
    std::ranges::copy(from.bytes().subspan(kOfficerIdOffset, bytesWritten(width)),
                      bytes_.begin() + kOfficerIdOffset);
}

}  // namespace camera
