#include "resolution.h"

#include <array>
#include <vector>

namespace k47 {
namespace {

// The resolutions of the common model's capability bits, in bit order (frame rates aside).
constexpr std::array<Resolution, 11> kCapabilityResolutions = {{
    {2688, 1512},
    {2560, 1440},
    {2304, 1296},
    {1920, 1080},
    {1920, 1080},
    {1440, 1080},
    {1280, 720},
    {1280, 720},
    {848, 480},
    {848, 480},
    {720, 480},
}};
// The list a camera with both resolution masks clear offers.
constexpr std::array<Resolution, 5> kDefaultResolutions = {{
    {2560, 1440},
    {2304, 1296},
    {1920, 1080},
    {1280, 720},
    {848, 480},
}};
constexpr std::array<Resolution, 6> kStcResolutions = {{
    {2688, 1512},
    {2560, 1440},
    {2304, 1296},
    {1920, 1080},
    {1280, 720},
    {864, 480},
}};

constexpr std::size_t kCommonResolution = 0;
constexpr std::size_t kResolutionMaskLow = 21;
constexpr std::size_t kResolutionMaskHigh = 22;
constexpr std::size_t kStcResolution = 28;

std::vector<Resolution> commonResolutions(std::span<const uint8_t> record) {
    const unsigned mask = record[kResolutionMaskLow] | (record[kResolutionMaskHigh] & 0x07) << 8;
    if (mask == 0) {
        return {kDefaultResolutions.begin(), kDefaultResolutions.end()};
    }
    std::vector<Resolution> list;
    for (std::size_t bit = 0; bit < kCapabilityResolutions.size(); ++bit) {
        if (mask & 1U << bit) {
            list.push_back(kCapabilityResolutions[bit]);
        }
    }
    return list;
}

}  // namespace

std::optional<Resolution> currentResolution(Model model, std::span<const uint8_t> menuRecord) {
    if (menuRecord.size() != menuRecordSize(model)) {
        return std::nullopt;
    }
    const auto list = model == Model::stc
                          ? std::vector<Resolution>(kStcResolutions.begin(), kStcResolutions.end())
                          : commonResolutions(menuRecord);
    const std::size_t position =
        menuRecord[model == Model::stc ? kStcResolution : kCommonResolution];
    if (position >= list.size()) {
        return std::nullopt;
    }
    return list[position];
}

}  // namespace k47
