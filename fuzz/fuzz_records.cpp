// Reads every camera record from arbitrary bytes and writes what it read back into records.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "identity_record.h"
#include "menu_record.h"
#include "network_record.h"
#include "option_lists.h"
#include "text_buffer.h"

namespace {

constexpr std::array kCodePages{"1251", "1252", "936", "1258"};

template <typename Record>
Record recordFrom(std::span<const std::uint8_t> bytes) {
    Record record;
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.bytes().size()),
                record.bytes().begin());
    return record;
}

void check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

void identity(std::span<const std::uint8_t> bytes) {
    auto record = recordFrom<camera::IdentityRecord>(bytes);
    const std::u16string deviceId = record.deviceId();
    const std::size_t length = record.deviceIdLength();
    const std::u16string officerId = record.officerId(camera::OfficerIdWidth::sixBytes);
    check(length <= 8 && deviceId.size() <= length);
    check(officerId.size() <= camera::IdentityRecord::kSize - 8);
    check(record.officerId(camera::OfficerIdWidth::sevenBytes).size() <= 7);
    record.writeDeviceId(deviceId, length);
    record.writeOfficerId(officerId, camera::OfficerIdWidth::sixBytes);
    check(std::all_of(record.bytes().begin() + 14, record.bytes().end(),
                      [](std::uint8_t byte) { return byte == 0; }));
}

void network(std::span<const std::uint8_t> bytes) {
    auto record = recordFrom<camera::NetworkRecord>(bytes);
    record.setWifiStationFromWifiSelection(record.wifiStationPosition());
    for (const auto field : {camera::NetworkText::ssid, camera::NetworkText::wifi_password,
                             camera::NetworkText::apn, camera::NetworkText::pin_4g,
                             camera::NetworkText::server_ip, camera::NetworkText::server_port}) {
        const std::u16string text = record.text(field);
        check(text.size() <= 33);
        record.writeText(field, text + text);
    }
    for (const std::size_t last : {17u, 34u, 67u, 76u, 93u, 102u}) {
        check(record.bytes()[last] == 0);
    }
}

void menu(std::span<const std::uint8_t> bytes) {
    auto record = recordFrom<camera::MenuRecord>(bytes);
    check(camera::resolutionBits(record).size() <= 11);
    check(camera::photoSizeBits(record).size() <= 16);
    check(camera::postRecordBits(record).size() <= 6);
    check(camera::splitTimeBits(record).size() <= 7);
    check(record.photoSizePositionAtSetUp() <= 0x7F);
    record.select(camera::MenuField::aes_encryption, record.position(camera::MenuField::eis));
}

template <typename Buffer>
std::u16string text(std::span<const std::uint8_t> bytes) {
    const std::u16string text = recordFrom<Buffer>(bytes).text();
    check(text.size() <= Buffer().bytes().size());
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    setenv("QUMAT_ANSI_CODE_PAGE", kCodePages[data[0] % kCodePages.size()], 1);
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    identity(bytes);
    network(bytes);
    menu(bytes);
    text<camera::StatusText>(bytes);
    camera::PasswordBuffer password;
    password.write(text<camera::PasswordBuffer>(bytes));
    camera::ApnText apn;
    apn.write(text<camera::ApnText>(bytes));
    camera::SerialNumberBuffer serialNumber;
    serialNumber.write(text<camera::SerialNumberBuffer>(bytes));
    check(camera::serialNumberTextAtSetUp(recordFrom<camera::SerialNumberBuffer>(bytes)).size() <=
          16);
    check(password.bytes().back() == 0 && apn.bytes().back() == 0 &&
          serialNumber.bytes().back() == 0);
    return 0;
}
