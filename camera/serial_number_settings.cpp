#include "serial_number_settings.h"

#include "text_buffer.h"

namespace camera {
namespace {

constexpr int32_t kRead = 0;
constexpr int32_t kWrite = 1;

}  // namespace

std::optional<std::u16string> SerialNumberSettings::readAtSetUp() {
    SerialNumberBuffer buffer;
    int32_t flag = 0;
    camera_.Qumat_SN_Info(kRead, buffer.data(), &flag);
    if (flag == 0) {
        return std::nullopt;
    }
    return serialNumberTextAtSetUp(buffer);
}

TextReading SerialNumberSettings::read() {
    SerialNumberBuffer buffer;
    int32_t flag = 0;
    camera_.Qumat_SN_Info(kRead, buffer.data(), &flag);
    return {.succeeded = flag != 0, .text = buffer.text()};
}

WriteOutcome SerialNumberSettings::write(std::u16string_view serialNumber) {
    if (serialNumber.size() > kMaximumLength) {
        return WriteOutcome::refused;
    }
    SerialNumberBuffer buffer;
    buffer.write(serialNumber);
    int32_t flag = 0;
    camera_.Qumat_SN_Info(kWrite, buffer.data(), &flag);
    return outcomeOf(flag);
}

}  // namespace camera
