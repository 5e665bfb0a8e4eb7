#include "network_record.h"

#include <algorithm>

#include <array>

#include "code_page.h"
#include "option_value.h"
#include "text_field.h"

namespace camera {
namespace {

struct FieldPlace {
    std::size_t offset;
    std::size_t width;
};

// By NetworkText: ssid, wifi_password, apn, pin_4g, server_ip, server_port.
constexpr std::array<FieldPlace, 6> kPlaces{
    {{1, 17}, {18, 17}, {35, 33}, {68, 9}, {77, 17}, {94, 9}}};
static_assert(kPlaces.back().offset + kPlaces.back().width == NetworkRecord::kSize);

constexpr std::size_t kWifiStation = 0;
// The WIFI list's entries: 0 "OFF", 1 "STA ON", 2 "AP ON".
constexpr int kStationOnPosition = 1;

FieldPlace place(NetworkText text) {
    return kPlaces[static_cast<std::size_t>(text)];
}

}  // namespace

int NetworkRecord::wifiStationPosition() const {
    return decodeValueByte(bytes_[kWifiStation]);
}

void NetworkRecord::setWifiStationFromWifiSelection(int selectedPosition) {
    bytes_[kWifiStation] = selectedPosition == kStationOnPosition ? 1 : 0;
}

std::u16string NetworkRecord::text(NetworkText field) const {
    return platform::decodeAnsi(this->field(field));
}

bool NetworkRecord::terminated(NetworkText field) const {
    const auto bytes = this->field(field);
    return textLength(bytes) < bytes.size();
}

void NetworkRecord::writeText(NetworkText field, std::u16string_view text) {
    const auto bytes = this->field(field);
    writeTextField(bytes, text, bytes.size() - 1);
}

void NetworkRecord::copyText(NetworkText text, const NetworkRecord& from) {
    std::ranges::copy(from.field(text), field(text).begin());
}

std::span<std::uint8_t> NetworkRecord::field(NetworkText text) {
    return std::span(bytes_).subspan(place(text).offset, place(text).width);
}

std::span<const std::uint8_t> NetworkRecord::field(NetworkText text) const {
    return std::span(bytes_).subspan(place(text).offset, place(text).width);
}

}  // namespace camera
