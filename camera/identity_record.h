#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace camera {

// How wide the officer ID is: six bytes written and read up to its zero byte, or seven bytes
// written and at most seven read.
enum class OfficerIdWidth { sixBytes, sevenBytes };

// The device ID and officer ID as the camera library exchanges them, 94 bytes:
// `device_id` (8 bytes), `officer_id` from byte 8, and a tail the tool writes as zero.
class IdentityRecord {
  public:
    static constexpr std::size_t kSize = 94;

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::span<std::uint8_t, kSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, kSize> bytes() const { return bytes_; }

    std::u16string deviceId() const;
    // The bytes of `device_id` up to its zero byte, at most 7: the length a new device ID must
    // have.
    std::size_t deviceIdLength() const;
    // The six-byte form reads up to the zero byte, though never past the record's end.
    std::u16string officerId(OfficerIdWidth width) const;

    // Writes `length` bytes of the converted text, at most 7, with no zero byte of its own: the
    // zero bytes after it end it.
    void writeDeviceId(std::u16string_view text, std::size_t length);
    // Writes the first six (seven) converted bytes and zeroes everything after them.
    void writeOfficerId(std::u16string_view text, OfficerIdWidth width);
    // The bytes another record holds where these write theirs, byte for byte.
    void copyDeviceId(const IdentityRecord& from);
    void copyOfficerId(const IdentityRecord& from, OfficerIdWidth width);

  private:
    std::array<std::uint8_t, kSize> bytes_{};
};

}  // namespace camera
