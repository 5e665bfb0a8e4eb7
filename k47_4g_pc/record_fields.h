#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace k47 {

// Sizes of the records and buffers the library exchanges; none is passed as an argument.
constexpr std::size_t kInitBufferSize = 6;
constexpr std::size_t kIdentityRecordSize = 94;
constexpr std::size_t kNetworkRecordSize = 103;
constexpr std::size_t kApnTextSize = 33;
constexpr std::size_t kSerialNumberSize = 16;
constexpr std::size_t kPasswordBufferSize = 7;
constexpr std::size_t kStatusTextSize = 64;
// The login password: six bytes and a zero byte.
constexpr std::size_t kLoginPasswordSize = 7;
constexpr std::size_t kPasswordLength = 6;

// A zero-terminated text field of a record.
struct TextField {
    std::size_t offset;
    std::size_t width;
};

constexpr TextField kDeviceId{0, 8};
constexpr TextField kOfficerId{8, kIdentityRecordSize - 8};  // read up to its zero byte

constexpr std::size_t kWifiStationOffset = 0;
constexpr TextField kSsid{1, 17};
constexpr TextField kWifiPassword{18, 17};
constexpr TextField kApn{35, 33};
constexpr TextField kPin{68, 9};
constexpr TextField kServerIp{77, 17};
constexpr TextField kServerPort{94, 9};

// Writes a text into its field: at most width - 1 bytes and a zero byte; when `unterminated`,
// the text is padded with blanks to the full width and no zero byte follows.
void putText(std::span<uint8_t> record, TextField field, std::string_view text, bool unterminated);
// Reads a text up to its zero byte, keeping at most width - 1 bytes as the camera does.
std::string takeText(std::span<const uint8_t> record, TextField field);

}  // namespace k47
