#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "camera_library.h"
#include "menu_write.h"
#include "option_value.h"
#include "session.h"

namespace camera {

// The second camera model's menu record, 56 bytes: bytes the program carries without reading
// them, then one list position per value byte.
class StcMenuRecord {
  public:
    static constexpr std::int32_t kSize = 56;
    // Value byte of list 0; the bytes before it go back to the camera as they came.
    static constexpr int kFirstValueByte = 28;
    static constexpr int kListCount = kSize - kFirstValueByte;

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }

    std::uint8_t byte(int list) const { return bytes_[offset(list)]; }
    void setByte(int list, std::uint8_t byte) { bytes_[offset(list)] = byte; }
    bool isSupported(int list) const { return byte(list) != kNotSupported; }
    int position(int list) const { return decodeValueByte(byte(list)); }
    void select(int list, int selectedPosition) {
        setByte(list, encodeSelection(selectedPosition));
    }

  private:
    static std::size_t offset(int list) { return static_cast<std::size_t>(kFirstValueByte + list); }

    std::array<std::uint8_t, kSize> bytes_{};
};

// The lists that the storage-encryption guard and the device kinds single out.
inline constexpr int kStcEncryptionList = 16;
inline constexpr int kStcWifiList = 17;
inline constexpr int kStcCellular4gList = 25;
inline constexpr int kStcLiveResolutionList = 26;
inline constexpr int kStcLiveCodecList = 27;

// What a front end does to one list after a read.
struct StcListChange {
    int list = 0;
    // Selected afterwards: a negative position, or one beyond the list, leaves no selection;
    // none leaves the selection as it is.
    std::optional<int> position;
    // Set for an option the camera does not offer; unset says nothing about enabling.
    bool disable = false;
};

// The second model's menu options: the record read into lists, and the lists' selections written
// back with the storage-encryption guard.
class StcMenuSettings {
  public:
    StcMenuSettings(CameraLibrary& camera, Session& session);

    // One change per list in record order; nothing when the read failed, so that no list shows a
    // value the camera did not give.
    std::optional<std::vector<StcListChange>> read();

    // The lists' selections over a fresh read of the record: a list with none (-1) keeps the
    // byte read, one the last read did not offer goes back as not offered. Changing the
    // encryption option needs the user's answer (confirm), and a second write (completeWrite).
    MenuWrite write(const std::function<int(int list)>& selection);
    // Yes formats the memory card, no puts the previous option back. The encryption list's
    // position to show.
    int confirm(bool formatCard);
    // The second write, when the first left one due.
    void completeWrite();

  private:
    std::optional<StcMenuRecord> readRecord();
    bool writeRecord(const StcMenuRecord& record);

    CameraLibrary& camera_;
    Session& session_;
    // What the last successful read found: a list it did not offer goes back with the marker,
    // whatever selection it kept. Before any read, every list counts as offered.
    std::array<bool, StcMenuRecord::kListCount> offeredAtLastRead_ = [] {
        std::array<bool, StcMenuRecord::kListCount> all{};
        all.fill(true);
        return all;
    }();
    // What the first write sent and the encryption byte the camera held, until the second write.
    std::optional<StcMenuRecord> pendingWrite_;
    std::uint8_t keptEncryption_ = 0;
};

}  // namespace camera
